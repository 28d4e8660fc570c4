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

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_timer.interval(); }

    Event tick;

private:
    QTimer m_timer;
    bool m_enabled = true;
};

} // namespace ui
