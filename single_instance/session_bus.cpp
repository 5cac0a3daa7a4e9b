// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "single_instance/session_bus.h"

#include <QByteArray>
#include <QtGlobal>
#include <sys/stat.h>

namespace single_instance {

namespace {

// Where libdbus looks when no address is given: the bus a systemd user session keeps.
bool runtimeFolderHoldsBus()
{
    const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
    struct stat bus = {};
    return !folder.isEmpty() && stat((folder + "/bus").constData(), &bus) == 0 &&
           S_ISSOCK(bus.st_mode);
}

} // namespace

void ruleOutAutolaunchedBus()
{
    // An address of no transport libdbus knows: every connection fails at once, quietly.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && !runtimeFolderHoldsBus()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
}

} // namespace single_instance
