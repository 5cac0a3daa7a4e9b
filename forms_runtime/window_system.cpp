// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/window_system.h"

#include <QByteArray>
#include <QWidget>
#include <QWindow>

namespace forms {

namespace {
std::unique_ptr<WindowSystem>& installed()
{
    static std::unique_ptr<WindowSystem> windowSystem = std::make_unique<WindowSystem>();
    return windowSystem;
}
} // namespace

WindowSystem::~WindowSystem() = default;

WindowSystem& WindowSystem::current()
{
    return *installed();
}

void WindowSystem::install(std::unique_ptr<WindowSystem> windowSystem)
{
    installed() = std::move(windowSystem);
}

bool WindowSystem::startSystemMove(QWidget& window, QPoint)
{
    QWindow* handle = window.windowHandle();
    return handle != nullptr && handle->startSystemMove();
}

void WindowSystem::keepOutOfWindowLists(QWindow&) {}

void WindowSystem::closeWhenDestroyedElsewhere(QWidget&) {}

void WindowSystem::bringToUser(QWidget& window, const QByteArray&,
                               const QByteArray& activationToken)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    // Qt's Wayland platform activates the window with the token it finds there.
    if (!activationToken.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    }
    window.activateWindow();
}

// Qt offers no way to end the feedback; an unused activation token expires of itself.
void WindowSystem::endLaunchFeedback(const QByteArray&, const QByteArray&) {}

} // namespace forms
