#include "interest.h"

#include "plot/plotroutine.h"

#include <algorithm>
#include <cmath>

namespace {

// Two values closer than this, relative to their size, are one value rounded two ways: noise of
// the arithmetic (a pow or a sum of large terms near a root), not a turn of the curve.
constexpr double kNoise = 1e-9;

bool apart(double a, double b)
{
    return std::abs(a - b) > kNoise * std::max(std::abs(a), std::abs(b));
}

int sign(double y)
{
    return (y > 0) - (y < 0);
}

class Finder
{
public:
    explicit Finder(const plot::PlotRecord &record) : record(record), y(record.dots)
    {
        xs.reserve(y.size());
        plot::forEachDot(record, [this](double x, double) { xs.push_back(x); });
    }

    std::vector<Interest> find()
    {
        const std::size_t n = y.size();
        if (n > 0) {
            add(0, Interest::Start);
            add(n - 1, Interest::End);
            yAxis();
            sheet();
        }
        // The stretches of the curve between its poles.
        std::size_t first = 0;
        for (std::size_t i = 0; i + 1 < n; ++i) {
            if (!pole(i))
                continue;
            stretch(first, i);
            // At the dot nearer the pole: the one further off, as near a pole 1/d is.
            add(std::abs(y[i]) > std::abs(y[i + 1]) ? i : i + 1, Interest::Gap);
            first = i + 1;
        }
        if (n > 0)
            stretch(first, n - 1);
        if (walkStopped(record))
            add(n, Interest::Stopped);
        return merged();
    }

private:
    void add(std::size_t step, unsigned kind)
    {
        Interest point;
        point.kinds = kind;
        point.step = step;
        found.push_back(point);
    }

    // Between dots i and i + 1 the curve runs off one way and comes back from the other: the
    // dots change sign, each side further from the axis than the dot before it. Where a curve
    // crosses the axis instead, the dots near the crossing are the nearest to it, however steep.
    bool pole(std::size_t i) const
    {
        const double a = y[i], b = y[i + 1];
        if (sign(a) * sign(b) >= 0)
            return false;
        const bool left = i > 0, right = i + 2 < y.size();
        return (left || right) && (!left || std::abs(a) > std::abs(y[i - 1]))
                && (!right || std::abs(b) > std::abs(y[i + 2]));
    }

    void stretch(std::size_t first, std::size_t last)
    {
        zeros(first, last);
        turns(first, last);
    }

    // A dot is on the axis where it is 0, or so near it beside its neighbours that only the
    // arithmetic's noise keeps it off (x^2 at the walk's x nearest 0).
    bool onAxis(std::size_t i, std::size_t first, std::size_t last) const
    {
        double around = 0;
        if (i > first)
            around = std::abs(y[i - 1]);
        if (i < last)
            around = std::max(around, std::abs(y[i + 1]));
        return y[i] == 0 || std::abs(y[i]) <= kNoise * around;
    }

    void zeros(std::size_t first, std::size_t last)
    {
        int side = 0;                      // of the last dot off the axis
        std::size_t run = std::size_t(-1); // the first of the dots on the axis since then
        for (std::size_t i = first; i <= last; ++i) {
            const int s = onAxis(i, first, last) ? 0 : sign(y[i]);
            if (s == 0) {
                run = std::min(run, i);
                continue;
            }
            if (run <= i && side != 0)
                add((run + i - 1) / 2, side == s ? Interest::Touch : Interest::Crossing);
            else if (run > i && side != 0 && side != s)
                add(std::abs(y[i - 1]) <= std::abs(y[i]) ? i - 1 : i, Interest::Crossing);
            run = std::size_t(-1);
            side = s;
        }
    }

    // A turn is where the dots, having risen (fallen) by more than noise, fall (rise) by more
    // than noise; a level top or bottom turns at its middle.
    void turns(std::size_t first, std::size_t last)
    {
        int way = 0;                          // +1 rising, -1 falling, 0 not yet known
        std::size_t from = first, to = first; // the extreme dots so far this way, all equal
        for (std::size_t i = first + 1; i <= last; ++i) {
            const double v = y[i];
            if (way == 0) {
                if (apart(y[first], v)) {
                    way = v > y[first] ? 1 : -1;
                    from = to = i;
                }
            } else if (way * (v - y[from]) > 0) {
                from = to = i;
            } else if (v == y[from]) {
                to = i;
            } else if (apart(y[from], v)) {
                add((from + to) / 2, way > 0 ? Interest::Maximum : Interest::Minimum);
                way = -way;
                from = to = i;
            }
        }
    }

    void yAxis()
    {
        if (!(xs.front() <= 0 && xs.back() >= 0))
            return;
        const auto after = std::lower_bound(xs.begin(), xs.end(), 0.0);
        std::size_t i = std::size_t(after - xs.begin());
        if (i > 0 && -xs[i - 1] <= xs[i])
            --i;
        add(i, Interest::YAxis);
    }

    void sheet()
    {
        const auto &map = record.mapping;
        if (!map || !map->invertible())
            return; // every dot lies on the centre
        const double halfWidth = map->toGraphX(2.0 * map->cx), top = map->toGraphY(0);
        const auto on = [&](std::size_t i) {
            return std::abs(xs[i]) <= halfWidth && std::abs(y[i]) <= top;
        };
        bool was = on(0);
        for (std::size_t i = 1; i < y.size(); ++i) {
            const bool is = on(i);
            if (was && !is)
                add(i - 1, Interest::Leaves);
            else if (!was && is)
                add(i, Interest::Enters);
            was = is;
        }
    }

    // One point a dot, its kinds together, after the break that comes before it.
    std::vector<Interest> merged()
    {
        const auto isBreak = [](const Interest &p) { return (p.kinds & Interest::kBreaks) != 0; };
        std::stable_sort(found.begin(), found.end(), [&](const Interest &a, const Interest &b) {
            return a.step != b.step ? a.step < b.step : isBreak(a) > isBreak(b);
        });
        std::vector<Interest> points;
        for (const Interest &p : found) {
            if (!isBreak(p) && !points.empty() && !isBreak(points.back())
                && points.back().step == p.step) {
                points.back().kinds |= p.kinds;
                continue;
            }
            points.push_back(p);
            Interest &q = points.back();
            q.x = q.step < xs.size() ? xs[q.step] : record.x;
            if (!isBreak(q))
                q.y = y[q.step];
        }
        return points;
    }

    const plot::PlotRecord &record;
    const std::vector<double> &y;
    std::vector<double> xs;
    std::vector<Interest> found;
};

} // namespace

std::vector<Interest> pointsOfInterest(const plot::PlotRecord &record)
{
    return Finder(record).find();
}

bool walkStopped(const plot::PlotRecord &record)
{
    // A walk that reaches its end leaves x past it, or exactly at the upper limit where that
    // ends it; one an error ended, at the step it could not draw.
    return record.x <= record.to && record.x != record.upper;
}
