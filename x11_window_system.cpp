// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_window_system.h"

#include "x11_integration/closed_elsewhere.h"
#include "x11_integration/window_lists.h"
#include "x11_integration/window_manager_move.h"

#include <QPoint>

bool X11WindowSystem::startSystemMove(QWidget& window, QPoint pressedAt)
{
    return x11::moveByWindowManager(window, pressedAt);
}

void X11WindowSystem::keepOutOfWindowLists(QWindow& window)
{
    x11::keepOutOfWindowLists(window);
}

void X11WindowSystem::closeWhenDestroyedElsewhere(QWidget& window)
{
    x11::closeWhenDestroyedElsewhere(window);
}
