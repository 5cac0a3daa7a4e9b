// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assessment/questionnaire.h"
#include "panel_places.h"
#include "program_driver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>
#include <array>

using Positions = std::array<assessment::AnswerPosition, assessment::kQuestionCount>;
Q_DECLARE_METATYPE(Positions)

namespace {

constexpr QColor kNormalBack(0, 0, 0);
constexpr QColor kHoverBack(128, 128, 255);
constexpr QColor kPressedBack(192, 192, 255);
constexpr QColor kAccent(128, 128, 255);
constexpr QColor kWhite(255, 255, 255);

// What the result panel reads before a calculation fills it: its design's captions.
const oracle::Result kDesignCaptions{QStringLiteral("Skin Type is  "), QStringLiteral("Advice"),
                                     QStringLiteral("Your Point= ")};

// What an assistive tool reads when the result panel announces itself: its points line,
// read once the handler that announced it has returned.
QStringList heard;

void hearAnnouncement(QAccessibleEvent* event)
{
    auto* panel = qobject_cast<ResultPanel*>(event->object());
    if (event->type() == QAccessible::ObjectShow && panel != nullptr) {
        QMetaObject::invokeMethod(
            panel, [panel] { heard << panel->pointsLine->caption(); }, Qt::QueuedConnection);
    }
}

// Assistive tools listening while it lives: accessibility is on and every announcement heard.
class ToolsListening
{
public:
    ToolsListening() : m_previous(QAccessible::installUpdateHandler(hearAnnouncement))
    {
        heard.clear();
        system_events::setAccessibilityActive(true);
    }
    ~ToolsListening()
    {
        system_events::setAccessibilityActive(false);
        QAccessible::installUpdateHandler(m_previous);
    }
    ToolsListening(const ToolsListening&) = delete;
    ToolsListening& operator=(const ToolsListening&) = delete;

private:
    QAccessible::UpdateHandler m_previous;
};

} // namespace

class EndToEndTest : public ProgramTestCase
{
    Q_OBJECT

    void verifyResultShows(const oracle::Result& expected)
    {
        QVERIFY(program().resultPanel() != nullptr);
        QCOMPARE(program().shownResult(), expected);
    }

    void verifyButtonColours(const QColor& back, const QColor& frame)
    {
        QCOMPARE(questionnaire().calculateButton->backColor(), back);
        QCOMPARE(questionnaire().calculateButtonFrame->borderColor(), frame);
    }

    // A key as the keyboard sends it: to the window with the focus, an open drop-down's
    // included, which hands it to its focus widget.
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
    }

    // Counts the typing guard's work on every list.
    void countEdits()
    {
        m_edits = 0;
        for (forms::AnswerList* list : questionnaire().answerLists) {
            connect(list, &forms::AnswerList::change, this, [this] { ++m_edits; });
        }
    }

    int m_edits = 0;

private slots:
    void startsWithTheWelcomePanelAndTheFocusInTheFirstList()
    {
        QVERIFY(program().welcomePanel() != nullptr);
        QVERIFY(program().welcomePanel()->isVisible());
        QVERIFY(program().resultPanel() == nullptr);
        QCOMPARE(QApplication::focusWidget(), questionnaire().answerLists[0]);
        QCOMPARE(questionnaire().pos(), QPoint(659, 217));
    }

    void calculatesTheChosenAnswers_data()
    {
        QTest::addColumn<Positions>("positions");
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<int>("points");
        QTest::newRow("nothing chosen")
            << Positions{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1} << false << 10;
        QTest::newRow("mixed, keys") << Positions{2, 1, 0, 3, 2, 1, 1, 2, 0, 3} << false << 25;
        QTest::newRow("mixed, mouse") << Positions{0, 3, 2, 1, 0, 3, 2, 2, 1, 0} << true << 24;
        QTest::newRow("least sensitive") << Positions{3, 3, 3, 3, 3, 3, 3, 3, 3, 3} << true << 40;
    }

    void calculatesTheChosenAnswers()
    {
        QFETCH(Positions, positions);
        QFETCH(bool, byMouse);
        QFETCH(int, points);
        for (int i = 0; i < assessment::kQuestionCount; ++i) {
            if (positions[i] < 0) {
                continue;
            }
            if (byMouse) {
                program().chooseByMouse(i, positions[i]);
            } else {
                program().chooseByArrowKeys(i, positions[i]);
            }
            QCOMPARE(questionnaire().answerLists[i]->listIndex(), positions[i]);
        }
        QCOMPARE(oracle::pointsShown(program().shownAnswers()), points);
        program().calculate();

        QVERIFY(program().resultPanel()->isVisible());
        verifyResultShows(oracle::resultFor(points));
        QVERIFY(!program().welcomePanel()->isVisible());
    }

    void pressReleasedOffTheButtonScoresNothing()
    {
        // Moving onto the button to press it turns the frame white first.
        QTest::mouseMove(program().window(), QPoint(20, 600));
        program().press(questionnaire().calculateButton);
        verifyButtonColours(kPressedBack, kWhite);
        QTest::mouseRelease(program().window(), Qt::LeftButton, {}, QPoint(20, 600));

        QVERIFY(program().resultPanel()->isVisible());
        verifyResultShows(kDesignCaptions);
        QVERIFY(program().welcomePanel()->isVisible());
    }

    void rightAndMiddlePressesShowThePanelOnly_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void rightAndMiddlePressesShowThePanelOnly()
    {
        QFETCH(Qt::MouseButton, button);
        program().click(questionnaire().calculateButton, button);
        QCOMPARE(questionnaire().calculateButton->backColor(), kPressedBack);
        QVERIFY(program().resultPanel()->isVisible());
        verifyResultShows(kDesignCaptions);
    }

    void secondCalculationReplacesTheTextsInPlace()
    {
        program().calculate();
        program().waitForPanelsToRest();
        ResultPanel* panel = program().resultPanel();
        QCOMPARE(panel->topTwips(), panel_places::kResultRestingTop);

        program().chooseByArrowKeys(0, 3);
        program().calculate();
        QCOMPARE(program().resultPanel(), panel);
        QCOMPARE(panel->topTwips(), panel_places::kResultRestingTop);
        verifyResultShows(oracle::resultFor(13));
    }

    void calculationAfterClosingTheResultRisesAnew()
    {
        program().calculate();
        program().waitForPanelsToRest();
        program().click(program().resultPanel()->closeButton);
        QVERIFY(program().resultPanel() == nullptr);

        program().chooseByArrowKeys(4, 2);
        program().press(questionnaire().calculateButton);
        ResultPanel* panel = program().resultPanel();
        QVERIFY(panel->topTwips() > panel_places::kResultRestingTop);
        verifyResultShows(kDesignCaptions);
        QTest::mouseRelease(program().window(), Qt::LeftButton, {},
                            ProgramDriver::centreOf(questionnaire().calculateButton));
        verifyResultShows(oracle::resultFor(12));
        program().waitForPanelsToRest();
        QCOMPARE(panel->topTwips(), panel_places::kResultRestingTop);
    }

    void calculationAfterClosingTheWelcomeKeepsItHidden()
    {
        program().waitForPanelsToRest();
        program().click(program().welcomePanel()->closeButton);
        QVERIFY(program().welcomePanel() == nullptr);

        program().calculate();
        WelcomePanel* reloaded = program().welcomePanel();
        QVERIFY(reloaded != nullptr);
        QVERIFY(!reloaded->isVisible());
        program().waitForPanelsToRest();
        QCOMPARE(reloaded->topTwips(), panel_places::kWelcomeRestingTop);
        QVERIFY(!reloaded->isVisible());
    }

    void changedAnswerWaitsForTheNextClick()
    {
        program().calculate();
        program().chooseByArrowKeys(9, 3);
        verifyResultShows(oracle::resultFor(10));
        program().calculate();
        verifyResultShows(oracle::resultFor(13));
    }

    void buttonColoursFollowThePointer()
    {
        // Qt drops a move to where the pointer already is; start from the caption bar.
        QTest::mouseMove(program().window(), QPoint(300, 10));
        QTest::mouseMove(program().window(),
                         ProgramDriver::centreOf(questionnaire().calculateButton));
        verifyButtonColours(kHoverBack, kWhite);

        // Onto a list or another label: the hover colours stay.
        QTest::mouseMove(program().window(),
                         ProgramDriver::centreOf(questionnaire().answerLists[9]));
        verifyButtonColours(kHoverBack, kWhite);
        QTest::mouseMove(program().window(),
                         ProgramDriver::centreOf(questionnaire().questionLabels[9]));
        verifyButtonColours(kHoverBack, kWhite);

        // The bare surface brings the button back to rest.
        QTest::mouseMove(program().window(), QPoint(20, 600));
        verifyButtonColours(kNormalBack, kAccent);

        QTest::mouseMove(program().window(), QPoint(20, 600));
        program().press(questionnaire().calculateButton);
        verifyButtonColours(kPressedBack, kWhite);
        QTest::mouseMove(program().window(),
                         ProgramDriver::centreOf(questionnaire().calculateButton) + QPoint(3, 0));
        verifyButtonColours(kHoverBack, kWhite);
        QTest::mouseRelease(program().window(), Qt::LeftButton);
    }

    void twoButtonsOnTheBareSurfaceResetWithoutDragging()
    {
        QTest::mouseMove(program().window(),
                         ProgramDriver::centreOf(questionnaire().calculateButton));
        verifyButtonColours(kHoverBack, kWhite);
        const QPoint before = questionnaire().pos();

        QWindow* window = program().window();
        const auto send = [window](QPoint at, Qt::MouseButtons held, Qt::MouseButton changed,
                                   QEvent::Type type) {
            system_events::sendMouse(window, at, held, changed, type);
        };
        const QPoint bare(20, 600);
        const QPoint moved = bare + QPoint(40, 30);
        const Qt::MouseButtons both = Qt::LeftButton | Qt::RightButton;
        send(bare, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
        send(bare, both, Qt::RightButton, QEvent::MouseButtonPress);
        send(moved, both, Qt::NoButton, QEvent::MouseMove);
        QCoreApplication::processEvents();

        QCOMPARE(questionnaire().pos(), before);
        verifyButtonColours(kNormalBack, kAccent);
        send(moved, Qt::LeftButton, Qt::RightButton, QEvent::MouseButtonRelease);
        send(moved, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
    }

    void draggingMovesTheWindow_data()
    {
        QTest::addColumn<QPoint>("grip");
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("caption bar") << QPoint(100, 15) << false;
        QTest::newRow("bare surface") << QPoint(10, 560) << false;
        QTest::newRow("caption bar, second press of a double click") << QPoint(100, 15) << true;
        QTest::newRow("bare surface, second press of a double click") << QPoint(10, 560) << true;
    }

    void draggingMovesTheWindow()
    {
        QFETCH(QPoint, grip);
        QFETCH(bool, doubleClick);
        QWindow* window = program().window();
        const QPoint pressedAt = window->mapToGlobal(grip);
        // The pointer moves on the screen; where that is inside the window changes as it moves.
        const auto moveTo = [window](QPoint global) {
            QTest::mouseMove(window, window->mapFromGlobal(global));
        };
        if (doubleClick) {
            // The first press a little away from the second, as a hand does.
            QSignalSpy onTitle(questionnaire().title, &forms::Label::doubleClicked);
            QSignalSpy onSurface(&questionnaire(), &forms::Form::doubleClicked);
            system_events::doublePressAndHold(window, grip - QPoint(3, 2), grip);
            QCOMPARE(onTitle.count() + onSurface.count(), 1);
        } else {
            QTest::mousePress(window, Qt::LeftButton, {}, grip);
        }
        moveTo(pressedAt + QPoint(10, 5));
        moveTo(pressedAt + QPoint(60, 45));
        QTest::mouseRelease(window, Qt::LeftButton, {},
                            window->mapFromGlobal(pressedAt + QPoint(60, 45)));
        // From where it starts, centred at (659, 217), 60 pixels right and 45 down.
        QCOMPARE(questionnaire().pos(), QPoint(719, 262));
        moveTo(pressedAt + QPoint(90, 90));
        QCOMPARE(questionnaire().pos(), QPoint(719, 262));
        QCOMPARE(questionnaire().leftTwips(), 10785_tw);
        QCOMPARE(questionnaire().topTwips(), 3930_tw);
    }

    void typingIsErasedAndChoosingIsNot()
    {
        forms::AnswerList* list = questionnaire().answerLists[0];
        QSignalSpy edits(list, &forms::AnswerList::change);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_X);
        QTRY_COMPARE(list->currentText(), QString());
        // The Backspace the last edit queued reaches an empty field.
        QCoreApplication::sendPostedEvents();
        // The typed letter, then one Backspace for each of "Reddish"'s seven letters and x.
        QCOMPARE(edits.count(), 9);
        QCOMPARE(list->listIndex(), -1);

        program().chooseByArrowKeys(0, 2);
        // A Backspace the choice had queued would erase its last letter now.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(list->currentText(), QStringLiteral("Beige"));
        QCOMPARE(list->listIndex(), 2);
        QCOMPARE(edits.count(), 9);
    }

    void typingInTheMiddleKeepsTheTextAfterTheCaret()
    {
        forms::AnswerList* list = questionnaire().answerLists[4];
        list->setFocus();
        list->lineEdit()->setCursorPosition(2);
        QTest::keyClick(list, Qt::Key_Z);
        QTRY_COMPARE(list->currentText(), QStringLiteral("ts"));
        QCOMPARE(list->count(), 4);
    }

    void calculationCountsWhatTheListsShow_data()
    {
        QTest::addColumn<int>("typedInto");
        QTest::addColumn<Qt::Key>("keyAtOnce");
        QTest::addColumn<int>("points");
        // In every row the eye colour is "Dark" first (4 points), then a letter is typed at the
        // end of a list's text.
        QTest::newRow("letter after the chosen answer") << 1 << Qt::Key_unknown << 10;
        QTest::newRow("letter in the list above") << 0 << Qt::Key_unknown << 13;
        QTest::newRow("letter in the list above, then Tab") << 0 << Qt::Key_Tab << 13;
        QTest::newRow("letter in the list below, then Shift+Tab") << 2 << Qt::Key_Backtab << 13;
    }

    void calculationCountsWhatTheListsShow()
    {
        QFETCH(int, typedInto);
        QFETCH(Qt::Key, keyAtOnce);
        QFETCH(int, points);
        program().chooseByArrowKeys(1, 3);
        forms::AnswerList* list = questionnaire().answerLists[typedInto];
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        // A fast typist: the next key comes before the program has undone the letter.
        QTest::keyClick(list, Qt::Key_X);
        if (keyAtOnce != Qt::Key_unknown) {
            QTest::keyClick(list, keyAtOnce);
        }
        QTRY_COMPARE(list->currentText(), QString());
        QCOMPARE(oracle::pointsShown(program().shownAnswers()), points);
        program().calculate();
        verifyResultShows(oracle::resultFor(points));
    }

    void everyListTakesPressesOverItsWholeFace()
    {
        // The question labels reach under the left end of their lists, where a press must
        // still open the list's text for the keyboard, not fall to the label.
        for (int i = 0; i < assessment::kQuestionCount; ++i) {
            forms::AnswerList* list = questionnaire().answerLists[i];
            questionnaire().answerLists[(i + 1) % assessment::kQuestionCount]->setFocus();
            QSignalSpy labelPresses(questionnaire().questionLabels[i], &forms::Label::mouseDown);
            ProgramDriver::clickAtOnce(list, QPoint(0, list->height() / 2));
            QCOMPARE(QApplication::focusWidget(), list);
            QCOMPARE(labelPresses.count(), 0);
        }
    }

    void aboutShowsItsMessageAndWaits()
    {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->buttons().size();
            box->accept();
        });
        program().click(questionnaire().aboutButton);
        QCOMPARE(title, QStringLiteral("Velorin"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttons, 1);
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Velorin v.1.0"));
        QCOMPARE(lines[1], QStringLiteral("Programming by : Halvessen "));
        QVERIFY(lines[2].startsWith(QStringLiteral("you can contact me via <")));
        QVERIFY(lines[2].endsWith(QStringLiteral("> ")));
        QVERIFY(!program().registry().hasEnded());
    }

    void keysAloneReachAResult_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers();
        QTest::newRow("Enter on the keypad")
            << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    }

    void keysAloneReachAResult()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        // The last entries of the first two lists: four points each, one for each list left.
        program().chooseByArrowKeys(0, 3);
        program().chooseByArrowKeys(1, 3);
        countEdits();

        pressKey(key, modifiers);

        ResultPanel* panel = program().resultPanel();
        QVERIFY(panel != nullptr && panel->isVisible());
        verifyResultShows(oracle::resultFor(16));
        QVERIFY(!program().welcomePanel()->isVisible());
        verifyButtonColours(kNormalBack, kAccent);
        QCOMPARE(m_edits, 0);
        QCOMPARE(QApplication::focusWidget(), questionnaire().answerLists[1]);
    }

    void keysInAnOpenDropDownStayThere_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("chosen");
        QTest::newRow("Return picks the entry") << Qt::Key_Return << 2;
        QTest::newRow("Escape leaves the choice") << Qt::Key_Escape << 1;
    }

    void keysInAnOpenDropDownStayThere()
    {
        QFETCH(Qt::Key, key);
        QFETCH(int, chosen);
        forms::AnswerList* list = questionnaire().answerLists[0];
        program().chooseByArrowKeys(0, 1);
        pressKey(Qt::Key_F4);
        QTRY_VERIFY(list->view()->isVisible());
        pressKey(Qt::Key_Down);

        pressKey(key);

        QTRY_VERIFY(!list->view()->isVisible());
        QCOMPARE(list->listIndex(), chosen);
        QVERIFY(program().resultPanel() == nullptr);
        QVERIFY(program().welcomePanel()->isVisible());
    }

    void escapeClosesTheFrontPanel_data()
    {
        QTest::addColumn<bool>("calculateFirst");
        QTest::newRow("the result, in front of the hidden welcome") << true;
        QTest::newRow("the welcome, alone") << false;
    }

    void escapeClosesTheFrontPanel()
    {
        QFETCH(bool, calculateFirst);
        if (calculateFirst) {
            pressKey(Qt::Key_Return);
        }
        countEdits();

        pressKey(Qt::Key_Escape);

        QVERIFY(program().resultPanel() == nullptr);
        // A hidden welcome panel is not in front; it stays as the calculation left it.
        QCOMPARE(program().welcomePanel() != nullptr, calculateFirst);
        QCOMPARE(m_edits, 0);
    }

    void resultIsAnnouncedOnceItsTextsAreWritten_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("expected");
        // Once as the panel shows, once as it is filled again.
        QTest::newRow("Return twice")
            << "Return" << QStringList{"Your Point is 10", "Your Point is 10"};
        QTest::newRow("press action") << "action" << QStringList{"Your Point is 10"};
        // The press shows the panel; the click, a moment later, fills it.
        QTest::newRow("mouse") << "mouse" << QStringList{"Your Point= ", "Your Point is 10"};
    }

    void resultIsAnnouncedOnceItsTextsAreWritten()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, expected);
        ToolsListening tools;

        if (how == QLatin1String("Return")) {
            pressKey(Qt::Key_Return);
            QCoreApplication::processEvents();
            pressKey(Qt::Key_Return);
        } else if (how == QLatin1String("action")) {
            QAccessible::queryAccessibleInterface(questionnaire().calculateButton)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        } else {
            program().press(questionnaire().calculateButton);
            QCoreApplication::processEvents();
            QTest::mouseRelease(program().window(), Qt::LeftButton, {},
                                ProgramDriver::centreOf(questionnaire().calculateButton));
        }

        QTRY_COMPARE(heard, expected);
        QCoreApplication::processEvents();
        QCOMPARE(heard, expected);
    }

    void panelCloseLabelShowsItsTooltip()
    {
        program().waitForPanelsToRest();
        const forms::Label* close = program().welcomePanel()->closeButton;
        QWindow* panel = program().welcomePanel()->windowHandle();
        QVERIFY(!program().welcomePanel()->isActiveWindow());
        QTest::mouseMove(panel, ProgramDriver::centreOf(close) + QPoint(1, 0));
        QTest::mouseMove(panel, ProgramDriver::centreOf(close));
        QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 10000);
        QCOMPARE(QToolTip::text(), QStringLiteral("Close"));
    }

    void f1OpensTheAboutMessage()
    {
        countEdits();
        QVERIFY(ProgramDriver::aboutMessageCameUp([this] { pressKey(Qt::Key_F1); }));
        QCOMPARE(m_edits, 0);
    }

    void closeLabelEndsTheProgramWithEveryPanel()
    {
        program().press(questionnaire().calculateButton);
        QSignalSpy ended(&program().registry(), &forms::FormRegistry::programEnded);
        program().click(questionnaire().closeButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(program().registry().loadedForm<QuestionnaireWindow>() == nullptr);
        QVERIFY(program().resultPanel() == nullptr);
        QVERIFY(program().welcomePanel() == nullptr);
    }

    void closingTheWindowAnyOtherWayEndsTheProgram()
    {
        QSignalSpy ended(&program().registry(), &forms::FormRegistry::programEnded);
        questionnaire().close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(program().welcomePanel() == nullptr);
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_end_to_end.moc"
