// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_runtime/notification_announcer.h"

#include <QWidget>

namespace forms {

NotificationAnnouncer::NotificationAnnouncer(QWidget* window) : QObject(window)
{
    QAccessible::installActivationObserver(this);
}

NotificationAnnouncer::~NotificationAnnouncer()
{
    QAccessible::removeActivationObserver(this);
}

QWidget* NotificationAnnouncer::window() const
{
    return static_cast<QWidget*>(parent());
}

void NotificationAnnouncer::windowShown()
{
    // Showing is announced already, with every text written in the same turn.
    holdThisTurn();
}

void NotificationAnnouncer::textsChanged()
{
    announceOnceThisTurn();
}

void NotificationAnnouncer::accessibilityActiveChanged(bool active)
{
    // A window shown before the tools were listening, as at start-up, went unheard, even
    // when they came up in the very turn it showed.
    if (active) {
        m_held = false;
        announceOnceThisTurn();
    }
}

void NotificationAnnouncer::announceOnceThisTurn()
{
    if (!window()->isVisible() || m_held) {
        return;
    }
    holdThisTurn();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (window()->isVisible()) {
                QAccessibleEvent shownAnew(window(), QAccessible::ObjectShow);
                QAccessible::updateAccessibility(&shownAnew);
            }
        },
        Qt::QueuedConnection);
}

void NotificationAnnouncer::holdThisTurn()
{
    if (m_held) {
        return;
    }
    m_held = true;
    QMetaObject::invokeMethod(
        this, [this] { m_held = false; }, Qt::QueuedConnection);
}

} // namespace forms
