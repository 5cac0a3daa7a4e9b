#pragma once

#include "forms_runtime/twips.h"

#include <QRect>
#include <QSize>

namespace forms {

// The whole primary screen, read anew on every call; no taskbar is taken off.
namespace Screen {
Twips width();
Twips height();
QSize sizeInPixels();
// The part of the screen that panels and docks leave free for windows.
QRect availablePixels();
} // namespace Screen

} // namespace forms
