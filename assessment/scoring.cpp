// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assessment/scoring.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace assessment {

namespace {

constexpr float kNoRange = std::numeric_limits<float>::quiet_NaN();

constexpr std::array<SkinTypeBand, 3> kBands{{
    {10, 15, "Your Skin Type is I (Celtic Type) ",
     "Very sensitive (approx. 2% of all central Europeans) People with very fair skin and often "
     "with red hair and freckles who cannot tan and burn in sunlight We recommend these people "
     "should not tan on a sunbed or outdoors. They should use full SPF protection."},
    {16, 25, "Your Skin Type is II (Light Skinned European) ",
     "Sensitive (approx., 12% of all central Europeans) People with fairish skin who do tan but "
     "burn easily in the early stages and need to be patient. We recommend these people should "
     "be very careful with exposure times and use tan accelerators to increase melanin as well "
     "as an amplifier whilst on a sunbed."},
    {26, 35, "Your Skin Type is III (Dark skinned European) ",
     "Normally sensitive (approx., 78% of all central Europeans).People with brownish white skin "
     "who tan fairly easily but can burn if overexposed.Even though they tan easily, they should "
     "respect the fact that they can still burn, especially without a base tan. We recommend "
     "these people use amplifying and accelerating lotions."},
}};

constexpr SkinTypeBand kFallback{
    kNoRange, kNoRange, "Your Skin Type is IV (Mediterranean Type) ",
    "Very resistant (approx. 8% of all central Europeans). People with dark skin who tan easily "
    "and hardly ever burn, but even so need to be careful that they don't go through prolonged "
    "over exposure.We recommend these customers never allow themselves more than the full "
    "recommended session time. Accelerators and amplifiers are ideal."};

constexpr std::string_view kPointsLinePrefix = "Your Point is ";

} // namespace

std::int16_t AnswerPoints(AnswerPosition position)
{
    // No selection (-1) counts like the first entry; positions earn one more than their place.
    if (position < 0) {
        return static_cast<std::int16_t>(std::abs(position));
    }
    return static_cast<std::int16_t>(position + 1);
}

const SkinTypeBand& ClassifyPoints(float points)
{
    for (const SkinTypeBand& band : kBands) {
        if (band.LowestPoints <= points && points <= band.HighestPoints) {
            return band;
        }
    }
    return kFallback;
}

std::string PointsText(float points)
{
    // Shortest round-trip form: a whole number has no decimal point, sign or padding.
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), points);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string{};
}

AssessmentResult ScoreAnswers(std::span<const AnswerPosition, kQuestionCount> positions)
{
    float points = 0;
    for (const AnswerPosition position : positions) {
        points += static_cast<float>(AnswerPoints(position));
    }
    const SkinTypeBand& band = ClassifyPoints(points);
    return {points, std::string(band.SkinTypeCaption), std::string(band.AdviceText),
            std::string(kPointsLinePrefix) + PointsText(points)};
}

} // namespace assessment
