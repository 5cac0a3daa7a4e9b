// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWindow;

namespace x11 {

// Keeps the window out of the desktop's lists of windows: the taskbar, the pager and the
// window switchers (Alt+Tab), as a window that belongs to another needs no entry of its
// own. Window managers drop the request whenever they withdraw the window, so it is made
// again before every map. X11 only; elsewhere it does nothing.
void keepOutOfWindowLists(QWindow& window);

} // namespace x11
