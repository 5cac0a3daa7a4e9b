// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/twips.h"

#include <QSize>
#include <QtGlobal>

// The screen every offscreen suite runs on, as offscreen-1920x1080.json sets it up:
// 1920 x 1080 pixels at 96 dpi, so 1440 / 96 = 15 twips a pixel.
namespace test_screen {

constexpr QSize kPixels(1920, 1080);
constexpr float kTwipsPerPixel = 1440.0f / 96;

constexpr forms::Twips twips(int pixels)
{
    return forms::Twips(static_cast<float>(pixels) * kTwipsPerPixel);
}

// Where a window placed at these twips lands: on the nearest pixel.
constexpr int pixels(forms::Twips twips)
{
    return qRound(twips.value() / kTwipsPerPixel);
}

constexpr forms::Twips kWidth = twips(kPixels.width());
constexpr forms::Twips kHeight = twips(kPixels.height());

// The bottom of the screen's free area above a taskbar of this many pixels.
constexpr forms::Twips freeBottomAbove(int taskbar)
{
    return kHeight - twips(taskbar);
}

} // namespace test_screen
