#include "surface.h"

#include "event.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace ui {

Surface::Surface(const QImage &drawing, const Event &dblClick, QWidget *container)
    : QWidget(container), m_drawing(drawing), m_dblClick(dblClick)
{
    // Deliberately not WA_OpaquePaintEvent, although the image covers every pixel: Qt paints a
    // moved opaque widget on its own, without the siblings stacked above it, so the range bar
    // placed over the box's edge at activation was painted over at the first paint on larger
    // screens.
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::StrongFocus);
}

void Surface::addOverlay(QWidget *overlay)
{
    overlay->setParent(this);
    overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    overlay->setGeometry(rect());
    overlay->lower();
    overlay->show();
    m_overlays.append(overlay);
}

void Surface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPointF(0, 0), m_drawing);
}

void Surface::resizeEvent(QResizeEvent *)
{
    for (QWidget *overlay : std::as_const(m_overlays)) {
        if (overlay)
            overlay->setGeometry(rect());
    }
}

void Surface::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !onControl(event->position().toPoint()))
        m_dblClick.raise();
}

// Controls lying over the box let the mouse through to it, but a double-click on one of them is
// meant for that control, not for the box.
bool Surface::onControl(QPoint point) const
{
    const auto children = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.begin(), children.end(), [&](QWidget *child) {
        return child->isVisible() && child->geometry().contains(point)
                && !m_overlays.contains(child);
    });
}

} // namespace ui
