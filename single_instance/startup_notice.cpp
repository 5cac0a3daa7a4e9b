// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "single_instance/startup_notice.h"

#include <QString>

namespace single_instance {

namespace {

// The keys of org.freedesktop.Application's platform data.
const QString kStartupIdKey = QStringLiteral("desktop-startup-id");
const QString kActivationTokenKey = QStringLiteral("activation-token");

} // namespace

StartupNotice StartupNotice::fromEnvironment()
{
    return {qgetenv("DESKTOP_STARTUP_ID"), qgetenv("XDG_ACTIVATION_TOKEN")};
}

StartupNotice StartupNotice::fromPlatformData(const QVariantMap& platformData)
{
    return {platformData.value(kStartupIdKey).toString().toUtf8(),
            platformData.value(kActivationTokenKey).toString().toUtf8()};
}

QVariantMap StartupNotice::toPlatformData() const
{
    QVariantMap platformData;
    if (!startupId.isEmpty()) {
        platformData.insert(kStartupIdKey, QString::fromUtf8(startupId));
    }
    if (!activationToken.isEmpty()) {
        platformData.insert(kActivationTokenKey, QString::fromUtf8(activationToken));
    }
    return platformData;
}

} // namespace single_instance
