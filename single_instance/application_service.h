// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace single_instance {

// The freedesktop org.freedesktop.Application interface, as launchers call it for a desktop
// entry that says DBusActivatable=true, and as a later start of the program calls it. The
// program has neither files to open nor actions, so only Activate does anything.
class ApplicationService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    using QObject::QObject;

signals:
    // Someone asked the program to come forward.
    void activated(const QVariantMap& platformData);

    // The interface's methods, named as it names them.
public slots:
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& actionName, const QVariantList& parameter,
                        const QVariantMap& platformData);
};

} // namespace single_instance
