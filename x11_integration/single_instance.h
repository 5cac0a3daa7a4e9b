// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

namespace x11 {

// One running program per user and display, as desktop programs have it: a second
// start asks the running one to come forward and ends. They meet on an abstract local
// socket named for the user and the display, so programs on other displays never meet,
// and nothing is left on disk however the program ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    SingleInstance();
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Whether another copy runs for this user and display; if so, it has been asked to
    // come forward and this one should end.
    bool handedOver() const { return m_handedOver; }

signals:
    // The user started the program again: the running one should come to the user.
    void laterStart();

private:
    bool askRunningInstance() const;
    // False when another start of this user's took the name first.
    bool listen();
    void answerLaterStart();

    QByteArray m_address;
    int m_listener = -1;
    QSocketNotifier* m_notifier = nullptr;
    bool m_handedOver = false;
};

} // namespace x11
