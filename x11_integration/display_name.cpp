// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_integration/display_name.h"

#include <QGuiApplication>
// Last: Xlib's macros would clash with Qt's names.
#include <X11/Xlib.h>

namespace x11 {

QString displayName()
{
    if (const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        x11 != nullptr && x11->display() != nullptr) {
        return QString::fromLocal8Bit(DisplayString(x11->display()));
    }
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        return qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    }
    return QGuiApplication::platformName();
}

} // namespace x11
