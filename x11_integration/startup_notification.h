// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <cstdint>

namespace x11 {

// The part of the freedesktop startup notification protocol that a program which shows
// itself speaks, for a start a launcher marked with a startup id.

// Ends the launcher's feedback for that start (its busy cursor, its taskbar button).
void endStartupNotification(const QByteArray& startupId);

// The X server's time of the user's action that made the launcher start the program, which
// the id carries after "_TIME"; XCB_CURRENT_TIME (0) when it carries none.
uint32_t timeOfLaunch(const QByteArray& startupId);

} // namespace x11
