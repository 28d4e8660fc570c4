#include "scrollbar.h"

#include <QScrollBar>

namespace ui {

VScrollBar::VScrollBar(QWidget *container, qint16 min, qint16 max)
    : Control(new QScrollBar(Qt::Vertical, container))
{
    m_bar = static_cast<QScrollBar *>(widget());
    m_bar->setRange(min, max);
    m_bar->setValue(0);
    m_bar->setCursor(Qt::UpArrowCursor);
    m_bar->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(m_bar, &QScrollBar::valueChanged, m_bar, [this](int) { change.raise(); });
}

qint16 VScrollBar::value() const
{
    return qint16(m_bar->value());
}

void VScrollBar::setValue(qint16 value)
{
    m_bar->setValue(value);
}

void VScrollBar::setSteps(int smallChange, int largeChange)
{
    m_bar->setSingleStep(smallChange);
    m_bar->setPageStep(largeChange);
}

} // namespace ui
