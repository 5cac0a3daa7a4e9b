// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace forms {

// Gives the runtime's labels and forms their face towards assistive tools: the question
// labels name their lists, clickable labels can be pressed, the main window is a frame and
// the panels are notifications. Installing twice changes nothing.
void installAccessibleInterfaces();

} // namespace forms
