#include "mark.h"

#include "accessibletree.h"

#include "ui/picturebox.h"
#include "ui/screen.h"

#include <QPainter>

namespace {

constexpr int kArm = 10; // pixels: the cross's arms, the ring's radius and pen

// The pixels a mark covers at `at`.
QRect covered(const std::optional<QPointF> &at)
{
    if (!at)
        return QRect();
    const QPoint c = ui::Screen::mapping().toPixels(*at).toPoint();
    return QRect(c, c).adjusted(-kArm - 2, -kArm - 2, kArm + 2, kArm + 2);
}

} // namespace

AreaMark::AreaMark(ui::PictureBox &area, Look look) : m_look(look)
{
    area.addOverlay(this);
    presentAsDecoration(this);
}

void AreaMark::setAt(std::optional<QPointF> twips)
{
    update(covered(m_at) | covered(twips));
    m_at = twips;
}

void AreaMark::paintEvent(QPaintEvent *)
{
    if (!m_at)
        return;
    const QPoint c = ui::Screen::mapping().toPixels(*m_at).toPoint();
    QPainter painter(this);
    if (m_look == Look::Cross) {
        painter.setPen(QPen(Qt::blue, 1));
        painter.drawLine(c.x() - kArm, c.y(), c.x() + kArm, c.y());
        painter.drawLine(c.x(), c.y() - kArm, c.x(), c.y() + kArm);
        return;
    }
    // Around the dot, not over it: the dot stays to be seen in the ring.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::blue, 2));
    painter.drawEllipse(QPointF(c), kArm - 2, kArm - 2);
}
