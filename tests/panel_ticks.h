#pragma once

#include "forms_runtime/timer.h"
#include "panels/slide_in_panel.h"

// Drives a panel's timers by hand: one tick of each, the check between the steps, as the
// 1 ms check normally runs. Returns the number of steps taken until the rise stopped.
inline int riseUntilRest(SlideInPanel& panel)
{
    constexpr int kMostSteps = 2000; // a stuck rise fails the test instead of hanging it
    int steps = 0;
    panel.Timer2_Timer();
    while (panel.Timer1->isEnabled() && steps < kMostSteps) {
        panel.Timer1_Timer();
        ++steps;
        panel.Timer2_Timer();
    }
    return steps;
}
