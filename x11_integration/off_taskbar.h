// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWindow;

namespace x11 {

// Keeps the window off the taskbar and the pager, as a window that belongs to another
// needs no button of its own. Window managers drop the request whenever they withdraw the
// window, so it is made again before every map. X11 only; elsewhere it does nothing.
void keepOffTaskbarAndPager(QWindow& window);

} // namespace x11
