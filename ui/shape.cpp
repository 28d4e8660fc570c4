#include "shape.h"

#include <QPainter>

namespace ui {

namespace {

class ShapeWidget : public QWidget
{
public:
    ShapeWidget(QWidget *parent, Colour fill) : QWidget(parent), m_fill(toQColor(fill))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_fill);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QColor m_fill;
};

} // namespace

Shape::Shape(QWidget *container, Colour fill) : Control(new ShapeWidget(container, fill)) { }

} // namespace ui
