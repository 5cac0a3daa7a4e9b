// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/screen_changes.h"

#include <QGuiApplication>
#include <QScreen>

namespace forms {

ScreenChanges::ScreenChanges(QObject* owner) : QObject(owner)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        emit changed();
    });
    // Told once the monitor has gone, not while it is still being taken away.
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenChanges::changed,
            Qt::QueuedConnection);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &ScreenChanges::changed);
}

void ScreenChanges::watch(QScreen* screen)
{
    connect(screen, &QScreen::geometryChanged, this, &ScreenChanges::changed);
    connect(screen, &QScreen::availableGeometryChanged, this, &ScreenChanges::changed);
}

} // namespace forms
