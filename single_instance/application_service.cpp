// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "single_instance/application_service.h"

#include <QDBusError>

namespace single_instance {

void ApplicationService::Activate(const QVariantMap& platformData)
{
    emit activated(platformData);
}

void ApplicationService::Open(const QStringList&, const QVariantMap&)
{
    sendErrorReply(QDBusError::NotSupported, QStringLiteral("Velorin opens no files"));
}

void ApplicationService::ActivateAction(const QString& actionName, const QVariantList&,
                                        const QVariantMap&)
{
    sendErrorReply(QDBusError::InvalidArgs,
                   QStringLiteral("Velorin has no action '%1'").arg(actionName));
}

} // namespace single_instance
