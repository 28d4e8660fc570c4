#pragma once

#include "event.h"

#include <QTimer>

namespace ui {

// Raises Tick every Interval milliseconds while Enabled. A timer whose Tick has no handler
// ticks without effect, so it does not wake the program at all.
class Timer
{
public:
    explicit Timer(int intervalMs);
    ~Timer();
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    void setEnabled(bool enabled);
    int interval() const { return m_timer.interval(); }

    // Tests run every timer made afterwards on a clock of their own, which moves only when
    // advanced: each millisecond, every enabled timer whose interval has passed since its last
    // tick (or its start) ticks.
    static void useTestClock();
    static void advanceTestClock(int ms);

    Event tick;

private:
    void timeout();

    QTimer m_timer;
    bool m_enabled = true;
    int m_elapsedMs = 0; // on the test clock
};

} // namespace ui
