// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/control_design.h"

#include <QObject>
#include <QTimer>

namespace forms {

// Fires `timer` every `interval` milliseconds while enabled, visible form or not.
class Timer : public QObject
{
    Q_OBJECT

public:
    Timer(const TimerDesign& design, QObject* parent);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Whether the timer will still wake the program: enabled with a non-zero interval.
    bool isRunning() const { return m_clock.isActive(); }
    // One interval's worth of time, now: fires `timer` if the timer is running. Lets a
    // test drive time by hand, step by step, on a machine of any speed.
    void tick();

signals:
    void timer();

private:
    void restart();

    QTimer m_clock;
    const int m_interval;
    bool m_enabled;
};

} // namespace forms
