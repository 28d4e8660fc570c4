#include "shape.h"

#include "lightweight.h"

#include <QPainter>

namespace ui {

namespace {

class ShapeWidget : public LightweightWidget
{
public:
    ShapeWidget(QWidget *parent, Colour fill)
        : LightweightWidget(parent), m_fill(toQColor(fill)) { }

    bool isOpaque() const override { return true; }

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

void Shape::geometryApplied()
{
    static_cast<LightweightWidget *>(widget())->placed();
}

} // namespace ui
