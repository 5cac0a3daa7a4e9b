// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPoint;
class QWidget;

namespace x11 {

// Asks the window manager to move the window with the pointer until the button goes up,
// from where the button went down, so the window keeps its place under the pointer. Only
// through XWayland, whose compositor places the windows: the program's own moves arrive
// late or not at all there. On X11 proper the program's own moves are exact and no window
// manager's edge snapping gets in the way, so this returns false and leaves the move to
// the program, as it does where the window manager offers no such move.
bool moveByWindowManager(QWidget& window, QPoint pressedAt);

} // namespace x11
