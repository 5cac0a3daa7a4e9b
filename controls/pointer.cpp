// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/pointer.h"

namespace forms::pointer {

namespace {
QPoint pressPosition;
} // namespace

void rememberPress(QPoint global)
{
    pressPosition = global;
}

QPoint lastPressPosition()
{
    return pressPosition;
}

} // namespace forms::pointer
