// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <array>
#include <span>

// What the questionnaire must show and count, written down rather than taken from the program.
// The texts the user sees stand once in questionnaire.json, which the X11 tests read too: each
// question as read aloud, without the line breaks that end its caption, its list's four answers
// in order, and the caption and advice of each skin type, I to IV. An answer is worth its place
// in its list, 1 to 4 points; a list showing any other text counts as unanswered, 1 point.
namespace oracle {

inline constexpr int kQuestions = 10;

// The skin type, I to IV, that each sum ten answers can give reads as.
inline constexpr int kLeastPoints = 10;
inline constexpr std::array<int, 31> kSkinTypeOfPoints{
    1, 1, 1, 1, 1, 1,             // 10 to 15
    2, 2, 2, 2, 2, 2, 2, 2, 2, 2, // 16 to 25
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, // 26 to 35
    4, 4, 4, 4, 4,                // 36 to 40
};

inline const QJsonObject& texts()
{
    static const QJsonObject read = [] {
        QFile file(QFINDTESTDATA("questionnaire.json"));
        if (!file.open(QIODevice::ReadOnly)) {
            qFatal("The questionnaire's texts cannot be read");
        }
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return read;
}

inline QString question(int index)
{
    return texts()[QLatin1String("questions")][index][QLatin1String("text")].toString();
}

inline QStringList answers(int question)
{
    return texts()[QLatin1String("questions")][question][QLatin1String("answers")]
        .toVariant()
        .toStringList();
}

inline int pointsFor(int question, const QString& shown)
{
    const qsizetype place = answers(question).indexOf(shown);
    return place < 0 ? 1 : static_cast<int>(place) + 1;
}

inline int pointsShown(std::span<const QString, kQuestions> shown)
{
    int sum = 0;
    for (int i = 0; i < kQuestions; ++i) {
        sum += pointsFor(i, shown[static_cast<std::size_t>(i)]);
    }
    return sum;
}

// The result panel's three texts.
struct Result
{
    QString caption;
    QString advice;
    QString pointsLine;

    bool operator==(const Result&) const = default;
};

// Found by QCOMPARE, so a failed comparison shows the texts, the shortest first.
inline char* toString(const Result& result)
{
    return QTest::toString(
        QStringList{result.pointsLine, result.caption, result.advice}.join(QLatin1String(" | ")));
}

// The result panel's texts for a skin type, I to IV, and a sum of points.
inline Result result(int skinType, int points)
{
    const QJsonValue type = texts()[QLatin1String("skinTypes")][skinType - 1];
    return {type[QLatin1String("caption")].toString(), type[QLatin1String("advice")].toString(),
            QStringLiteral("Your Point is %1").arg(points)};
}

inline int skinTypeOf(int points)
{
    return kSkinTypeOfPoints.at(static_cast<std::size_t>(points - kLeastPoints));
}

inline Result resultFor(int points)
{
    return result(skinTypeOf(points), points);
}

} // namespace oracle
