// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/window_system.h"

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

} // namespace forms
