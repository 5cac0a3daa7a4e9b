// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace x11 {

// Treats the window's destruction by another program (a tool that tidies windows, a
// crashed session helper) as a close by the window system, so the program does not run on
// without it. X11 only; elsewhere windows go only when the program lets them.
void closeWhenDestroyedElsewhere(QWidget& window);

} // namespace x11
