#include "lightweight.h"

#include <QPainter>
#include <QVariant>

#include <vector>

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

void LightweightWidget::refreshOverlaps(QWidget *container)
{
    if (!container)
        return;
    std::vector<LightweightWidget *> widgets;
    for (QObject *child : container->children()) {
        if (auto *widget = dynamic_cast<LightweightWidget *>(child))
            widgets.push_back(widget);
    }
    const bool plain = container->property(kPlainBackground).isValid();
    for (LightweightWidget *widget : widgets) {
        bool alone = plain;
        for (const LightweightWidget *other : widgets) {
            if (other != widget && alone && other->geometry().intersects(widget->geometry()))
                alone = false;
        }
        widget->setAttribute(Qt::WA_OpaquePaintEvent, widget->isOpaque() || alone);
    }
}

void LightweightWidget::fillBeneath(QPainter &painter) const
{
    if (!isOpaque() && testAttribute(Qt::WA_OpaquePaintEvent))
        painter.fillRect(rect(), parentWidget()->property(kPlainBackground).value<QColor>());
}

} // namespace ui
