// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panels/slide_in_panel.h"

#include "controls/label.h"
#include "controls/timer.h"
#include "forms_runtime/form_registry.h"
#include "forms_runtime/screen.h"
#include "forms_runtime/screen_changes.h"
#include "resources/look.h"

using namespace forms;
using namespace forms::twips_literals;

SlideInPanel::SlideInPanel(Twips height, std::string_view caption, int closeTabIndex)
    : Form({.caption = "Form2",
            .width = 2895_tw,
            .height = height,
            .backColor = velorin::colours::kBlack,
            .kind = WindowKind::Notification,
            .startUpPosition = StartUpPosition::WindowsDefault}),
      riseTimer(add({.name = "riseTimer", .interval = 10, .enabled = true})),
      stopTimer(add({.name = "stopTimer", .interval = 1, .enabled = true})),
      closeButton(add<Label>(velorin::closeLabel(2640_tw, closeTabIndex))),
      title(add<Label>({.name = "title",
                        .caption = caption,
                        .left = 0_tw,
                        .top = 0_tw,
                        .width = 2895_tw,
                        .height = 345_tw,
                        .backColor = velorin::colours::kAccent,
                        .foreColor = velorin::colours::kWhite,
                        .font = {"Tahoma", 12, kBold},
                        .alignment = Alignment::Centre,
                        .tabIndex = 0}))
{
    connect(riseTimer, &Timer::timer, this, &SlideInPanel::onRiseTimer);
    connect(stopTimer, &Timer::timer, this, &SlideInPanel::onStopCheckTimer);
    // The close label, or a double click where no label covers the panel.
    connect(closeButton, &Label::clicked, this, &SlideInPanel::closedByUser);
    connect(this, &Form::doubleClicked, this, &SlideInPanel::closedByUser);
    connect(new ScreenChanges(this), &ScreenChanges::changed, this, &SlideInPanel::screenChanged);
    nameAfter(title);
}

void SlideInPanel::load()
{
    placeBelowScreen();
}

void SlideInPanel::placeBelowScreen()
{
    // Just below the screen (behind the taskbar, where there is one), 100 twips in from its
    // right edge; Left before Top.
    m_monitor = owner() != nullptr ? Monitor::showing(*owner()) : Monitor::primary();
    showOnlyAbove(m_monitor.freeBottom());
    setLeftTwips(m_monitor.freeRight() - widthTwips() - kRightMargin);
    setTopTwips(m_monitor.freeBottom());
}

void SlideInPanel::onRiseTimer()
{
    // The check normally runs between any two steps; on a busy machine two due steps can
    // come back to back, so run it here too and the panel always rests at the same place.
    onStopCheckTimer();
    if (riseTimer->isEnabled()) {
        setTopTwips(topTwips() - kRiseStep);
    }
}

void SlideInPanel::onStopCheckTimer()
{
    if (hasRisenFarEnough(topTwips())) {
        riseTimer->setEnabled(false);
        // Nothing can start the rise again, so the check has nothing left to watch:
        // stopping it lets a resting panel cost no wake-ups at all.
        stopTimer->setEnabled(false);
    }
}

void SlideInPanel::closedByUser()
{
    unload(*this);
}

void SlideInPanel::screenChanged()
{
    // A smaller screen must not hide the panel for good: one that would not rest wholly on
    // the new screen is placed again as at load and rises from there, or, at rest, stands
    // at once where it would come to rest. One that fits is left alone, but shows down to
    // the screen's new bottom.
    if (m_monitor.isConnected() && restsWhollyOnScreen()) {
        showOnlyAbove(m_monitor.freeBottom());
        return;
    }
    const bool resting = !riseTimer->isEnabled();
    placeBelowScreen();
    if (resting) {
        setTopTwips(restingTopFrom(topTwips()));
    }
}

bool SlideInPanel::hasRisenFarEnough(Twips panelTop) const
{
    return m_monitor.freeBottom() - heightTwips() - kRestAboveBottom > panelTop;
}

Twips SlideInPanel::restingTopFrom(Twips risingTop) const
{
    // The rise as the timers run it: the stop check before every step.
    Twips panelTop = risingTop;
    while (!hasRisenFarEnough(panelTop)) {
        panelTop = panelTop - kRiseStep;
    }
    return panelTop;
}

bool SlideInPanel::restsWhollyOnScreen() const
{
    const Twips restingTop = riseTimer->isEnabled() ? restingTopFrom(topTwips()) : topTwips();
    return leftTwips() >= m_monitor.freeLeft() && restingTop >= m_monitor.freeTop() &&
           leftTwips() + widthTwips() <= m_monitor.freeRight() &&
           restingTop + heightTwips() <= m_monitor.freeBottom();
}
