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
    place(twips, m_top, m_width, m_height);
}

void Control::setTop(float twips)
{
    place(m_left, twips, m_width, m_height);
}

void Control::setWidth(float twips)
{
    place(m_left, m_top, twips, m_height);
}

void Control::setHeight(float twips)
{
    place(m_left, m_top, m_width, twips);
}

void Control::setVisible(bool visible)
{
    m_widget->setVisible(visible);
}

void Control::place(float left, float top, float width, float height)
{
    const float was[4] = {m_left, m_top, m_width, m_height};
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    try {
        applyGeometry();
    } catch (...) {
        // What could not be applied is not stored either: the place and size read back as the
        // widget has them.
        m_left = was[0];
        m_top = was[1];
        m_width = was[2];
        m_height = was[3];
        throw;
    }
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
        // The widget keeps the size its contents have.
        m_widget->setGeometry(before);
        throw;
    }
}

} // namespace ui
