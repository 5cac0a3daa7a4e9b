// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/label.h"
#include "controls/timer.h"
#include "forms_runtime/form_registry.h"
#include "panel_places.h"
#include "panel_ticks.h"
#include "panels/result_panel.h"
#include "panels/welcome_panel.h"
#include "resources/look.h"
#include "system_events.h"
#include "twips_output.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

using PanelLoader = std::function<SlideInPanel&(forms::FormRegistry&)>;
Q_DECLARE_METATYPE(PanelLoader)

using namespace panel_places;

namespace {

SlideInPanel& loadWelcome(forms::FormRegistry& registry)
{
    return registry.form<WelcomePanel>();
}

SlideInPanel& loadResult(forms::FormRegistry& registry)
{
    return registry.form<ResultPanel>();
}

// Each panel, once for each taskbar height given (pixels reserved along the bottom).
void addPanelRows(std::initializer_list<int> taskbars = {0})
{
    QTest::addColumn<PanelLoader>("load");
    QTest::addColumn<int>("taskbar");
    const std::pair<const char*, PanelLoader> panels[] = {{"welcome", loadWelcome},
                                                          {"result", loadResult}};
    for (const auto& [name, load] : panels) {
        for (const int taskbar : taskbars) {
            QTest::addRow("%s%s", name, taskbar == 0 ? "" : ", taskbar") << load << taskbar;
        }
    }
}

} // namespace

class PanelsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<forms::FormRegistry> m_registry;

private slots:
    void initTestCase()
    {
        velorin::setUpLook();
        system_events::ignorePlatformNotes();
    }
    void init() { m_registry = std::make_unique<forms::FormRegistry>(); }
    void cleanup() { m_registry.reset(); }

    void placesBelowTheScreenAndRestsWhereExpected_data()
    {
        // Rising from behind a taskbar and resting above it, as above the screen's edge.
        addPanelRows({0, 44});
    }

    void placesBelowTheScreenAndRestsWhereExpected()
    {
        QFETCH(PanelLoader, load);
        QFETCH(int, taskbar);
        ScreenSizeChange change;
        change.resize(test_screen::kPixels, QMargins(0, 0, 0, taskbar));
        const Twips freeBottom = test_screen::freeBottomAbove(taskbar);

        SlideInPanel& panel = load(*m_registry);
        const Twips height = designedHeight(panel);
        QCOMPARE(panel.widthTwips(), kWidth);
        QCOMPARE(panel.heightTwips(), height);
        QCOMPARE(panel.leftTwips(), leftOn());
        QCOMPARE(panel.topTwips(), freeBottom);
        QCOMPARE(panel.height(), 0);

        QCOMPARE(riseUntilRest(panel), stepsToRest(height, freeBottom));
        QCOMPARE(panel.topTwips(), restingTop(height, freeBottom));
        QCOMPARE(panel.geometry(), restingWindow(height, freeBottom));
    }

    // Its window covers only what has risen above the bottom edge, so no window manager finds
    // it reaching off the screen; the first rows stand in a window of the least height, of
    // which only the lowest rows show.
    void windowCoversOnlyWhatHasRisen_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<int>("firstShownRow");
        const QRect atRest = restingWindow(kWelcomeHeight);
        // Rising, the window reaches from this row down to the screen's bottom.
        const auto rising = [&atRest](int top) {
            return QRect(atRest.left(), top, atRest.width(), test_screen::kPixels.height() - top);
        };
        QTest::newRow("one step") << 1 << rising(1050) << 27;
        QTest::newRow("eight steps") << 8 << rising(1050) << 3;
        QTest::newRow("nine steps") << 9 << rising(1050) << 0;
        QTest::newRow("twenty steps") << 20 << rising(1013) << 0;
        QTest::newRow("at rest") << stepsToRest(kWelcomeHeight) << atRest << 0;
    }

    void windowCoversOnlyWhatHasRisen()
    {
        QFETCH(int, steps);
        QFETCH(QRect, window);
        QFETCH(int, firstShownRow);
        SlideInPanel& panel = loadWelcome(*m_registry);
        panel.showModeless();
        QCOMPARE(tickPanel(panel, steps), steps);

        QCOMPARE(panel.geometry(), window);
        QCOMPARE(panel.mask(), firstShownRow == 0
                                   ? QRegion()
                                   : QRegion(0, firstShownRow, window.width(), 30 - firstShownRow));
        // Drawn from its top in the rows that show.
        QCOMPARE(panel.title->pos(), QPoint(0, firstShownRow));
        QVERIFY(panel.windowHandle()->isExposed());
    }

    void stopCheckIsStrict_data() { addPanelRows(); }

    void stopCheckIsStrict()
    {
        QFETCH(PanelLoader, load);
        SlideInPanel& panel = load(*m_registry);
        const Twips exactlyAtLimit =
            test_screen::kHeight - designedHeight(panel) - kRestAboveBottom;

        panel.setTopTwips(exactlyAtLimit);
        panel.stopTimer->tick();
        QVERIFY2(panel.riseTimer->isEnabled(), "a bottom edge exactly 300 twips up keeps rising");

        panel.riseTimer->tick();
        panel.stopTimer->tick();
        QVERIFY(!panel.riseTimer->isEnabled());
        QCOMPARE(panel.topTwips(), exactlyAtLimit - kRiseStep);
    }

    void risesOnItsOwnTimersAndThenSleeps_data()
    {
        placesBelowTheScreenAndRestsWhereExpected_data();
    }

    void risesOnItsOwnTimersAndThenSleeps()
    {
        QFETCH(PanelLoader, load);
        QFETCH(int, taskbar);
        ScreenSizeChange change;
        change.resize(test_screen::kPixels, QMargins(0, 0, 0, taskbar));
        SlideInPanel& panel = load(*m_registry);
        QVERIFY(panel.riseTimer->isRunning());
        QVERIFY(panel.stopTimer->isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!panel.riseTimer->isEnabled(), 20000);
        QCOMPARE(panel.topTwips(),
                 restingTop(designedHeight(panel), test_screen::freeBottomAbove(taskbar)));
        // Nothing can restart the rise, so nothing keeps waking the program.
        QVERIFY(!panel.riseTimer->isRunning());
        QVERIFY(!panel.stopTimer->isRunning());
    }

    void taskbarThatComesMovesARestingPanelAboveIt_data() { addPanelRows(); }

    void taskbarThatComesMovesARestingPanelAboveIt()
    {
        QFETCH(PanelLoader, load);
        SlideInPanel& panel = load(*m_registry);
        panel.showModeless();
        riseUntilRest(panel);
        const Twips height = designedHeight(panel);
        const Twips freeBottom = test_screen::freeBottomAbove(44);
        const QRect aboveTheTaskbar = restingWindow(height, freeBottom);

        ScreenSizeChange change;
        change.resize(test_screen::kPixels, QMargins(0, 0, 0, 44));
        QCOMPARE(panel.topTwips(), restingTop(height, freeBottom));
        QCOMPARE(panel.geometry(), aboveTheTaskbar);
        // Once it has gone, the panel still fits where it stands.
        change.resize(test_screen::kPixels);
        QCOMPARE(panel.geometry(), aboveTheTaskbar);
    }

    void showOfALoadedPanelChangesNothing_data() { addPanelRows(); }

    void showOfALoadedPanelChangesNothing()
    {
        QFETCH(PanelLoader, load);
        SlideInPanel& panel = load(*m_registry);
        panel.showModeless();
        panel.riseTimer->tick();
        panel.riseTimer->tick();
        const Twips risingTop = panel.topTwips();

        panel.showModeless();
        QCOMPARE(panel.topTwips(), risingTop);
        QVERIFY(panel.riseTimer->isEnabled());
        QCOMPARE(&load(*m_registry), &panel);
    }

    void hiddenPanelRisesUnseenToTheSamePlace()
    {
        forms::hide<WelcomePanel>();
        WelcomePanel* panel = m_registry->loadedForm<WelcomePanel>();
        QVERIFY(panel != nullptr);
        QVERIFY(!panel->isVisible());
        QCOMPARE(panel->topTwips(), test_screen::kHeight);
        QCOMPARE(riseUntilRest(*panel), stepsToRest(kWelcomeHeight));
        QCOMPARE(panel->topTwips(), kWelcomeRestingTop);
        QVERIFY(!panel->isVisible());
    }

    void captionWriteLoadsTheResultPanelHidden()
    {
        QVERIFY(m_registry->loadedForm<ResultPanel>() == nullptr);
        forms::form<ResultPanel>().skinTypeCaption->setCaption(QStringLiteral("written"));
        ResultPanel* panel = m_registry->loadedForm<ResultPanel>();
        QVERIFY(panel != nullptr);
        QVERIFY(!panel->isVisible());
        QCOMPARE(panel->topTwips(), test_screen::kHeight);
        QVERIFY(panel->riseTimer->isRunning());
    }

    void unloadThenShowRisesAnewFromTheDesign()
    {
        forms::show<ResultPanel>();
        ResultPanel& first = m_registry->form<ResultPanel>();
        first.pointsLine->setCaption(QStringLiteral("Your Point is 23"));
        riseUntilRest(first);
        first.closeButton->clicked();
        QVERIFY(m_registry->loadedForm<ResultPanel>() == nullptr);

        forms::show<ResultPanel>();
        ResultPanel& second = m_registry->form<ResultPanel>();
        QCOMPARE(second.topTwips(), test_screen::kHeight);
        QVERIFY(second.riseTimer->isEnabled());
        QCOMPARE(second.pointsLine->caption(), QStringLiteral("Your Point= "));
        QCOMPARE(second.skinTypeCaption->caption(), QStringLiteral("Skin Type is  "));
        QCOMPARE(second.adviceText->caption(), QStringLiteral("Advice"));
    }

    void doubleClickClosesOnlyOnTheFreeSurface_data()
    {
        QTest::addColumn<PanelLoader>("load");
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<bool>("closes");
        const auto welcome = PanelLoader(loadWelcome);
        const auto result = PanelLoader(loadResult);
        QTest::newRow("welcome left strip") << welcome << twipsPoint(60, 1200) << true;
        QTest::newRow("welcome right strip") << welcome << twipsPoint(2850, 1200) << true;
        QTest::newRow("welcome bottom strip") << welcome << twipsPoint(1400, 2400) << true;
        QTest::newRow("welcome gap under caption") << welcome << QPoint(96, 23) << true;
        QTest::newRow("welcome text") << welcome << twipsPoint(1400, 1200) << false;
        QTest::newRow("welcome caption bar") << welcome << twipsPoint(1400, 150) << false;
        QTest::newRow("result left strip") << result << twipsPoint(120, 3000) << true;
        QTest::newRow("result band over points") << result << twipsPoint(1400, 420) << true;
        QTest::newRow("result right of points") << result << twipsPoint(2730, 600) << true;
        QTest::newRow("result right of advice") << result << twipsPoint(2835, 3000) << true;
        QTest::newRow("result bottom strip") << result << twipsPoint(1400, 5010) << true;
        QTest::newRow("result frame") << result << QPoint(0, 200) << true;
        QTest::newRow("result points line") << result << twipsPoint(1400, 600) << false;
        QTest::newRow("result skin type") << result << twipsPoint(1400, 1000) << false;
        QTest::newRow("result advice") << result << twipsPoint(1400, 3000) << false;
        QTest::newRow("result caption bar") << result << twipsPoint(1400, 150) << false;
    }

    void doubleClickClosesOnlyOnTheFreeSurface()
    {
        QFETCH(PanelLoader, load);
        QFETCH(QPoint, where);
        QFETCH(bool, closes);
        SlideInPanel& panel = load(*m_registry);
        panel.showModeless();
        riseUntilRest(panel);
        const QPointer<SlideInPanel> watched(&panel);

        QTest::mouseDClick(panel.windowHandle(), Qt::LeftButton, {}, where);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(watched.isNull(), closes);
    }

    void closeLabelUnloadsOnlyItsPanel()
    {
        forms::show<WelcomePanel>();
        forms::show<ResultPanel>();
        WelcomePanel& welcome = m_registry->form<WelcomePanel>();
        riseUntilRest(welcome);
        QTest::mouseClick(welcome.windowHandle(), Qt::LeftButton, {}, twipsPoint(2715, 90));
        QVERIFY(m_registry->loadedForm<WelcomePanel>() == nullptr);
        QVERIFY(m_registry->loadedForm<ResultPanel>() != nullptr);
        QVERIFY(!m_registry->hasEnded());
    }
};

QTEST_MAIN(PanelsTest)
#include "tst_panels.moc"
