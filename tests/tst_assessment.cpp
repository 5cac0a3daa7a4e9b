// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answer_oracle.h"
#include "assessment/questionnaire.h"
#include "assessment/scoring.h"

#include <QList>
#include <QString>
#include <QTest>
#include <algorithm>
#include <array>
#include <random>

using namespace assessment;

namespace {

QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString toQString(const std::string& text)
{
    return toQString(std::string_view(text));
}

std::array<AnswerPosition, kQuestionCount> toPositions(const QList<int>& list)
{
    std::array<AnswerPosition, kQuestionCount> positions{};
    for (int i = 0; i < kQuestionCount; ++i) {
        positions[static_cast<std::size_t>(i)] = static_cast<AnswerPosition>(list.at(i));
    }
    return positions;
}

QList<int> repeated(int count, int position)
{
    return QList<int>(count, position);
}

// The number of CR LF pairs closing the text, and whether any line break is left before them.
std::pair<int, bool> trailingBreaks(std::string_view text)
{
    int pairs = 0;
    while (text.ends_with("\r\n")) {
        text.remove_suffix(2);
        ++pairs;
    }
    return {pairs, text.find_first_of("\r\n") != std::string_view::npos};
}

} // namespace

class AssessmentTest : public QObject
{
    Q_OBJECT

private slots:
    void questionnaireReadsAsWritten_data();
    void questionnaireReadsAsWritten();

    void answerPoints_data();
    void answerPoints();
    void classifyPoints_data();
    void classifyPoints();
    void scoreAnswers_data();
    void scoreAnswers();
};

void AssessmentTest::questionnaireReadsAsWritten_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("breaks");
    for (int question = 0; question < kQuestionCount; ++question) {
        QTest::addRow("question %d", question) << question << (question == 1 ? 1 : 2);
    }
}

// Each question with its closing line breaks, its four answers in order (the same words may
// stand in two lists; only the position scores), and its first answer shown unchosen.
void AssessmentTest::questionnaireReadsAsWritten()
{
    QFETCH(int, question);
    QFETCH(int, breaks);
    const auto [pairs, breakInside] = trailingBreaks(questionText(question));
    QCOMPARE(pairs, breaks);
    QVERIFY2(!breakInside, "a lone CR or LF is left before the closing breaks");
    QCOMPARE(toQString(questionText(question)).trimmed(), oracle::question(question));
    QStringList answers;
    for (int position = 0; position < kAnswersPerQuestion; ++position) {
        answers << toQString(answerText(question, position));
    }
    QCOMPARE(answers, oracle::answers(question));
    QCOMPARE(toQString(initialText(question)), answers.first());
}

void AssessmentTest::answerPoints_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("points");
    QTest::newRow("nothing chosen") << -1 << 1;
    QTest::newRow("first") << 0 << 1;
    QTest::newRow("second") << 1 << 2;
    QTest::newRow("third") << 2 << 3;
    QTest::newRow("fourth") << 3 << 4;
}

void AssessmentTest::answerPoints()
{
    QFETCH(int, position);
    QFETCH(int, points);
    QCOMPARE(assessment::answerPoints(static_cast<AnswerPosition>(position)), points);
}

void AssessmentTest::classifyPoints_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("skinType");
    // Every sum ten answers give, and one beyond each end, which no band holds: type IV.
    QTest::newRow("9") << 9 << 4;
    for (int points = oracle::kLeastPoints; points <= 40; ++points) {
        QTest::addRow("%d", points) << points << oracle::skinTypeOf(points);
    }
    QTest::newRow("41") << 41 << 4;
}

void AssessmentTest::classifyPoints()
{
    QFETCH(int, points);
    QFETCH(int, skinType);
    const SkinType& classified = assessment::classifyPoints(points);
    const oracle::Result expected = oracle::result(skinType, points);
    QCOMPARE(toQString(classified.skinTypeCaption), expected.caption);
    QCOMPARE(toQString(classified.adviceText), expected.advice);
}

void AssessmentTest::scoreAnswers_data()
{
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("skinType");
    QTest::newRow("nothing chosen") << repeated(10, -1) << 10 << 1;
    QTest::newRow("all first") << repeated(10, 0) << 10 << 1;
    QTest::newRow("first or nothing") << QList<int>{-1, 0, 0, -1, 0, -1, -1, 0, 0, -1} << 10 << 1;
    QTest::newRow("all fourth") << repeated(10, 3) << 40 << 4;
    QTest::newRow("each answer or nothing") << QList<int>{0, 1, 2, 3, -1, 3, 2, 1, 0, 1} << 23 << 2;
    QTest::newRow("15") << repeated(5, 0) + repeated(5, 1) << 15 << 1;
    QTest::newRow("16") << repeated(4, 0) + repeated(6, 1) << 16 << 2;
    QTest::newRow("25") << repeated(5, 1) + repeated(5, 2) << 25 << 2;
    QTest::newRow("26") << repeated(4, 1) + repeated(6, 2) << 26 << 3;
    QTest::newRow("35") << repeated(5, 2) + repeated(5, 3) << 35 << 3;
    QTest::newRow("36") << repeated(4, 2) + repeated(6, 3) << 36 << 4;
    QTest::newRow("16, interleaved") << QList<int>{1, 0, 1, 0, 1, 1, 0, 1, 0, 1} << 16 << 2;
    QTest::newRow("26, reversed") << repeated(6, 2) + repeated(4, 1) << 26 << 3;
    QTest::newRow("36, interleaved") << QList<int>{3, 2, 3, 3, 2, 3, 2, 3, 2, 3} << 36 << 4;
}

void AssessmentTest::scoreAnswers()
{
    QFETCH(QList<int>, positions);
    QFETCH(int, points);
    QFETCH(int, skinType);
    QCOMPARE(positions.size(), kQuestionCount);
    const oracle::Result expected = oracle::result(skinType, points);

    // Scored again in other orders: neither the order nor an earlier run changes the result.
    std::mt19937 shuffler(20240229u);
    for (int round = 0; round < 5; ++round) {
        const AssessmentResult result = assessment::scoreAnswers(toPositions(positions));
        QCOMPARE(result.points, points);
        QCOMPARE(toQString(result.skinTypeCaption), expected.caption);
        QCOMPARE(toQString(result.adviceText), expected.advice);
        QCOMPARE(toQString(result.pointsLine), expected.pointsLine);
        std::shuffle(positions.begin(), positions.end(), shuffler);
    }
}

QTEST_APPLESS_MAIN(AssessmentTest)

#include "tst_assessment.moc"
