// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>

namespace forms::pointer {

// Where the last mouse button went down on a form or a label, in screen pixels, the second
// press of a double click included. A window drag starts from there, so the window keeps its
// place under the pointer from the press on, on every platform.
void rememberPress(QPoint global);
QPoint lastPressPosition();

} // namespace forms::pointer
