// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/timer.h"

#include "controls/text.h"

namespace forms {

Timer::Timer(const TimerDesign& design, QObject* parent)
    : QObject(parent), m_interval(design.interval), m_enabled(design.enabled)
{
    setObjectName(toQString(design.name));
    // Precise: a 10 ms step should come every 10 ms, not whenever convenient.
    m_clock.setTimerType(Qt::PreciseTimer);
    connect(&m_clock, &QTimer::timeout, this, &Timer::timer);
    restart();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    restart();
}

void Timer::tick()
{
    if (isRunning()) {
        emit timer();
    }
}

void Timer::restart()
{
    if (m_enabled && m_interval > 0) {
        m_clock.start(m_interval);
    } else {
        m_clock.stop();
    }
}

} // namespace forms
