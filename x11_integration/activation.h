// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

class QWidget;

namespace x11 {

// Brings the window to the user, as a taskbar does when its button is clicked: back from
// the taskbar, onto the screen the user looks at (the window manager switches to the
// window's workspace or brings the window over) and active. For a start a launcher marked
// with a startup id, at the time of the user's action, ending the launcher's feedback.
void bringToUser(QWidget& window, const QByteArray& startupId);

} // namespace x11
