#pragma once

#include <QRect>
#include <QSize>

namespace forms {

// The whole primary screen, read anew on every call; no taskbar is taken off.
namespace Screen {
float width();
float height();
QSize sizeInPixels();
// The part of the screen that panels and docks leave free for windows.
QRect availablePixels();
} // namespace Screen

} // namespace forms
