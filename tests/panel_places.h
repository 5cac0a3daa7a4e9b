// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "panels/result_panel.h"
#include "test_screen.h"

#include <QRect>

// Where the panels stand, worked out from their design rather than read from the program:
// 2895 twips wide, 100 in from the right edge of the screen's free area, placed just below
// its bottom edge and rising 50 twips a step until their own bottom edge stands more than 300
// twips above it.
namespace panel_places {

using forms::Twips;

constexpr Twips kWidth{2895};
constexpr Twips kWelcomeHeight{2505};
constexpr Twips kResultHeight{5175};
constexpr Twips kRightMargin{100};
constexpr Twips kRestAboveBottom{300};
constexpr Twips kRiseStep{50};

constexpr Twips rise(int steps)
{
    return Twips(kRiseStep.value() * static_cast<float>(steps));
}

constexpr Twips leftOn(Twips freeRight = test_screen::kWidth)
{
    return freeRight - kWidth - kRightMargin;
}

// The steps a panel rising from this Top takes before it rests: none if it already stands
// high enough, and one more where its bottom edge is exactly 300 twips up.
constexpr int stepsToRest(Twips height, Twips freeBottom, Twips from)
{
    const Twips stillToRise = from - (freeBottom - height - kRestAboveBottom);
    return stillToRise < Twips(0) ? 0
                                  : static_cast<int>(stillToRise.value() / kRiseStep.value()) + 1;
}

// Rising from where the panel is placed: just below the bottom edge.
constexpr int stepsToRest(Twips height, Twips freeBottom = test_screen::kHeight)
{
    return stepsToRest(height, freeBottom, freeBottom);
}

constexpr Twips restingTop(Twips height, Twips freeBottom, Twips from)
{
    return from - rise(stepsToRest(height, freeBottom, from));
}

constexpr Twips restingTop(Twips height, Twips freeBottom = test_screen::kHeight)
{
    return restingTop(height, freeBottom, freeBottom);
}

// The height a panel is designed with, told by its kind.
inline Twips designedHeight(const SlideInPanel& panel)
{
    return qobject_cast<const ResultPanel*>(&panel) != nullptr ? kResultHeight : kWelcomeHeight;
}

// How far the panel's bottom edge stands above the bottom of the screen's free area.
inline Twips gapAboveBottom(const SlideInPanel& panel)
{
    return test_screen::freeBottom() - (panel.topTwips() + designedHeight(panel));
}

// Whether the whole panel can be seen on the screen as it is now.
inline bool standsWhollyOnScreen(const SlideInPanel& panel)
{
    const Twips origin{0};
    return panel.leftTwips() >= origin && panel.topTwips() >= origin &&
           panel.leftTwips() + kWidth <= test_screen::freeRight() &&
           gapAboveBottom(panel) >= origin;
}

constexpr Twips kWelcomeRestingTop = restingTop(kWelcomeHeight);
constexpr Twips kResultRestingTop = restingTop(kResultHeight);
// The figures worked out by hand, so that the rule above cannot drift with the program's.
static_assert(stepsToRest(kWelcomeHeight) == 57 && kWelcomeRestingTop == Twips(13350));
static_assert(stepsToRest(kResultHeight) == 110 && kResultRestingTop == Twips(10700));

// The panel's window at rest on the test screen, in pixels.
constexpr QRect restingWindow(Twips height, Twips freeBottom = test_screen::kHeight)
{
    using test_screen::pixels;
    return QRect(pixels(leftOn()), pixels(restingTop(height, freeBottom)), pixels(kWidth),
                 pixels(height));
}

} // namespace panel_places
