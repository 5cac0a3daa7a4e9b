// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms_runtime/window_system.h"

// The forms on an X11 desktop: what the window manager does for them comes from the X11
// integration. Installed only where Qt talks to an X server.
class X11WindowSystem : public forms::WindowSystem
{
public:
    bool startSystemMove(QWidget& window, QPoint pressedAt) override;
    void keepOutOfWindowLists(QWindow& window) override;
    void closeWhenDestroyedElsewhere(QWidget& window) override;
    void bringToUser(QWidget& window, const QByteArray& startupId,
                     const QByteArray& activationToken) override;
    void endLaunchFeedback(const QByteArray& startupId, const QByteArray& activationToken) override;
};
