// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/twips.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
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

// The right and bottom edges of the screen's free area as the test platform reports them now:
// a test may resize the screen or reserve a taskbar.
inline forms::Twips freeRight()
{
    return twips(QGuiApplication::primaryScreen()->availableGeometry().right() + 1);
}

inline forms::Twips freeBottom()
{
    return twips(QGuiApplication::primaryScreen()->availableGeometry().bottom() + 1);
}

// A face as this screen draws a design's font: sized in pixels, at 96 dpi 4/3 of its points.
inline QFont font(const QString& family, int pixels, QFont::Weight weight = QFont::Normal)
{
    QFont drawn(family);
    drawn.setPixelSize(pixels);
    drawn.setWeight(weight);
    return drawn;
}

} // namespace test_screen
