// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/timer.h"
#include "panels/slide_in_panel.h"

// Drives a panel's timers by hand, in pairs as they normally come: the 1 ms check, then
// the 10 ms step; each fires only while its timer runs. Stops early once the rise has
// stopped and returns the number of steps taken.
inline int tickPanel(SlideInPanel& panel, int pairs)
{
    int steps = 0;
    for (int i = 0; i < pairs; ++i) {
        panel.stopTimer->tick();
        if (!panel.riseTimer->isRunning()) {
            break;
        }
        panel.riseTimer->tick();
        ++steps;
    }
    return steps;
}

// Ticks until the panel comes to rest; a stuck rise fails the test instead of hanging it.
inline int riseUntilRest(SlideInPanel& panel)
{
    constexpr int kMostSteps = 2000;
    return tickPanel(panel, kMostSteps);
}
