// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace x11 {

// The display this program shows on: the X display Qt opened (a -display option may
// have chosen it over $DISPLAY), the Wayland display, or else the platform's name.
QString displayName();

} // namespace x11
