// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assessment/questionnaire.h"
#include "assessment/scoring.h"

#include <QList>
#include <QString>
#include <QTest>
#include <algorithm>
#include <array>
#include <random>
#include <set>

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

const QString kTypeI = QStringLiteral("Your Skin Type is I (Celtic Type) ");
const QString kTypeII = QStringLiteral("Your Skin Type is II (Light Skinned European) ");
const QString kTypeIII = QStringLiteral("Your Skin Type is III (Dark skinned European) ");
const QString kTypeIV = QStringLiteral("Your Skin Type is IV (Mediterranean Type) ");

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
    void eachQuestionOffersDistinctAnswers();
    void questionCaptionsEndWithLineBreaks_data();
    void questionCaptionsEndWithLineBreaks();
    void initialTextIsTheFirstAnswer();
    void answersAreToldApartByPosition();
    void burnTimeQuestionOffersItsFourRanges();

    void answerPoints_data();
    void answerPoints();
    void classifyPoints_data();
    void classifyPoints();
    void scoreAnswers_data();
    void scoreAnswers();
    void pointsLineForEveryReachableSum_data();
    void pointsLineForEveryReachableSum();
    void resultTextsAreTrimmedAsShown();
    void scoringTwiceGivesTheSameResult();
};

void AssessmentTest::eachQuestionOffersDistinctAnswers()
{
    // Two equal entries in one list could not be told apart, yet would score apart.
    for (const Question& question : questions()) {
        QVERIFY(!question.text.empty());
        const std::set<std::string_view> distinct(question.answers.begin(), question.answers.end());
        QCOMPARE(distinct.size(), question.answers.size());
        QVERIFY(!distinct.contains(std::string_view()));
    }
}

void AssessmentTest::questionCaptionsEndWithLineBreaks_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("breaks");
    for (int question = 0; question < kQuestionCount; ++question) {
        QTest::addRow("question %d", question) << question << (question == 1 ? 1 : 2);
    }
}

void AssessmentTest::questionCaptionsEndWithLineBreaks()
{
    QFETCH(int, question);
    QFETCH(int, breaks);
    const auto [pairs, breakInside] = trailingBreaks(questionText(question));
    QCOMPARE(pairs, breaks);
    QVERIFY2(!breakInside, "a lone CR or LF is left before the closing breaks");
}

void AssessmentTest::initialTextIsTheFirstAnswer()
{
    for (int question = 0; question < kQuestionCount; ++question) {
        QCOMPARE(toQString(initialText(question)), toQString(answerText(question, 0)));
        QCOMPARE(toQString(answerText(question, 0)),
                 toQString(questions()[static_cast<std::size_t>(question)].answers[0]));
    }
}

void AssessmentTest::answersAreToldApartByPosition()
{
    // The same words stand at the same place in two lists; only the position scores.
    QCOMPARE(toQString(answerText(1, 2)), QStringLiteral("Grey or brown"));
    QCOMPARE(toQString(answerText(2, 2)), QStringLiteral("Grey or brown"));
}

void AssessmentTest::burnTimeQuestionOffersItsFourRanges()
{
    const std::array<std::string_view, 4> expected{"Less than 15 minutes", "15 to 20 minutes",
                                                   "25 to 40 minutes", "more than 40 minutes"};
    for (int position = 0; position < kAnswersPerQuestion; ++position) {
        QCOMPARE(toQString(answerText(3, position)),
                 toQString(expected[static_cast<std::size_t>(position)]));
    }
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
    QCOMPARE(int(AnswerPoints(static_cast<AnswerPosition>(position))), points);
}

void AssessmentTest::classifyPoints_data()
{
    QTest::addColumn<float>("points");
    QTest::addColumn<QString>("caption");
    QTest::newRow("10, lowest I") << 10.0f << kTypeI;
    QTest::newRow("15, highest I") << 15.0f << kTypeI;
    QTest::newRow("16, lowest II") << 16.0f << kTypeII;
    QTest::newRow("25, highest II") << 25.0f << kTypeII;
    QTest::newRow("26, lowest III") << 26.0f << kTypeIII;
    QTest::newRow("35, highest III") << 35.0f << kTypeIII;
    QTest::newRow("36, lowest IV") << 36.0f << kTypeIV;
    QTest::newRow("40, highest IV") << 40.0f << kTypeIV;
    // Sums no band holds fall through to the last type.
    QTest::newRow("9, below every band") << 9.0f << kTypeIV;
    QTest::newRow("0") << 0.0f << kTypeIV;
    QTest::newRow("9.99") << 9.99f << kTypeIV;
    QTest::newRow("15.5, between I and II") << 15.5f << kTypeIV;
    QTest::newRow("15.01") << 15.01f << kTypeIV;
    QTest::newRow("25.5, between II and III") << 25.5f << kTypeIV;
    QTest::newRow("25.99") << 25.99f << kTypeIV;
    QTest::newRow("35.5, between III and IV") << 35.5f << kTypeIV;
    QTest::newRow("41, above every band") << 41.0f << kTypeIV;
}

void AssessmentTest::classifyPoints()
{
    QFETCH(float, points);
    QFETCH(QString, caption);
    QCOMPARE(toQString(ClassifyPoints(points).SkinTypeCaption), caption);
}

void AssessmentTest::scoreAnswers_data()
{
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<float>("points");
    QTest::addColumn<QString>("caption");

    QTest::newRow("nothing chosen") << repeated(10, -1) << 10.0f << kTypeI;
    QTest::newRow("all first") << repeated(10, 0) << 10.0f << kTypeI;
    QTest::newRow("first and nothing mixed")
        << QList<int>{-1, 0, 0, -1, 0, -1, -1, 0, 0, -1} << 10.0f << kTypeI;
    QTest::newRow("all fourth") << repeated(10, 3) << 40.0f << kTypeIV;
    QTest::newRow("15") << repeated(5, 0) + repeated(5, 1) << 15.0f << kTypeI;
    QTest::newRow("16") << repeated(4, 0) + repeated(6, 1) << 16.0f << kTypeII;
    QTest::newRow("25") << repeated(5, 1) + repeated(5, 2) << 25.0f << kTypeII;
    QTest::newRow("26") << repeated(4, 1) + repeated(6, 2) << 26.0f << kTypeIII;
    QTest::newRow("35") << repeated(5, 2) + repeated(5, 3) << 35.0f << kTypeIII;
    QTest::newRow("36") << repeated(4, 2) + repeated(6, 3) << 36.0f << kTypeIV;
    QTest::newRow("16, interleaved")
        << QList<int>{1, 0, 1, 0, 1, 1, 0, 1, 0, 1} << 16.0f << kTypeII;
    QTest::newRow("26, reversed") << repeated(6, 2) + repeated(4, 1) << 26.0f << kTypeIII;
    QTest::newRow("36, interleaved")
        << QList<int>{3, 2, 3, 3, 2, 3, 2, 3, 2, 3} << 36.0f << kTypeIV;
}

void AssessmentTest::scoreAnswers()
{
    QFETCH(QList<int>, positions);
    QFETCH(float, points);
    QFETCH(QString, caption);
    QCOMPARE(positions.size(), kQuestionCount);

    // Every order of the same answers scores alike.
    std::mt19937 shuffler(20240229u);
    for (int round = 0; round < 5; ++round) {
        const AssessmentResult result = ScoreAnswers(toPositions(positions));
        QCOMPARE(result.Points, points);
        QCOMPARE(toQString(result.SkinTypeCaption), caption);
        QCOMPARE(toQString(result.AdviceText), toQString(ClassifyPoints(points).AdviceText));
        QCOMPARE(toQString(result.PointsLine),
                 QStringLiteral("Your Point is %1").arg(static_cast<int>(points)));
        std::shuffle(positions.begin(), positions.end(), shuffler);
    }
}

void AssessmentTest::pointsLineForEveryReachableSum_data()
{
    QTest::addColumn<int>("sum");
    for (int sum = 10; sum <= 40; ++sum) {
        QTest::addRow("%d", sum) << sum;
    }
}

void AssessmentTest::pointsLineForEveryReachableSum()
{
    QFETCH(int, sum);
    std::array<AnswerPosition, kQuestionCount> positions{};
    int extra = sum - 10;
    for (AnswerPosition& position : positions) {
        position = static_cast<AnswerPosition>(std::min(extra, 3));
        extra -= position;
    }
    const AssessmentResult result = ScoreAnswers(positions);
    QCOMPARE(result.Points, static_cast<float>(sum));
    // No padding, no decimals, no sign: one space after "is", the digits and nothing else.
    QCOMPARE(toQString(result.PointsLine), QStringLiteral("Your Point is ") + QString::number(sum));
    QCOMPARE(toQString(result.SkinTypeCaption),
             toQString(ClassifyPoints(static_cast<float>(sum)).SkinTypeCaption));
}

void AssessmentTest::resultTextsAreTrimmedAsShown()
{
    const std::array<float, 4> lowestOfEachType{10, 16, 26, 36};
    const std::array<std::size_t, 4> adviceLengths{255, 303, 322, 330};
    const std::array<QString, 4> captions{kTypeI, kTypeII, kTypeIII, kTypeIV};
    for (std::size_t type = 0; type < 4; ++type) {
        const SkinTypeBand& band = ClassifyPoints(lowestOfEachType[type]);
        const QString caption = toQString(band.SkinTypeCaption);
        QCOMPARE(caption, captions[type]);
        QVERIFY2(caption.endsWith(u' ') && !caption.endsWith(QLatin1String("  ")),
                 qPrintable(caption));
        QCOMPARE(band.AdviceText.size(), adviceLengths[type]);
        QVERIFY(band.AdviceText.ends_with('.'));
    }
}

void AssessmentTest::scoringTwiceGivesTheSameResult()
{
    const std::array<AnswerPosition, kQuestionCount> positions{0, 1, 2, 3, -1, 3, 2, 1, 0, 1};
    const AssessmentResult first = ScoreAnswers(positions);
    const AssessmentResult second = ScoreAnswers(positions);
    QCOMPARE(first.Points, 23.0f);
    QCOMPARE(second.Points, first.Points);
    QCOMPARE(toQString(second.SkinTypeCaption), toQString(first.SkinTypeCaption));
    QCOMPARE(toQString(second.AdviceText), toQString(first.AdviceText));
    QCOMPARE(toQString(second.PointsLine), toQString(first.PointsLine));
}

QTEST_APPLESS_MAIN(AssessmentTest)

#include "tst_assessment.moc"
