#pragma once

#include "event.h"

#include <QTimer>

namespace ui {

// Raises Tick every Interval milliseconds while Enabled.
class Timer
{
public:
    explicit Timer(int intervalMs);

    bool enabled() const { return m_timer.isActive(); }
    void setEnabled(bool enabled);
    int interval() const { return m_timer.interval(); }

    Event tick;

private:
    QTimer m_timer;
};

} // namespace ui
