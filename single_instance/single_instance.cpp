// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "single_instance/single_instance.h"

#include "single_instance/application_service.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace single_instance {

namespace {

// A running program answers from its event loop, which a busy machine may hold for a moment;
// a program stopped in a debugger or swapped out never answers, and a launcher's busy cursor
// should not spin for long.
constexpr int kAnswerMilliseconds = 2500;

// Another start may take the name between our attempt and the owner's exit: a few rounds.
constexpr int kMostAttempts = 3;

const QString kInterface = QStringLiteral("org.freedesktop.Application");

// org.example.Velorin is served at /org/example/Velorin.
QString objectPathOf(QString applicationId)
{
    return QLatin1Char('/') + applicationId.replace(QLatin1Char('.'), QLatin1Char('/'));
}

} // namespace

SingleInstance::SingleInstance(const QString& applicationId)
    : m_name(applicationId), m_path(objectPathOf(applicationId)),
      m_service(new ApplicationService(this))
{
    connect(m_service, &ApplicationService::activated, this, [this](const QVariantMap& data) {
        emit activationRequested(StartupNotice::fromPlatformData(data));
    });
}

SingleInstance::Start SingleInstance::claim(const StartupNotice& notice)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The service is there before the name: a later start may call the moment it is taken.
    if (!bus.isConnected() ||
        !bus.registerObject(m_path, kInterface, m_service, QDBusConnection::ExportAllSlots)) {
        return Start::WithoutBus;
    }
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> owned =
            bus.interface()->registerService(m_name, QDBusConnectionInterface::DontQueueService,
                                             QDBusConnectionInterface::DontAllowReplacement);
        if (!owned.isValid()) {
            break;
        }
        if (owned.value() == QDBusConnectionInterface::ServiceRegistered) {
            return Start::First;
        }
        switch (askOwnerToActivate(notice)) {
        case Answer::Answered:
            return Start::HandedOver;
        case Answer::NotAnswered:
            return Start::NotAnswered;
        case Answer::OwnerGone:
            continue;
        }
    }
    bus.unregisterObject(m_path);
    return Start::WithoutBus;
}

SingleInstance::Answer SingleInstance::askOwnerToActivate(const StartupNotice& notice) const
{
    QDBusMessage activate =
        QDBusMessage::createMethodCall(m_name, m_path, kInterface, QStringLiteral("Activate"));
    activate << notice.toPlatformData();
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusMessage reply = bus.call(activate, QDBus::Block, kAnswerMilliseconds);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        return Answer::Answered;
    }
    // The owner may have ended meanwhile; then the name is free to take.
    return bus.interface()->isServiceRegistered(m_name).value() ? Answer::NotAnswered
                                                                : Answer::OwnerGone;
}

} // namespace single_instance
