// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel_places.h"
#include "panel_ticks.h"
#include "program_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <functional>

// Things a user can do that the program must survive: a screen that changes size under a
// panel, a panel closed while it rises, the longest paste a list takes, a calculation
// while the result panel is still on its way up.

using PanelPicker = std::function<SlideInPanel*(ProgramDriver&)>;
Q_DECLARE_METATYPE(PanelPicker)

using namespace panel_places;

namespace {

// A welcome panel just loaded and shown, as at the start; the result panel once the button
// goes down.
SlideInPanel* welcomePanel(ProgramDriver& program)
{
    forms::unload(*program.welcomePanel());
    forms::show<WelcomePanel>();
    return program.welcomePanel();
}

SlideInPanel* resultPanel(ProgramDriver& program)
{
    system_events::sendMouse(program.window(),
                             ProgramDriver::centreOf(program.questionnaire().calculateButton),
                             Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    system_events::sendMouse(program.window(), QPoint(20, 600), Qt::NoButton, Qt::LeftButton,
                             QEvent::MouseButtonRelease);
    return program.resultPanel();
}

QPointF placeOf(const SlideInPanel& panel)
{
    return QPointF(panel.leftTwips().value(), panel.topTwips().value());
}

// A screen change leaves a panel where it is, or places it again as its load does: just
// below the new screen, 100 twips in from its right edge.
void verifyStaysOrIsPlacedAgain(const SlideInPanel& panel, QPointF before)
{
    const QPointF placedAgain(leftOn(test_screen::freeRight()).value(),
                              test_screen::freeBottom().value());
    const QPointF now = placeOf(panel);
    QVERIFY2(now == before || now == placedAgain,
             qPrintable(QStringLiteral("moved from (%1, %2) to (%3, %4)")
                            .arg(before.x())
                            .arg(before.y())
                            .arg(now.x())
                            .arg(now.y())));
}

// At rest above the screen's bottom edge, by more than the margin, and no higher than
// the one step that took it past that line.
void verifyRestsJustAboveTheBottom(const SlideInPanel& panel)
{
    const Twips bottomGap = gapAboveBottom(panel);
    QVERIFY2(bottomGap > kRestAboveBottom,
             qPrintable(QStringLiteral("bottom edge only %1 twips above the screen's bottom")
                            .arg(bottomGap.value())));
    QVERIFY2(
        bottomGap - kRiseStep <= kRestAboveBottom,
        qPrintable(
            QStringLiteral("rose %1 twips too far").arg((bottomGap - kRestAboveBottom).value())));
    QVERIFY(!panel.riseTimer->isEnabled());
}

void addPanelRows()
{
    QTest::addColumn<PanelPicker>("pick");
    QTest::newRow("welcome") << PanelPicker(welcomePanel);
    QTest::newRow("result") << PanelPicker(resultPanel);
}

} // namespace

class UserFaultsTest : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        stopProgram();
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(),
                 QRect(QPoint(), test_screen::kPixels));
    }

    void screenChangeLeavesEveryPanelWhollyOnTheScreen_data()
    {
        QTest::addColumn<PanelPicker>("pick");
        QTest::addColumn<int>("pairsBefore"); // -1: at rest when the screen changes
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("placedAgain");
        const PanelPicker welcome(welcomePanel);
        const PanelPicker result(resultPanel);
        // A panel the new screen would cut stands again 100 twips in from the right edge and
        // rises from below the new bottom edge. One that fits stays where it is and, if it was
        // rising, rises on until it stands above the new bottom edge.
        QTest::newRow("welcome at rest, narrower") << welcome << -1 << QSize(1280, 720) << true;
        QTest::newRow("welcome at rest, only lower") << welcome << -1 << QSize(1920, 720) << true;
        QTest::newRow("welcome at rest, smallest") << welcome << -1 << QSize(640, 480) << true;
        QTest::newRow("welcome at rest, larger") << welcome << -1 << QSize(2560, 1440) << false;
        QTest::newRow("result at rest, narrower") << result << -1 << QSize(1024, 768) << true;
        QTest::newRow("result at rest, smaller") << result << -1 << QSize(800, 600) << true;
        QTest::newRow("result at rest, taller") << result << -1 << QSize(1920, 1200) << false;
        QTest::newRow("welcome rising, narrower") << welcome << 20 << QSize(1280, 720) << true;
        QTest::newRow("welcome rising, larger") << welcome << 20 << QSize(2560, 1440) << false;
        QTest::newRow("welcome rising, only lower") << welcome << 20 << QSize(1920, 720) << false;
        QTest::newRow("result just loaded, smallest") << result << 0 << QSize(640, 480) << true;
        QTest::newRow("result just loaded, taller") << result << 0 << QSize(1920, 1200) << false;
        QTest::newRow("result rising, narrower") << result << 60 << QSize(1024, 768) << true;
        QTest::newRow("result rising, larger") << result << 60 << QSize(2560, 1440) << false;
    }

    void screenChangeLeavesEveryPanelWhollyOnTheScreen()
    {
        QFETCH(PanelPicker, pick);
        QFETCH(int, pairsBefore);
        QFETCH(QSize, screen);
        QFETCH(bool, placedAgain);
        SlideInPanel* panel = pick(program());
        const Twips height = designedHeight(*panel);
        const Twips topBefore =
            pairsBefore < 0 ? restingTop(height) : test_screen::kHeight - rise(pairsBefore);
        const Twips newBottom = test_screen::twips(screen.height());
        const QPointF restingPlace =
            placedAgain
                ? QPointF(leftOn(test_screen::twips(screen.width())).value(),
                          restingTop(height, newBottom).value())
                : QPointF(leftOn().value(), restingTop(height, newBottom, topBefore).value());
        if (pairsBefore < 0) {
            riseUntilRest(*panel);
        } else {
            tickPanel(*panel, pairsBefore);
        }
        const bool rising = panel->riseTimer->isEnabled();
        const QPointF before = placeOf(*panel);

        ScreenSizeChange change;
        change.resize(screen);
        const QPointF belowTheNewScreen(restingPlace.x(), newBottom.value());
        QCOMPARE(placeOf(*panel), !placedAgain ? before
                                  : rising     ? belowTheNewScreen
                                               : restingPlace);
        QCOMPARE(panel->riseTimer->isEnabled(), rising);
        riseUntilRest(*panel);
        QCOMPARE(placeOf(*panel), restingPlace);
        QCOMPARE(panel->pos(), (restingPlace / test_screen::kTwipsPerPixel).toPoint());

        // A growing screen moves nothing, and nothing starts the rise again.
        change.resize(QSize(3840, 2160));
        tickPanel(*panel, 3);
        QCOMPARE(placeOf(*panel), restingPlace);
        QVERIFY(!panel->riseTimer->isRunning());
    }

    void risingPanelRestsAboveTheNewBottomEdge_data()
    {
        QTest::addColumn<PanelPicker>("pick");
        QTest::addColumn<int>("pairsBefore");
        QTest::addColumn<QSize>("screen");
        const QList<QPair<const char*, PanelPicker>> panels{{"welcome", welcomePanel},
                                                            {"result", resultPanel}};
        for (const auto& [name, picker] : panels) {
            for (const int pairs : {0, 1, 20, 40}) {
                for (const QSize size : {QSize(1280, 720), QSize(800, 600), QSize(1920, 1200),
                                         QSize(2560, 1440), QSize(640, 480)}) {
                    QTest::addRow("%s, %d ticks, %dx%d", name, pairs, size.width(), size.height())
                        << picker << pairs << size;
                }
            }
        }
    }

    void risingPanelRestsAboveTheNewBottomEdge()
    {
        QFETCH(PanelPicker, pick);
        QFETCH(int, pairsBefore);
        QFETCH(QSize, screen);
        SlideInPanel* panel = pick(program());
        tickPanel(*panel, pairsBefore);
        QVERIFY(panel->riseTimer->isEnabled());
        const Twips topBefore = panel->topTwips();

        const QPointF before = placeOf(*panel);

        ScreenSizeChange change;
        change.resize(screen);
        verifyStaysOrIsPlacedAgain(*panel, before);
        const bool stayed = placeOf(*panel) == before;
        riseUntilRest(*panel);
        const Twips restLine =
            test_screen::freeBottom() - designedHeight(*panel) - kRestAboveBottom;
        if (stayed && topBefore < restLine) {
            // Already clear of the new bottom edge: it stops where it stands.
            QCOMPARE(panel->topTwips(), topBefore);
        } else {
            verifyRestsJustAboveTheBottom(*panel);
        }
        QVERIFY(standsWhollyOnScreen(*panel));
    }

    void risingPanelFollowsTheScreenOnItsOwnTimers_data() { addPanelRows(); }

    void risingPanelFollowsTheScreenOnItsOwnTimers()
    {
        QFETCH(PanelPicker, pick);
        QPointer<SlideInPanel> panel = pick(program());
        ScreenSizeChange change;
        change.resize(QSize(1024, 768));
        QTRY_VERIFY_WITH_TIMEOUT(!panel->riseTimer->isEnabled(), 30000);
        const Twips bottomGap = gapAboveBottom(*panel);
        QVERIFY2(bottomGap > kRestAboveBottom, qPrintable(QString::number(bottomGap.value())));
        const Twips restingTop = panel->topTwips();
        // A growing screen moves nothing, and nothing starts the rise again.
        change.resize(test_screen::kPixels);
        tickPanel(*panel, 3);
        QCOMPARE(panel->topTwips(), restingTop);
        QVERIFY(!panel->riseTimer->isRunning());
    }

    void screenSwitchesBackAndForthMidRise_data() { addPanelRows(); }

    void screenSwitchesBackAndForthMidRise()
    {
        QFETCH(PanelPicker, pick);
        SlideInPanel* panel = pick(program());
        ScreenSizeChange change;
        const QSize sizes[] = {QSize(800, 600), QSize(1280, 1024), QSize(1024, 768)};
        int next = 0;
        for (;;) {
            tickPanel(*panel, 7);
            if (!panel->riseTimer->isEnabled()) {
                break;
            }
            const QPointF before = placeOf(*panel);
            change.resize(sizes[next++ % 3]);
            verifyStaysOrIsPlacedAgain(*panel, before);
            QVERIFY(next < 1000);
        }
        const Twips bottomGap = gapAboveBottom(*panel);
        QVERIFY2(bottomGap > kRestAboveBottom, qPrintable(QString::number(bottomGap.value())));
        QVERIFY(standsWhollyOnScreen(*panel));
    }

    void closingMidRiseStopsItAndTheNextShowRisesAnew_data()
    {
        QTest::addColumn<PanelPicker>("pick");
        QTest::addColumn<bool>("byDoubleClick");
        QTest::addColumn<QPoint>("freeSurface");
        QTest::newRow("welcome, close label") << PanelPicker(welcomePanel) << false << QPoint();
        QTest::newRow("welcome, double click")
            << PanelPicker(welcomePanel) << true << twipsPoint(60, 1200);
        QTest::newRow("result, close label") << PanelPicker(resultPanel) << false << QPoint();
        QTest::newRow("result, double click")
            << PanelPicker(resultPanel) << true << twipsPoint(120, 3000);
    }

    void closingMidRiseStopsItAndTheNextShowRisesAnew()
    {
        QFETCH(PanelPicker, pick);
        QFETCH(bool, byDoubleClick);
        QFETCH(QPoint, freeSurface);
        QPointer<SlideInPanel> panel = pick(program());
        const bool isResult = qobject_cast<ResultPanel*>(panel.data()) != nullptr;
        tickPanel(*panel, 20);
        // Half a pair: the step has come, the check has not.
        panel->riseTimer->tick();
        QVERIFY(panel->riseTimer->isEnabled());
        QVERIFY(panel->topTwips() < test_screen::kHeight);

        if (byDoubleClick) {
            QTest::mouseDClick(panel->windowHandle(), Qt::LeftButton, {}, freeSurface);
        } else {
            ProgramDriver::click(panel->closeButton);
        }
        QVERIFY(isResult ? program().resultPanel() == nullptr
                         : program().welcomePanel() == nullptr);
        if (panel) {
            QVERIFY(!panel->isVisible());
            QVERIFY(!panel->riseTimer->isRunning());
            QVERIFY(!panel->stopTimer->isRunning());
            // The other half of the pair, already under way when the panel went.
            emit panel->stopTimer->timer();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(panel.isNull());
        // Nothing the close left queued brings the panel back or ends the program.
        QCoreApplication::sendPostedEvents();
        QVERIFY(isResult ? program().resultPanel() == nullptr
                         : program().welcomePanel() == nullptr);
        QVERIFY(!program().registry().hasEnded());

        // A calculation brings the result panel back in view, and the welcome panel back
        // unseen; either way built afresh and rising from below the screen.
        ProgramDriver::clickAtOnce(questionnaire().calculateButton);
        SlideInPanel* again = isResult ? static_cast<SlideInPanel*>(program().resultPanel())
                                       : static_cast<SlideInPanel*>(program().welcomePanel());
        QVERIFY(again != nullptr);
        QCOMPARE(again->isVisible(), isResult);
        QCOMPARE(again->topTwips(), test_screen::kHeight);
        QCOMPARE(again->leftTwips(), leftOn());
        QVERIFY(again->riseTimer->isEnabled());
        QCOMPARE(riseUntilRest(*again), stepsToRest(designedHeight(*again)));
        QCOMPARE(again->topTwips(), restingTop(designedHeight(*again)));
    }

    void closingOnItsOwnTimersMidRise_data() { addPanelRows(); }

    void closingOnItsOwnTimersMidRise()
    {
        QFETCH(PanelPicker, pick);
        QPointer<SlideInPanel> panel = pick(program());
        // Risen far enough for its close label to show, a few of the steps that bring it to
        // rest: a pass of the event loop fires a due timer once, however slow the machine.
        while (!panel->rect().contains(panel->closeButton->geometry())) {
            QVERIFY(panel->riseTimer->isEnabled());
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QVERIFY(panel->riseTimer->isEnabled());
        ProgramDriver::click(panel->closeButton);
        QTRY_VERIFY(panel.isNull());
        QCoreApplication::sendPostedEvents();
        QVERIFY(!program().registry().hasEnded());
        QVERIFY(questionnaire().isVisible());
    }

    void longestPasteIsErasedWithoutHangingTheProgram()
    {
        forms::AnswerList* list = questionnaire().answerLists[0];
        const int longest = list->lineEdit()->maxLength();
        QVERIFY(longest > 0);
        qsizetype pasted = -1;
        QObject watching;
        connect(list->lineEdit(), &QLineEdit::textEdited, &watching, [&](const QString& text) {
            if (pasted < 0) {
                pasted = text.size();
            }
        });
        QGuiApplication::clipboard()->setText(QString(longest, QLatin1Char('w')));
        list->setFocus();
        QTest::keyClick(program().window(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(program().window(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(pasted, qsizetype(longest));

        // The program keeps answering while the guard works its way back.
        program().chooseByArrowKeys(5, 2);
        program().calculate();
        QVERIFY(program().resultPanel() != nullptr);
        QVERIFY(program().resultPanel()->isVisible());
        // The third answer to one question, 3 points, and nine unanswered, 1 point each.
        QCOMPARE(program().shownResult(), oracle::resultFor(12));
        list->setFocus();

        // Generous: erasing should take a blink, not a long wait.
        QTRY_VERIFY2_WITH_TIMEOUT(list->currentText().isEmpty(),
                                  qPrintable(QStringLiteral("%1 of %2 characters still there")
                                                 .arg(list->currentText().size())
                                                 .arg(longest)),
                                  15000);
        // The caret at the start leaves the guard nothing more to erase, so no Backspace
        // outlives this test: what it still has queued changes nothing.
        QTest::keyClick(program().window(), Qt::Key_Home);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(list->currentText(), QString());

        QCOMPARE(list->listIndex(), -1);
        program().verifyListsHoldTheQuestionnaire();
        QVERIFY(!program().registry().hasEnded());
        program().chooseByArrowKeys(0, 2);
        QCOMPARE(list->currentText(), oracle::answers(0).at(2));
        QCOMPARE(list->listIndex(), 2);
    }

    void calculatingMidRiseLeavesTheRiseGoing_data()
    {
        QTest::addColumn<int>("pairsBefore");
        for (const int pairs : {0, 1, 30, 60, 108}) {
            QTest::addRow("%d ticks", pairs) << pairs;
        }
    }

    void calculatingMidRiseLeavesTheRiseGoing()
    {
        QFETCH(int, pairsBefore);
        program().chooseByArrowKeys(3, 1);
        program().chooseByArrowKeys(7, 3);
        SlideInPanel* panel = resultPanel(program());
        auto* result = qobject_cast<ResultPanel*>(panel);
        QVERIFY(result != nullptr);
        tickPanel(*panel, pairsBefore);
        QVERIFY(panel->riseTimer->isEnabled());
        const Twips top = panel->topTwips();

        ProgramDriver::clickAtOnce(questionnaire().calculateButton);
        QCOMPARE(program().resultPanel(), result);
        QCOMPARE(panel->topTwips(), top);
        QVERIFY(panel->riseTimer->isEnabled());
        // The second and the fourth answer, 2 and 4 points, and eight unanswered.
        QCOMPARE(program().shownResult(), oracle::resultFor(14));

        riseUntilRest(*panel);
        QCOMPARE(panel->topTwips(), kResultRestingTop);
        QVERIFY(!program().welcomePanel()->isVisible());
    }

    void calculatingMidRiseOnItsOwnTimers()
    {
        program().calculate();
        ResultPanel* panel = program().resultPanel();
        QTRY_VERIFY(panel->topTwips() < 14000_tw);
        program().calculate();
        program().calculate();
        QCOMPARE(program().resultPanel(), panel);
        program().waitForPanelsToRest();
        // On their own timers the panels may stop a step late on a busy machine (see
        // restingPlaceHoldsWhenTwoStepsComeBetweenChecks): never short of the resting place,
        // and clear of the bottom edge.
        for (const SlideInPanel* each : program().loadedPanels()) {
            QVERIFY(each->topTwips() <= restingTop(designedHeight(*each)));
            QVERIFY(gapAboveBottom(*each) > kRestAboveBottom);
        }
        QVERIFY(!program().welcomePanel()->isVisible());
    }

    void restingPlaceHoldsWhenTwoStepsComeBetweenChecks_data() { addPanelRows(); }

    void restingPlaceHoldsWhenTwoStepsComeBetweenChecks()
    {
        // The event loop fires each due timer once per pass, the earliest first, so on a busy
        // machine one pass can end with a step and the next begin with one: two 10 ms steps
        // with no 1 ms check between them.
        QFETCH(PanelPicker, pick);
        SlideInPanel* panel = pick(program());
        const Twips restingTop = panel_places::restingTop(designedHeight(*panel));
        while (panel->topTwips() > restingTop + kRiseStep) {
            tickPanel(*panel, 1);
        }
        QVERIFY(panel->riseTimer->isEnabled());

        panel->stopTimer->tick();
        panel->riseTimer->tick();
        panel->riseTimer->tick();
        panel->stopTimer->tick();
        QVERIFY(!panel->riseTimer->isEnabled());
        QCOMPARE(panel->topTwips(), restingTop);
    }
};

QTEST_MAIN(UserFaultsTest)
#include "tst_user_faults.moc"
