#include "raster.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace ui {

namespace {

// The columns of each row of a round dot d pixels wide, kept for the width last asked for: a
// plot stamps thousands of dots of one width.
const std::vector<std::pair<int, int>> &dotSpans(int d)
{
    static std::vector<std::pair<int, int>> spans;
    static int spanWidth = 0;
    if (d != spanWidth) {
        spans.clear();
        const double mid = (d - 1) / 2.0;
        const double r2 = d * d / 4.0;
        for (int o = 0; o < d; ++o) {
            const double half = std::sqrt(std::max(0.0, r2 - (o - mid) * (o - mid)));
            spans.emplace_back(int(std::ceil(mid - half)), int(std::floor(mid + half)));
        }
        spanWidth = d;
    }
    return spans;
}

} // namespace

bool clipSegment(QPointF &p, QPointF &q, const QRectF &bounds)
{
    double t0 = 0, t1 = 1;
    const double dx = q.x() - p.x(), dy = q.y() - p.y();
    const double edges[4][2] = {{-dx, p.x() - bounds.left()},
                                {dx, bounds.right() - p.x()},
                                {-dy, p.y() - bounds.top()},
                                {dy, bounds.bottom() - p.y()}};
    for (const auto &[step, room] : edges) {
        if (step == 0) {
            if (room < 0)
                return false;
            continue;
        }
        const double t = room / step;
        if (step < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = p;
    p = start + QPointF(dx * t0, dy * t0);
    q = start + QPointF(dx * t1, dy * t1);
    return true;
}

QRect stampDot(QImage &image, QPointF centre, int d, QRgb colour)
{
    const double cx = centre.x(), cy = centre.y();
    const int w = image.width();
    const int h = image.height();
    // Far-away and non-finite points are rejected before any conversion to int.
    if (!(cx > -d && cx < w + d && cy > -d && cy < h + d))
        return QRect();
    const int bx = int(std::floor(cx + 0.5 - d / 2.0));
    const int by = int(std::floor(cy + 0.5 - d / 2.0));
    const auto &spans = dotSpans(d);
    bool drew = false;
    for (int o = 0; o < d; ++o) {
        const int y = by + o;
        if (y < 0 || y >= h)
            continue;
        const int from = std::max(0, bx + spans[o].first);
        const int to = std::min(w - 1, bx + spans[o].second);
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = from; x <= to; ++x)
            row[x] = colour;
        drew = drew || from <= to;
    }
    return drew ? QRect(bx, by, d, d) : QRect();
}

} // namespace ui
