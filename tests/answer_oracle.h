// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <array>
#include <span>

// What the questionnaire must count, written out here rather than taken from the program: each
// list's four answers in order, worth 1 to 4 points; a list showing any other text counts as
// unanswered, 1 point. The result panel shows the caption and advice of the band the sum falls
// in, or of the last band for a sum outside them all, and the points.
namespace oracle {

inline constexpr int kQuestions = 10;

// The questions as they are read aloud, without the line breaks that end their captions.
inline const std::array<const char*, kQuestions> kQuestionTexts{
    "What is the natural colour of your skin?",
    "What colour are your eyes?",
    "What is your natural hair colour?",
    "How long can you stay in the summer sun without suntan lotion before you burn?",
    "How many Freckles do you have?",
    "Does your skin usually display a tanning effect immediately after a long sun bathing "
    "session?",
    "Does your skin go brown after a long sunbathing session?",
    "Does your face react to the sun?",
    "How does your skin react to sunburn?",
    "How does your skin react to long sunbathing sessions?",
};

inline const std::array<std::array<const char*, 4>, kQuestions> kAnswers{{
    {"Reddish", "Whitish", "Beige", "Brown"},
    {"Bright blue,light grey,light green", "Blue, grey or green", "Grey or brown", "Dark"},
    {"red to blond", "blond to brown", "Grey or brown", "Dark brown to black"},
    {"Less than 15 minutes", "15 to 20 minutes", "25 to 40 minutes", "more than 40 minutes"},
    {"Lots", "Some", "Few", "None"},
    {"Never", "Not usually", "Often", "Usually"},
    {"Hardly or not at all", "A little", "Very and progressively", "Quickly and deeply"},
    {"Yes strongly", "Yes", "Yes normally", "No"},
    {"Painfully with blisters and peeling", "Painfully with peeling",
     "Slight reaction some peeling", "Little reaction rarely peeling"},
    {"Always burn", "Usually burn", "Often burn", "Rarely or never burn"},
}};

struct Band
{
    int lowestPoints;
    int highestPoints;
    const char* caption;
    const char* advice;
};

inline constexpr std::array<Band, 4> kBands{{
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
    {36, 40, "Your Skin Type is IV (Mediterranean Type) ",
     "Very resistant (approx. 8% of all central Europeans). People with dark skin who tan easily "
     "and hardly ever burn, but even so need to be careful that they don't go through prolonged "
     "over exposure.We recommend these customers never allow themselves more than the full "
     "recommended session time. Accelerators and amplifiers are ideal."},
}};

inline int pointsFor(int question, const QString& shown)
{
    const auto& answers = kAnswers[static_cast<std::size_t>(question)];
    for (std::size_t k = 0; k < answers.size(); ++k) {
        if (shown == QLatin1String(answers[k])) {
            return static_cast<int>(k) + 1;
        }
    }
    return 1;
}

inline int pointsShown(std::span<const QString, kQuestions> shown)
{
    int sum = 0;
    for (int i = 0; i < kQuestions; ++i) {
        sum += pointsFor(i, shown[static_cast<std::size_t>(i)]);
    }
    return sum;
}

struct Result
{
    QString caption;
    QString advice;
    QString pointsLine;

    // Whether the result panel's three texts read as this result.
    bool isReadIn(const QString& shownCaption, const QString& shownAdvice,
                  const QString& shownPointsLine) const
    {
        return shownCaption == caption && shownAdvice == advice && shownPointsLine == pointsLine;
    }
};

inline Result resultFor(int points)
{
    const Band* band = &kBands.back();
    for (const Band& each : kBands) {
        if (each.lowestPoints <= points && points <= each.highestPoints) {
            band = &each;
            break;
        }
    }
    return {QLatin1String(band->caption), QLatin1String(band->advice),
            QStringLiteral("Your Point is %1").arg(points)};
}

} // namespace oracle
