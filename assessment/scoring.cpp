// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assessment/scoring.h"

#include <array>

namespace assessment {

namespace {

constexpr SkinType kCelticType{
    "Your Skin Type is I (Celtic Type) ",
    "Very sensitive (approx. 2% of all central Europeans) People with very fair skin and often "
    "with red hair and freckles who cannot tan and burn in sunlight We recommend these people "
    "should not tan on a sunbed or outdoors. They should use full SPF protection."};

constexpr SkinType kLightSkinnedEuropean{
    "Your Skin Type is II (Light Skinned European) ",
    "Sensitive (approx., 12% of all central Europeans) People with fairish skin who do tan but "
    "burn easily in the early stages and need to be patient. We recommend these people should "
    "be very careful with exposure times and use tan accelerators to increase melanin as well "
    "as an amplifier whilst on a sunbed."};

constexpr SkinType kDarkSkinnedEuropean{
    "Your Skin Type is III (Dark skinned European) ",
    "Normally sensitive (approx., 78% of all central Europeans).People with brownish white skin "
    "who tan fairly easily but can burn if overexposed.Even though they tan easily, they should "
    "respect the fact that they can still burn, especially without a base tan. We recommend "
    "these people use amplifying and accelerating lotions."};

constexpr SkinType kMediterraneanType{
    "Your Skin Type is IV (Mediterranean Type) ",
    "Very resistant (approx. 8% of all central Europeans). People with dark skin who tan easily "
    "and hardly ever burn, but even so need to be careful that they don't go through prolonged "
    "over exposure.We recommend these customers never allow themselves more than the full "
    "recommended session time. Accelerators and amplifiers are ideal."};

// Both ends inclusive, tried in this order; a sum none holds is of the Mediterranean type.
struct SkinTypeBand
{
    int lowestPoints;
    int highestPoints;
    SkinType skinType;
};

constexpr std::array<SkinTypeBand, 3> kBands{{
    {10, 15, kCelticType},
    {16, 25, kLightSkinnedEuropean},
    {26, 35, kDarkSkinnedEuropean},
}};

constexpr std::string_view kPointsLinePrefix = "Your Point is ";

} // namespace

int answerPoints(AnswerPosition position)
{
    // Nothing chosen (-1) earns 1, like the first entry; an entry earns one more than its place.
    return position < 0 ? -position : position + 1;
}

const SkinType& classifyPoints(int points)
{
    for (const SkinTypeBand& band : kBands) {
        if (band.lowestPoints <= points && points <= band.highestPoints) {
            return band.skinType;
        }
    }
    return kMediterraneanType;
}

AssessmentResult scoreAnswers(std::span<const AnswerPosition, kQuestionCount> positions)
{
    int points = 0;
    for (const AnswerPosition position : positions) {
        points += answerPoints(position);
    }
    const SkinType& skinType = classifyPoints(points);
    return {points, std::string(skinType.skinTypeCaption), std::string(skinType.adviceText),
            std::string(kPointsLinePrefix) + std::to_string(points)};
}

} // namespace assessment
