// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answer_oracle.h"
#include "program_driver.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolTip>

class QuestionnaireWindowTest : public ProgramTestCase
{
    Q_OBJECT

    // The widget a press at this point of the window lands on.
    QWidget* receiverAt(QPoint point) { return questionnaire().childAt(point); }

private slots:
    void windowIsCentredAtItsDesignSize()
    {
        QCOMPARE(questionnaire().size(), QSize(601, 645));
        QCOMPARE(questionnaire().pos(), QPoint(659, 217));
        QCOMPARE(questionnaire().widthTwips(), 9015_tw);
        QCOMPARE(questionnaire().heightTwips(), 9675_tw);
        QCOMPARE(questionnaire().windowTitle(), QStringLiteral("Form1"));
        QVERIFY(questionnaire().windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!questionnaire().windowIcon().isNull());
    }

    void windowStaysWithinReachOnSmallScreens_data()
    {
        QTest::addColumn<QSize>("screen"); // in logical pixels, the desktop's scale applied
        QTest::addColumn<QMargins>("reserved");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("1366 x 768 with a taskbar, fits: centred above it")
            << QSize(1366, 768) << QMargins(0, 0, 0, 40) << QPoint(382, 41);
        QTest::newRow("1366 x 768 at 125 %, too short: at the top")
            << QSize(1093, 614) << QMargins() << QPoint(246, 0);
        QTest::newRow("too narrow and too short, below a top panel, beside a dock")
            << QSize(580, 600) << QMargins(48, 27, 0, 0) << QPoint(48, 27);
    }

    void windowStaysWithinReachOnSmallScreens()
    {
        QFETCH(QSize, screen);
        QFETCH(QMargins, reserved);
        QFETCH(QPoint, expected);
        stopProgram();
        ScreenSizeChange change;
        change.resize(screen, reserved);
        startProgram();
        QCOMPARE(questionnaire().pos(), expected);
        QCOMPARE(questionnaire().size(), QSize(601, 645));
    }

    void questionsAndListsHoldTheQuestionnaire()
    {
        for (int i = 0; i < oracle::kQuestions; ++i) {
            const QString question = oracle::question(i);
            const forms::Label* label = questionnaire().questionLabels[i];
            // Read aloud without the line breaks that end the caption.
            QVERIFY(label->caption().startsWith(question + QLatin1String("\r\n")));
            QCOMPARE(label->caption().trimmed(), question);
            QCOMPARE(label->accessibleName(), question);
            const forms::AnswerList* list = questionnaire().answerLists[i];
            QCOMPARE(ProgramDriver::entriesOf(list), oracle::answers(i));
            // The first answer shows, not chosen.
            QCOMPARE(list->currentText(), oracle::answers(i).first());
            QCOMPARE(list->listIndex(), -1);
            QCOMPARE(list->size(), QSize(185, 21));
        }
    }

    void pressesReachTheFrontMostControl_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<QString>("receiver");
        QTest::newRow("close label over the caption bar") << twipsPoint(8595, 90) << "closeButton";
        QTest::newRow("about label over the caption bar") << twipsPoint(8820, 90) << "aboutButton";
        QTest::newRow("caption bar beside them") << twipsPoint(8400, 90) << "title";
        QTest::newRow("caption bar below the close label") << twipsPoint(8595, 300) << "title";
        QTest::newRow("calculate button's frame") << twipsPoint(2170, 9100) << "calculateButton";
        QTest::newRow("calculate button's face") << twipsPoint(4500, 9300) << "calculateButton";
        QTest::newRow("question label under a separator line")
            << twipsPoint(3000, 2160) << "questionLabel(1)";
        QTest::newRow("list over the question it covers")
            << twipsPoint(6000, 800) << "answerList(0)";
        QTest::newRow("separator line on the bare surface") << twipsPoint(150, 1320) << "window";
    }

    void pressesReachTheFrontMostControl()
    {
        QFETCH(QPoint, where);
        QFETCH(QString, receiver);
        QWidget* hit = receiverAt(where);
        while (hit != nullptr && hit->objectName().isEmpty() && hit != &questionnaire()) {
            hit = hit->parentWidget(); // a list's own text field belongs to the list
        }
        const QString name = hit == nullptr || hit == &questionnaire() ? QStringLiteral("window")
                                                                       : hit->objectName();
        QCOMPARE(name, receiver);
    }

    void closeAndAboutTakeTheirClicksFromTheCaptionBar()
    {
        QSignalSpy titleMoves(questionnaire().title, &forms::Label::mouseDown);
        QSignalSpy closeClicks(questionnaire().closeButton, &forms::Label::clicked);
        QTest::mousePress(program().window(), Qt::RightButton, {}, twipsPoint(8595, 90));
        QTest::mouseRelease(program().window(), Qt::RightButton, {}, twipsPoint(8595, 90));
        QCOMPARE(titleMoves.count(), 0);
        QCOMPARE(closeClicks.count(), 0); // only the left button clicks
        QVERIFY(!program().registry().hasEnded());
    }

    void tabVisitsTheListsInOrderAndWraps()
    {
        QCOMPARE(QApplication::focusWidget(), questionnaire().answerLists[0]);
        for (int step = 1; step <= oracle::kQuestions; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(),
                     questionnaire().answerLists[step % oracle::kQuestions]);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), questionnaire().answerLists[9]);
    }

    void labelsNeverTakeTheFocus()
    {
        for (forms::Label* label : questionnaire().findChildren<forms::Label*>()) {
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QTest::mouseClick(program().window(), Qt::RightButton, {},
                              ProgramDriver::centreOf(label));
            // The window's own focus child: the offscreen platform activates every
            // window it shows, panels included, which a real X server does not.
            QCOMPARE(questionnaire().focusWidget(), questionnaire().answerLists[0]);
        }
    }

    void captionBarTooltipsShowOnHover_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<QString>("tip");
        QTest::newRow("close label") << twipsPoint(8595, 90) << "Close";
        QTest::newRow("about label") << twipsPoint(8820, 90) << "About";
    }

    void captionBarTooltipsShowOnHover()
    {
        QFETCH(QPoint, where);
        QFETCH(QString, tip);
        QToolTip::hideText();
        QTest::mouseMove(program().window(), where);
        QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible() && QToolTip::text() == tip, 10000);
    }

    void questionFitsItsLabel_data()
    {
        QTest::addColumn<int>("question");
        for (int i = 0; i < oracle::kQuestions; ++i) {
            QTest::addRow("question %d", i) << i;
        }
    }

    // Wrapped between words with the embedded face's metrics, nothing is cut.
    void questionFitsItsLabel()
    {
        QFETCH(int, question);
        const forms::Label* label = questionnaire().questionLabels[question];
        const QString text = label->caption().trimmed();
        // Arial 12 bold, drawn with the embedded Liberation Sans.
        const QFontMetrics metrics(test_screen::font("Liberation Sans", 16, QFont::Bold));
        const QRect needed = metrics.boundingRect(label->rect(), Qt::TextWordWrap, text);
        QVERIFY2(label->rect().contains(needed), qPrintable(text));
    }

    // The longest answer, the ninth list's first, is as wide as the list's text field, so
    // its end is cut: the field shows where it starts, where the reader begins.
    void longestAnswerShowsItsStart()
    {
        const QLineEdit* field = questionnaire().answerLists[8]->lineEdit();
        QCOMPARE(field->text(), QStringLiteral("Painfully with blisters and peeling"));
        const QFontMetrics metrics(test_screen::font("Tahoma", 11)); // Tahoma 8.25
        QVERIFY(metrics.horizontalAdvance(field->text()) >= field->width());
        const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY(caret.left() < metrics.horizontalAdvance(QLatin1Char('P')));
    }
};

QTEST_MAIN(QuestionnaireWindowTest)
#include "tst_questionnaire_window.moc"
