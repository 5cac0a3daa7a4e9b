// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace single_instance {

// Where the session has no D-Bus session bus, libdbus would start a bus of its own at the
// first use (Qt's accessibility uses the bus at start), which outlives the program and
// writes into the home folder: this rules that out for the whole program, whose every use
// of the bus then fails at once. Call it before the application object exists.
void ruleOutAutolaunchedBus();

} // namespace single_instance
