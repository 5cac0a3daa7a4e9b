// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms_runtime/form.h"
#include "forms_runtime/screen.h"

#include <string_view>

namespace forms {
class Label;
class Timer;
} // namespace forms

// A small borderless panel that places itself just below the bottom-right corner of the
// screen when loaded, rises 50 twips every 10 ms until its bottom edge stands more than
// 300 twips above the screen's bottom, and rests there until the user closes it. When
// the screen changes so that it would not stand wholly on it, it is placed again.
// "The screen" is the free area, above any taskbar, of the monitor that shows most of the
// window the panel belongs to.
class SlideInPanel : public forms::Form
{
    Q_OBJECT

public:
    static constexpr forms::Twips kRightMargin{100};
    static constexpr forms::Twips kRiseStep{50};
    static constexpr forms::Twips kRestAboveBottom{300};

    forms::Timer* const riseTimer;
    // Not a timer that stops others: the stop check, which runs before each rise step and
    // ends the rise, and itself, once the panel may rest.
    forms::Timer* const stopTimer;
    // The caption bar and close label that both panels carry, identical but for the texts,
    // in front of the panel's own controls.
    forms::Label* const closeButton;
    forms::Label* const title;

protected:
    // Both panels are black, 2895 twips wide and titled "Form2"; they differ in height, in
    // the caption bar's text and in the close label's tab index.
    SlideInPanel(forms::Twips height, std::string_view caption, int closeTabIndex);

    void load() override;

private slots:
    void onRiseTimer();
    void onStopCheckTimer();
    void closedByUser();
    void screenChanged();

private:
    void placeBelowScreen();
    // The stop check: whether a panel at this Top stands high enough on the current screen.
    bool hasRisenFarEnough(forms::Twips panelTop) const;
    // Where a panel whose Top is given comes to rest, the check running before each step.
    forms::Twips restingTopFrom(forms::Twips risingTop) const;
    bool restsWhollyOnScreen() const;

    forms::Monitor m_monitor = forms::Monitor::primary();
};
