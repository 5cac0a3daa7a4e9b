// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/fonts.h"
#include "forms_runtime/form_registry.h"
#include "forms_runtime/label.h"
#include "forms_runtime/timer.h"
#include "panel_ticks.h"
#include "panels/result_panel.h"
#include "panels/welcome_panel.h"
#include "resources/look.h"
#include "twips_output.h"
#include "window_system.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

using PanelLoader = std::function<SlideInPanel&(forms::FormRegistry&)>;
Q_DECLARE_METATYPE(PanelLoader)

namespace {

SlideInPanel& loadWelcome(forms::FormRegistry& registry)
{
    return registry.form<WelcomePanel>();
}

SlideInPanel& loadResult(forms::FormRegistry& registry)
{
    return registry.form<ResultPanel>();
}

void addPanelRows()
{
    QTest::addColumn<PanelLoader>("load");
    QTest::newRow("welcome") << PanelLoader(loadWelcome);
    QTest::newRow("result") << PanelLoader(loadResult);
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
        window_system::ignorePlatformNotes();
    }
    void init() { m_registry = std::make_unique<forms::FormRegistry>(); }
    void cleanup() { m_registry.reset(); }

    void placesBelowTheScreenAndRestsWhereExpected_data()
    {
        QTest::addColumn<PanelLoader>("load");
        QTest::addColumn<int>("taskbar"); // pixels reserved along the bottom
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("steps");
        QTest::addColumn<float>("restingTop");
        QTest::newRow("welcome") << PanelLoader(loadWelcome) << 0 << 2505.0f << 57 << 13350.0f;
        QTest::newRow("result") << PanelLoader(loadResult) << 0 << 5175.0f << 110 << 10700.0f;
        // Rising from behind the taskbar and resting above it, as above the screen's edge.
        QTest::newRow("welcome, taskbar")
            << PanelLoader(loadWelcome) << 44 << 2505.0f << 57 << 12690.0f;
        QTest::newRow("result, taskbar")
            << PanelLoader(loadResult) << 44 << 5175.0f << 110 << 10040.0f;
    }

    void placesBelowTheScreenAndRestsWhereExpected()
    {
        QFETCH(PanelLoader, load);
        QFETCH(int, taskbar);
        QFETCH(float, height);
        QFETCH(int, steps);
        QFETCH(float, restingTop);
        ScreenSizeChange change;
        change.resize(QSize(1920, 1080), QMargins(0, 0, 0, taskbar));

        SlideInPanel& panel = load(*m_registry);
        QCOMPARE(panel.Width(), 2895_tw);
        QCOMPARE(panel.Height(), Twips(height));
        QCOMPARE(panel.Left(), 25805_tw);
        QCOMPARE(panel.Top(), Twips((1080 - taskbar) * 15.0f));
        QCOMPARE(panel.height(), 0);

        QCOMPARE(riseUntilRest(panel), steps);
        QCOMPARE(panel.Top(), Twips(restingTop));
        QCOMPARE(panel.geometry(), QRect(1720, qRound(restingTop / 15), 193, qRound(height / 15)));
    }

    // Its window covers only what has risen above the bottom edge, so no window manager finds
    // it reaching off the screen; the first rows stand in a window of the least height, of
    // which only the lowest rows show.
    void windowCoversOnlyWhatHasRisen_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<int>("firstShownRow");
        QTest::newRow("one step") << 1 << QRect(1720, 1050, 193, 30) << 27;
        QTest::newRow("eight steps") << 8 << QRect(1720, 1050, 193, 30) << 3;
        QTest::newRow("nine steps") << 9 << QRect(1720, 1050, 193, 30) << 0;
        QTest::newRow("twenty steps") << 20 << QRect(1720, 1013, 193, 67) << 0;
        QTest::newRow("at rest") << 57 << QRect(1720, 890, 193, 167) << 0;
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
                                   : QRegion(0, firstShownRow, 193, 30 - firstShownRow));
        // Drawn from its top in the rows that show.
        QCOMPARE(panel.title->pos(), QPoint(0, firstShownRow));
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
    }

    void stopCheckIsStrict_data() { addPanelRows(); }

    void stopCheckIsStrict()
    {
        QFETCH(PanelLoader, load);
        SlideInPanel& panel = load(*m_registry);
        const Twips exactlyAtLimit = 16200_tw - panel.Height() - 300_tw;

        panel.setTop(exactlyAtLimit);
        panel.stopTimer->tick();
        QVERIFY2(panel.riseTimer->isEnabled(), "a bottom edge exactly 300 twips up keeps rising");

        panel.riseTimer->tick();
        panel.stopTimer->tick();
        QVERIFY(!panel.riseTimer->isEnabled());
        QCOMPARE(panel.Top(), exactlyAtLimit - 50_tw);
    }

    void risesOnItsOwnTimersAndThenSleeps_data()
    {
        placesBelowTheScreenAndRestsWhereExpected_data();
    }

    void risesOnItsOwnTimersAndThenSleeps()
    {
        QFETCH(PanelLoader, load);
        QFETCH(int, taskbar);
        QFETCH(float, restingTop);
        ScreenSizeChange change;
        change.resize(QSize(1920, 1080), QMargins(0, 0, 0, taskbar));
        SlideInPanel& panel = load(*m_registry);
        QVERIFY(panel.riseTimer->isRunning());
        QVERIFY(panel.stopTimer->isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!panel.riseTimer->isEnabled(), 20000);
        QCOMPARE(panel.Top(), Twips(restingTop));
        // Nothing can restart the rise, so nothing keeps waking the program.
        QVERIFY(!panel.riseTimer->isRunning());
        QVERIFY(!panel.stopTimer->isRunning());
    }

    void taskbarThatComesMovesARestingPanelAboveIt_data()
    {
        QTest::addColumn<PanelLoader>("load");
        QTest::addColumn<float>("restingTop");
        QTest::newRow("welcome") << PanelLoader(loadWelcome) << 12690.0f;
        QTest::newRow("result") << PanelLoader(loadResult) << 10040.0f;
    }

    void taskbarThatComesMovesARestingPanelAboveIt()
    {
        QFETCH(PanelLoader, load);
        QFETCH(float, restingTop);
        SlideInPanel& panel = load(*m_registry);
        panel.showModeless();
        riseUntilRest(panel);
        const QRect aboveTheTaskbar(QPoint(1720, qRound(restingTop / 15)), panel.size());

        ScreenSizeChange change;
        change.resize(QSize(1920, 1080), QMargins(0, 0, 0, 44));
        QCOMPARE(panel.Top(), Twips(restingTop));
        QCOMPARE(panel.geometry(), aboveTheTaskbar);
        // Once it has gone, the panel still fits where it stands.
        change.resize(QSize(1920, 1080));
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
        const Twips risingTop = panel.Top();

        panel.showModeless();
        QCOMPARE(panel.Top(), risingTop);
        QVERIFY(panel.riseTimer->isEnabled());
        QCOMPARE(&load(*m_registry), &panel);
    }

    void hiddenPanelRisesUnseenToTheSamePlace()
    {
        forms::hide<WelcomePanel>();
        WelcomePanel* panel = m_registry->loadedForm<WelcomePanel>();
        QVERIFY(panel != nullptr);
        QVERIFY(!panel->isVisible());
        QCOMPARE(panel->Top(), 16200_tw);
        QCOMPARE(riseUntilRest(*panel), 57);
        QCOMPARE(panel->Top(), 13350_tw);
        QVERIFY(!panel->isVisible());
    }

    void captionWriteLoadsTheResultPanelHidden()
    {
        QVERIFY(m_registry->loadedForm<ResultPanel>() == nullptr);
        forms::form<ResultPanel>().skinTypeCaption->setCaption(QStringLiteral("written"));
        ResultPanel* panel = m_registry->loadedForm<ResultPanel>();
        QVERIFY(panel != nullptr);
        QVERIFY(!panel->isVisible());
        QCOMPARE(panel->Top(), 16200_tw);
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
        QCOMPARE(second.Top(), 16200_tw);
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
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
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
        QVERIFY(QTest::qWaitForWindowExposed(&welcome));
        QTest::mouseClick(welcome.windowHandle(), Qt::LeftButton, {}, twipsPoint(2715, 90));
        QVERIFY(m_registry->loadedForm<WelcomePanel>() == nullptr);
        QVERIFY(m_registry->loadedForm<ResultPanel>() != nullptr);
        QVERIFY(!m_registry->hasEnded());
    }
};

QTEST_MAIN(PanelsTest)
#include "tst_panels.moc"
