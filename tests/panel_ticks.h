// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms_runtime/timer.h"
#include "panels/slide_in_panel.h"

#include <QGuiApplication>
#include <QScreen>

// Drives a panel's timers by hand, in pairs as they normally come: the 1 ms check, then
// the 10 ms step; each fires only while its timer runs. Stops early once the rise has
// stopped and returns the number of steps taken.
inline int tickPanel(SlideInPanel& panel, int pairs)
{
    int steps = 0;
    for (int i = 0; i < pairs; ++i) {
        panel.Timer2->tick();
        if (!panel.Timer1->isRunning()) {
            break;
        }
        panel.Timer1->tick();
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

// The free area of the test screen, the part no taskbar covers, as the screen reports it.
inline QRect freeArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

inline forms::Twips freeRight()
{
    return forms::Twips::fromPixels(freeArea().x() + freeArea().width());
}

inline forms::Twips freeBottom()
{
    return forms::Twips::fromPixels(freeArea().y() + freeArea().height());
}

// How far the panel's bottom edge stands above the bottom of the screen's free area.
inline forms::Twips gapAboveBottom(const SlideInPanel& panel)
{
    return freeBottom() - (panel.Top() + panel.Height());
}

// Whether the whole panel can be seen on the screen as it is now.
inline bool standsWhollyOnScreen(const SlideInPanel& panel)
{
    const forms::Twips origin{0};
    return panel.Left() >= origin && panel.Top() >= origin &&
           panel.Left() + panel.Width() <= freeRight() && gapAboveBottom(panel) >= origin;
}
