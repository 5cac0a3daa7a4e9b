// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QVariantMap>

namespace single_instance {

// What a launcher gives a start so that its feedback (a busy cursor, a spinning taskbar
// button) ends once the program shows itself: a startup id on X11, an activation token on
// Wayland. Either or both may be empty.
struct StartupNotice
{
    QByteArray startupId;
    QByteArray activationToken;

    // Read before the application object exists: Qt's X11 platform takes the startup id out
    // of the environment as it starts.
    static StartupNotice fromEnvironment();
    // As org.freedesktop.Application's methods carry it.
    static StartupNotice fromPlatformData(const QVariantMap& platformData);
    QVariantMap toPlatformData() const;
};

} // namespace single_instance
