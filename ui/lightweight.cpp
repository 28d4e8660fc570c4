#include "lightweight.h"

#include <QPainter>
#include <QVariant>

namespace ui {

namespace {
const char *const kPlainBackground = "plainBackground";
}

LightweightWidget::LightweightWidget(QWidget *container) : QWidget(container)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LightweightWidget::setPlainBackground(QWidget *container, const QColor &colour)
{
    container->setProperty(kPlainBackground, colour);
    // An update of the container leaves out the children that paint opaquely; those that paint
    // its colour must be told.
    for (QObject *child : container->children()) {
        auto *widget = dynamic_cast<LightweightWidget *>(child);
        if (widget && !widget->isOpaque() && widget->testAttribute(Qt::WA_OpaquePaintEvent))
            widget->update();
    }
}

template<typename Visit> void LightweightWidget::forEachSibling(Visit visit) const
{
    for (QObject *child : parentWidget()->children()) {
        auto *widget = dynamic_cast<LightweightWidget *>(child);
        if (widget && widget != this)
            visit(widget);
    }
}

void LightweightWidget::decideOpacity()
{
    bool alone = parentWidget()->property(kPlainBackground).isValid();
    forEachSibling([&](const LightweightWidget *other) {
        alone = alone && !other->geometry().intersects(geometry());
    });
    setAttribute(Qt::WA_OpaquePaintEvent, isOpaque() || alone);
}

void LightweightWidget::placed()
{
    // Only the widgets this one left or reached can have changed: the title slides every tick.
    const QRect before = m_placed;
    m_placed = geometry();
    decideOpacity();
    forEachSibling([&](LightweightWidget *other) {
        if (other->geometry().intersects(before) || other->geometry().intersects(m_placed))
            other->decideOpacity();
    });
}

void LightweightWidget::fillBeneath(QPainter &painter) const
{
    if (!isOpaque() && testAttribute(Qt::WA_OpaquePaintEvent))
        painter.fillRect(rect(), parentWidget()->property(kPlainBackground).value<QColor>());
}

} // namespace ui
