// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/twips.h"

#include <QColor>
#include <span>
#include <string_view>

namespace forms {

inline constexpr int kNoIndex = -1;
inline constexpr int kBold = 700;
inline constexpr int kRegular = 400;

struct FontSpec
{
    std::string_view face; // a family name, or a face drawn with a substitute
    float points;
    int weight;
};

enum class Alignment { Left, Centre };

// A row names every property but those left at their designer's default, given here.
struct LabelDesign
{
    std::string_view name;
    int index = kNoIndex;
    std::string_view caption;
    Twips left, top, width, height;
    QColor backColor, foreColor;
    FontSpec font;
    Alignment alignment = Alignment::Left;
    int tabIndex;
    std::string_view toolTip = {};
};

struct ShapeDesign
{
    std::string_view name;
    Twips left, top, width, height;
    QColor borderColor;
    int borderPixels;
};

struct LineDesign
{
    std::string_view name;
    int index;
    Twips x1, y1, x2, y2;
    QColor colour;
    int widthPixels;
};

struct ListDesign
{
    std::string_view name;
    int index;
    Twips left, top, width, height;
    QColor backColor, foreColor;
    FontSpec font;
    int tabIndex;
    std::span<const std::string_view> entries; // any number; they must outlive the list
    std::string_view initialText;
};

struct TimerDesign
{
    std::string_view name;
    int interval; // milliseconds; 0 never fires
    bool enabled;
};

enum class WindowKind {
    Main,        // a normal top-level window with a taskbar button
    Notification // a window of the main window's that shows only what is on the screen, never
                 // takes the focus and has no taskbar button
};

enum class StartUpPosition { CenterScreen, WindowsDefault };

struct FormDesign
{
    std::string_view caption;
    Twips width, height;
    QColor backColor;
    WindowKind kind;
    StartUpPosition startUpPosition;
    std::string_view iconFolder = {}; // a resource folder of images; empty: no icon of its own
};

} // namespace forms
