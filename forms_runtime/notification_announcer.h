// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QObject>

class QWidget;

namespace forms {

// Makes a notification window speak up through assistive tools: when it shows (the
// toolkit announces that itself), when its texts change while it shows, and when
// assistive tools come up while it shows. The texts a handler writes are announced once,
// after the last of them, when control returns to the event loop.
class NotificationAnnouncer : public QObject, private QAccessible::ActivationObserver
{
public:
    explicit NotificationAnnouncer(QWidget* window);
    ~NotificationAnnouncer() override;
    NotificationAnnouncer(const NotificationAnnouncer&) = delete;
    NotificationAnnouncer& operator=(const NotificationAnnouncer&) = delete;

    void windowShown();
    void textsChanged();

private:
    void accessibilityActiveChanged(bool active) override;
    void announceOnceThisTurn();
    void holdThisTurn();
    QWidget* window() const;

    bool m_held = false;
};

} // namespace forms
