#include "crosshair.h"

#include "accessibletree.h"

#include "ui/picturebox.h"
#include "ui/screen.h"

#include <QPainter>

namespace {

constexpr int kArm = 10; // pixels

// The pixels the crosshair covers at `at`.
QRect covered(const std::optional<QPointF> &at)
{
    if (!at)
        return QRect();
    const QPoint c = ui::Screen::mapping().toPixels(*at).toPoint();
    return QRect(c, c).adjusted(-kArm, -kArm, kArm, kArm);
}

} // namespace

Crosshair::Crosshair(ui::PictureBox &area)
{
    area.addOverlay(this);
    presentAsDecoration(this);
}

void Crosshair::setAt(std::optional<QPointF> twips)
{
    update(covered(m_at) | covered(twips));
    m_at = twips;
}

void Crosshair::paintEvent(QPaintEvent *)
{
    if (!m_at)
        return;
    const QPoint c = ui::Screen::mapping().toPixels(*m_at).toPoint();
    QPainter painter(this);
    painter.setPen(QPen(Qt::blue, 1));
    painter.drawLine(c.x() - kArm, c.y(), c.x() + kArm, c.y());
    painter.drawLine(c.x(), c.y() - kArm, c.x(), c.y() + kArm);
}
