// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "single_instance/startup_notice.h"

#include <QObject>
#include <QString>

namespace single_instance {

class ApplicationService;

// One running program per user session: the first start owns the application's name on the
// session bus, which only the user's own programs can reach; a later start asks the owner to
// come forward and ends. Nothing is written anywhere, and the name goes with the program
// however it ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Start {
        First,       // the name is this program's: it opens its window
        HandedOver,  // the running program came forward: this start ends
        NotAnswered, // the running program did not answer in time: this start ends
        WithoutBus,  // no session bus to meet on: every start opens a window of its own
    };

    // The application's id, the name of its desktop entry: org.example.Velorin.
    explicit SingleInstance(const QString& applicationId);

    // Takes the application's name, or asks the program that has it to come forward with
    // this start's notice, waiting a few seconds at the most.
    Start claim(const StartupNotice& notice);

signals:
    // A launcher or a later start asked the program to come forward.
    void activationRequested(const single_instance::StartupNotice& notice);

private:
    enum class Answer { Answered, NotAnswered, OwnerGone };
    Answer askOwnerToActivate(const StartupNotice& notice) const;

    const QString m_name;
    const QString m_path;
    ApplicationService* m_service;
};

} // namespace single_instance
