// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_window_system.h"

#include "x11_integration/activation.h"
#include "x11_integration/closed_elsewhere.h"
#include "x11_integration/startup_notification.h"
#include "x11_integration/window_lists.h"
#include "x11_integration/window_manager_move.h"

#include <QByteArray>
#include <QPoint>

namespace {

// Through XWayland an activation token stands for a startup id: GNOME's shell keeps both in
// one register, and X11 has no other way to tell it.
const QByteArray& launchId(const QByteArray& startupId, const QByteArray& activationToken)
{
    return startupId.isEmpty() ? activationToken : startupId;
}

} // namespace

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

void X11WindowSystem::bringToUser(QWidget& window, const QByteArray& startupId,
                                  const QByteArray& activationToken)
{
    x11::bringToUser(window, launchId(startupId, activationToken));
}

void X11WindowSystem::endLaunchFeedback(const QByteArray& startupId,
                                        const QByteArray& activationToken)
{
    if (const QByteArray& id = launchId(startupId, activationToken); !id.isEmpty()) {
        x11::endStartupNotification(id);
    }
}
