#include "timer.h"

namespace ui {

Timer::Timer(int intervalMs)
{
    m_timer.setInterval(intervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
        if (!tick.isConnected())
            m_timer.stop();
        tick.raise();
    });
    m_timer.start();
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

} // namespace ui
