#include "forms_runtime/timer.h"

namespace forms {

Timer::Timer(const TimerDesign& design, QObject* parent)
    : QObject(parent), m_interval(design.interval), m_enabled(design.enabled)
{
    setObjectName(
        QString::fromLatin1(design.name.data(), static_cast<qsizetype>(design.name.size())));
    // Precise: a 10 ms step should come every 10 ms, not whenever convenient.
    m_clock.setTimerType(Qt::PreciseTimer);
    connect(&m_clock, &QTimer::timeout, this, &Timer::timer);
    restart();
}

void Timer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
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

void Timer::restart()
{
    if (m_enabled && m_interval > 0) {
        m_clock.start(m_interval);
    } else {
        m_clock.stop();
    }
}

} // namespace forms
