#pragma once

#include <QString>

namespace forms {

// The display this program shows on: the X display Qt opened (a -display option may
// have chosen it over $DISPLAY), the Wayland display, or else the platform's name.
QString displayName();

} // namespace forms
