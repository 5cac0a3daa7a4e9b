#pragma once

#include <QSize>

namespace forms {

// The whole primary screen, read anew on every call; no taskbar is taken off.
namespace Screen {
float width();
float height();
QSize sizeInPixels();
} // namespace Screen

} // namespace forms
