#include "control.h"

#include "screen.h"

#include <QColor>

namespace ui {

QColor toQColor(Colour colour)
{
    return QColor(int(colour & 0xff), int(colour >> 8 & 0xff), int(colour >> 16 & 0xff));
}

Control::Control(QWidget *widget) : m_widget(widget) { }

Control::~Control()
{
    delete m_widget.data();
}

void Control::setLeft(float twips)
{
    m_left = twips;
    applyGeometry();
}

void Control::setTop(float twips)
{
    m_top = twips;
    applyGeometry();
}

void Control::setWidth(float twips)
{
    m_width = twips;
    applyGeometry();
}

void Control::setHeight(float twips)
{
    m_height = twips;
    applyGeometry();
}

void Control::setVisible(bool visible)
{
    m_widget->setVisible(visible);
}

void Control::place(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void Control::setDesignFont(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    m_widget->setFont(font);
}

QRect Control::pixelRect() const
{
    return Screen::mapping().pixelRect(m_left, m_top, width(), height());
}

void Control::applyGeometry()
{
    const QRect r = pixelRect();
    const QRect before = m_widget->geometry();
    if (r == before)
        return;
    m_widget->setGeometry(r);
    try {
        geometryApplied();
    } catch (...) {
        // The widget keeps the size its contents have, and the next change of place or size
        // tries the new one again.
        m_widget->setGeometry(before);
        throw;
    }
}

} // namespace ui
