// How the drawing record takes the surface's operations: lines and circles as they come, dots
// joined into runs that keep only the vertices their shape needs, or kept as separate dots.
#include "drawingrecord.h"

#include "ui/raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// How far, in pixels, a run's straight pieces may cut across the dots it stands for.
constexpr double kTolerance = 1.0 / 100;
// How deep, in pixels, the notch between two neighbouring dots may be for a run to join them.
constexpr double kNotch = 1.0 / 20;

// The furthest apart two dots of a pen `width` pixels wide may lie for a run to join them: the
// stroke between them fills no more than kNotch beyond the two round dots.
double joinGap(int width)
{
    const double r = width / 2.0;
    return 2 * std::sqrt(r * r - (r - kNotch) * (r - kNotch));
}

} // namespace

QPointF DrawingRecord::pixels(Point p) const
{
    return QPointF(m_mapping.toPixels(p.x), m_mapping.toPixels(p.y));
}

bool DrawingRecord::reaches(const QRectF &b) const
{
    return b.right() > 0 && b.bottom() > 0 && b.left() < m_area.width()
            && b.top() < m_area.height();
}

void DrawingRecord::line(float x1, float y1, float x2, float y2, int width, ui::Colour colour,
                         Qt::PenStyle style)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    QPointF p = pixels({x1, y1});
    QPointF q = pixels({x2, y2});
    if (std::abs(q.x() - p.x()) < 1 && std::abs(q.y() - p.y()) < 1) {
        dot({x1, y1}, width, colour, style);
        return;
    }
    // Cut where it leaves the area by more than the pen reaches, so that no end lies far away.
    const double reach = width + 1.0;
    if (!ui::clipSegment(p, q,
                         QRectF(QPointF(), QSizeF(m_area)).adjusted(-reach, -reach, reach, reach)))
        return;
    seal();
    const auto twips = [this](QPointF at) {
        return Point {float(m_mapping.toTwips(at.x())), float(m_mapping.toTwips(at.y()))};
    };
    openItem(Kind::Line, width, colour, 0, twips(p), style);
    m_points.push_back(twips(q));
    ++m_items.back().count;
    seal();
}

void DrawingRecord::circle(float x, float y, float radius, int width, ui::Colour colour)
{
    const QPointF centre = pixels({x, y});
    const double r = m_mapping.toPixels(radius);
    // The surface draws no circle this far out either.
    constexpr double kFar = 1e6;
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()) || !std::isfinite(r)
        || std::abs(centre.x()) > kFar || std::abs(centre.y()) > kFar || std::abs(r) > kFar)
        return;
    const double reach = std::abs(r) + width;
    if (!reaches(QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach)))
        return;
    seal();
    openItem(Kind::Circle, width, colour, radius, {x, y});
    seal();
}

void DrawingRecord::dot(Point p, int width, ui::Colour colour, Qt::PenStyle style)
{
    const QPointF at = pixels(p);
    const double r = width / 2.0;
    if (!reaches(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)))
        return;
    if (m_open && m_items.back().width == width && m_items.back().colour == colour
        && m_items.back().style == style) {
        Item &open = m_items.back();
        const QPointF gap = at - m_lastDot;
        if (std::hypot(gap.x(), gap.y()) <= joinGap(width)) {
            if (open.kind == Kind::Dots) {
                // The last separate dot starts a run with this one.
                const Point last = m_points.back();
                if (open.count == 1) {
                    open.kind = Kind::Run;
                } else {
                    m_points.pop_back();
                    --open.count;
                    seal();
                    openItem(Kind::Run, width, colour, 0, last, style);
                }
                m_anchor = m_lastDot;
                m_floating = false;
            }
            extendRun(p);
            m_lastDot = at;
            return;
        }
        if (open.kind == Kind::Dots) {
            m_points.push_back(p);
            ++open.count;
            m_lastDot = at;
            return;
        }
    }
    seal();
    openItem(Kind::Dots, width, colour, 0, p, style);
    m_lastDot = at;
}

void DrawingRecord::extendRun(Point p)
{
    const QPointF at = pixels(p);
    if (m_floating) {
        const QPointF d = at - m_anchor;
        const double reach = std::hypot(d.x(), d.y());
        if (reach <= kTolerance)
            return;
        const double turn
                = std::remainder(std::atan2(d.y(), d.x()) - m_direction, 2 * std::numbers::pi);
        if (turn >= m_low && turn <= m_high && reach >= m_reach) {
            m_points.back() = p;
            const double spread = std::asin(kTolerance / reach);
            m_low = std::max(m_low, turn - spread);
            m_high = std::min(m_high, turn + spread);
            m_reach = reach;
            return;
        }
        // The floating vertex has to stay; the run goes on from it.
        m_anchor = pixels(m_points.back());
        m_floating = false;
    }
    const QPointF d = at - m_anchor;
    const double reach = std::hypot(d.x(), d.y());
    if (reach <= kTolerance)
        return;
    m_points.push_back(p);
    ++m_items.back().count;
    m_floating = true;
    m_direction = std::atan2(d.y(), d.x());
    m_high = std::asin(kTolerance / reach);
    m_low = -m_high;
    m_reach = reach;
}

void DrawingRecord::openItem(Kind kind, int width, ui::Colour colour, float radius, Point p,
                             Qt::PenStyle style)
{
    m_items.push_back(
            {kind, true, quint8(style), width, colour, radius, quint32(m_points.size()), 1});
    m_points.push_back(p);
    ++m_live;
    m_open = true;
    m_floating = false;
}
