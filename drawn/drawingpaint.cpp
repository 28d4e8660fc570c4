// What the drawing record keeps: a shape sealed when it can grow no more, dropped when drawn over
// exactly, clipped to the areas the surface has had; and how it is painted.
#include "drawingrecord.h"

#include <QHashFunctions>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

QPen roundPen(ui::Colour colour, double width)
{
    return QPen(ui::toQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The pen of a line or a run: round ends where it is solid, flat ones where its dashes would
// otherwise run into each other.
QPen strokePen(ui::Colour colour, double width, quint8 style)
{
    if (style == Qt::SolidLine)
        return roundPen(colour, width);
    return QPen(ui::toQColor(colour), width, Qt::PenStyle(style), Qt::FlatCap, Qt::RoundJoin);
}

} // namespace

void DrawingRecord::seal()
{
    if (!m_open)
        return;
    m_open = false;
    m_floating = false;
    const auto index = quint32(m_items.size() - 1);
    dropCovered(index);
    m_sealed.emplace(shapeHash(m_items[index]), index);
}

void DrawingRecord::dropCovered(quint32 index)
{
    const Item &item = m_items[index];
    if (item.style != Qt::SolidLine)
        return; // what shows between its dashes stays
    auto [from, to] = m_sealed.equal_range(shapeHash(item));
    for (auto it = from; it != to; ++it) {
        Item &earlier = m_items[it->second];
        if (sameShape(earlier, item)) {
            // Painted over entirely by the new one: nothing of it can show.
            earlier.live = false;
            --m_live;
            m_sealed.erase(it);
            return;
        }
    }
}

bool DrawingRecord::sameShape(const Item &a, const Item &b) const
{
    return a.kind == b.kind && a.width == b.width && a.count == b.count
            && std::memcmp(&a.radius, &b.radius, sizeof a.radius) == 0
            && std::memcmp(&m_points[a.first], &m_points[b.first], a.count * sizeof(Point)) == 0;
}

std::size_t DrawingRecord::shapeHash(const Item &item) const
{
    quint32 radius;
    std::memcpy(&radius, &item.radius, sizeof radius);
    const size_t seed = qHashMulti(0, int(item.kind), item.width, radius, item.count);
    return qHashBits(&m_points[item.first], item.count * sizeof(Point), seed);
}

void DrawingRecord::setArea(QSize pixels)
{
    if (pixels == m_area)
        return;
    seal();
    if (m_live > 0) {
        const QRectF before {QPointF(), QSizeF(m_area)};
        if (!m_clips.empty() && m_clips.back().items == m_items.size())
            m_clips.back().area &= before;
        else
            m_clips.push_back({m_items.size(), before});
    }
    m_area = pixels;
}

QRectF DrawingRecord::bounds(const Item &item) const
{
    const auto first = m_points.begin() + item.first;
    const auto [left, right] = std::minmax_element(first, first + item.count,
                                                   [](Point a, Point b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(first, first + item.count,
                                                   [](Point a, Point b) { return a.y < b.y; });
    const double reach = std::abs(m_mapping.toPixels(item.radius)) + item.width / 2.0;
    return QRectF(pixels({left->x, top->y}), pixels({right->x, bottom->y}))
            .adjusted(-reach, -reach, reach, reach);
}

void DrawingRecord::paint(QPainter &painter, double scale) const
{
    // What each item is clipped to: every area the surface has had since it was drawn.
    std::vector<std::optional<QRectF>> clipFrom(m_clips.size() + 1);
    for (std::size_t j = m_clips.size(); j-- > 0;)
        clipFrom[j] = clipFrom[j + 1] ? m_clips[j].area & *clipFrom[j + 1] : m_clips[j].area;
    painter.save();
    std::size_t j = 0;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        while (j < m_clips.size() && i >= m_clips[j].items)
            ++j;
        const Item &item = m_items[i];
        if (!item.live)
            continue;
        const std::optional<QRectF> &clip = clipFrom[j];
        if (!clip || clip->contains(bounds(item))) {
            paintItem(painter, item, scale);
            continue;
        }
        // Cut geometrically rather than by the painter's clip, which not every device keeps.
        QPainterPath inside;
        inside.addRect(QRectF(clip->topLeft() * scale, clip->size() * scale));
        painter.fillPath(outline(item, scale).intersected(inside), ui::toQColor(item.colour));
    }
    painter.restore();
}

void DrawingRecord::paintItem(QPainter &painter, const Item &item, double scale) const
{
    const double k = m_mapping.toPixels(scale);
    const auto at = [this, k](quint32 i) { return QPointF(m_points[i].x, m_points[i].y) * k; };
    const double width = item.width * scale;
    switch (item.kind) {
    case Kind::Line:
        painter.setPen(strokePen(item.colour, width, item.style));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(at(item.first), at(item.first + 1));
        return;
    case Kind::Circle:
        painter.setPen(QPen(ui::toQColor(item.colour), width));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at(item.first), item.radius * k, item.radius * k);
        return;
    case Kind::Run:
        if (item.count > 1) {
            QPolygonF run;
            run.reserve(item.count);
            for (quint32 i = item.first; i < item.first + item.count; ++i)
                run.append(at(i));
            painter.setPen(strokePen(item.colour, width, item.style));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(run);
            return;
        }
        break;
    case Kind::Dots:
        break;
    }
    const QPaintEngine *engine = painter.paintEngine();
    if (engine && engine->type() == QPaintEngine::Pdf) {
        // A PDF writes an ellipse as four curves; a dot as a short stroke with round caps, as the
        // program draws it, takes a tenth of that.
        painter.setPen(roundPen(item.colour, width));
        painter.setBrush(Qt::NoBrush);
        const QPointF step(0, width / 1000);
        for (quint32 i = item.first; i < item.first + item.count; ++i)
            painter.drawLine(at(i), at(i) + step);
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ui::toQColor(item.colour));
    for (quint32 i = item.first; i < item.first + item.count; ++i)
        painter.drawEllipse(at(i), width / 2, width / 2);
}

QPainterPath DrawingRecord::outline(const Item &item, double scale) const
{
    const double k = m_mapping.toPixels(scale);
    const auto at = [this, k](quint32 i) { return QPointF(m_points[i].x, m_points[i].y) * k; };
    const double width = item.width * scale;
    QPainterPath path;
    if (item.kind == Kind::Circle) {
        path.addEllipse(at(item.first), item.radius * k, item.radius * k);
        QPainterPathStroker stroker(QPen(Qt::black, width));
        return stroker.createStroke(path);
    }
    if (item.kind == Kind::Dots || item.count == 1) {
        for (quint32 i = item.first; i < item.first + item.count; ++i)
            path.addEllipse(at(i), width / 2, width / 2);
        return path;
    }
    path.moveTo(at(item.first));
    for (quint32 i = item.first + 1; i < item.first + item.count; ++i)
        path.lineTo(at(i));
    QPainterPathStroker stroker(strokePen(item.colour, width, item.style));
    return stroker.createStroke(path);
}
