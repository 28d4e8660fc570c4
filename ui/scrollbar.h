#pragma once

#include "control.h"
#include "event.h"

class QScrollBar;

namespace ui {

// A vertical scroll bar: Min at the top end, Max at the bottom end. Change is raised after every
// change of Value, whether by the arrows, the track, the thumb or the keyboard.
class VScrollBar : public Control
{
public:
    VScrollBar(QWidget *container, qint16 min, qint16 max);

    qint16 value() const;
    void setValue(qint16 value);

    // Design time: the arrow step (SmallChange) and the page step (LargeChange).
    void setSteps(int smallChange, int largeChange);

    Event change;

private:
    QScrollBar *m_bar;
};

} // namespace ui
