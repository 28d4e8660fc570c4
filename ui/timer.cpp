#include "timer.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {
bool g_testClock = false;
std::vector<Timer *> g_timers; // those on the test clock
} // namespace

Timer::Timer(int intervalMs)
{
    m_timer.setInterval(intervalMs);
    if (g_testClock) {
        g_timers.push_back(this);
        return;
    }
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { timeout(); });
    m_timer.start();
}

Timer::~Timer()
{
    g_timers.erase(std::remove(g_timers.begin(), g_timers.end(), this), g_timers.end());
}

void Timer::timeout()
{
    if (!tick.isConnected())
        m_timer.stop();
    tick.raise();
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

void Timer::useTestClock()
{
    g_testClock = true;
}

void Timer::advanceTestClock(int ms)
{
    for (int t = 0; t < ms; ++t) {
        for (Timer *timer : std::vector<Timer *>(g_timers)) {
            if (timer->m_enabled && ++timer->m_elapsedMs == timer->interval()) {
                timer->m_elapsedMs = 0;
                timer->timeout();
            }
        }
    }
}

} // namespace ui
