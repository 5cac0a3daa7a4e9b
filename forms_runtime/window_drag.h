// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace forms {

class Form;

// Moves the form with the pointer until the mouse button is released.
void dragWindow(Form& form);

} // namespace forms
