// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

namespace forms {

// Button state as handlers see it: 1 left, 2 right, 4 middle, added up.
inline int buttonState(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) +
           (buttons.testFlag(Qt::RightButton) ? 2 : 0) +
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

inline constexpr int kLeftButtonAlone = 1;

} // namespace forms
