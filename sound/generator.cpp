// What the plots and the crosshair are to sound like, frame by frame: the score that render()
// turns into samples.
#include "generator.h"

#include "score.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sound {

namespace {

constexpr double fullWalk = 50;      // graph units: the walk of the full range, -25 to 25
constexpr double walkStep = 0.001;   // graph units between the dots of a walk
constexpr double pauseSeconds = 0.3; // between two plots
constexpr double gapSeconds = 0.06;  // the shortest silence, so that a gap is heard
constexpr double crosshairSeconds = 0.15;
constexpr double tickSpacing = 0.03; // seconds: crossings closer than this share one tick
constexpr double markSpacing = 0.1;  // seconds: turning points closer than this share one mark
constexpr double panLeft = 0.1, panRight = 0.9; // of the way from hard left to hard right

// One plot's part of the score: its walk spread over its time, each frame at the height of the
// dot drawn there, silent where dots do not join, a tick where the curve crosses the axis and a
// mark where it turns.
class PlotScorer
{
public:
    PlotScorer(const Plot &plot, double fullSeconds) : plot(plot), fullSeconds(fullSeconds)
    {
        const double sheet = plot.yTop - plot.yBottom;
        flat = !(std::isfinite(sheet) && sheet > 0);
    }

    // Beyond the sheet, only the side matters.
    double fraction(double y) const
    {
        if (std::isnan(y))
            return std::numeric_limits<double>::quiet_NaN();
        if (flat)
            return 0.5;
        return std::clamp((y - plot.yBottom) / (plot.yTop - plot.yBottom), -1.0, 2.0);
    }

    // Whether dot i sounds until dot i + 1: the next step of the walk, and not across more than
    // half the sheet.
    bool joined(std::size_t i) const
    {
        const QPointF &a = plot.dots[i];
        const QPointF &b = plot.dots[i + 1];
        const double dx = b.x() - a.x();
        const double fa = std::clamp(fraction(a.y()), 0.0, 1.0);
        const double fb = std::clamp(fraction(b.y()), 0.0, 1.0);
        return dx > 0 && dx <= 1.5 * walkStep && std::abs(fb - fa) <= 0.5;
    }

    void addTo(Score &score) const
    {
        const double walk = plot.x1 - plot.x0;
        if (!(walk > 0))
            return;
        const qint64 count = frames(walk / fullWalk * fullSeconds);
        if (!score.height.empty())
            score.append(frames(pauseSeconds), silent, score.lastPan());
        const qint64 start = qint64(score.height.size());
        score.height.resize(start + count);
        score.pan.resize(start + count);

        const std::vector<QPointF> &dots = plot.dots;
        std::size_t i = 0;
        for (qint64 k = 0; k < count; ++k) {
            const double along = (k + 0.5) / count;
            const double x = plot.x0 + walk * along;
            while (i + 1 < dots.size() && dots[i + 1].x() <= x)
                ++i;
            const bool sounds = i + 1 < dots.size() && x >= dots[i].x() && joined(i);
            score.height[start + k] = sounds ? float(fraction(dots[i].y())) : silent;
            score.pan[start + k] = float(panLeft + (panRight - panLeft) * along);
        }
        silenceGaps(score, start, count);
        addTicks(score, start, count);
        addMarks(score, start, count);
    }

private:
    // Where two dots are not joined, a silence of gapSeconds centred between them, so that
    // even the jump of tan at a pole, one step wide, is heard.
    void silenceGaps(Score &score, qint64 start, qint64 count) const
    {
        const std::vector<QPointF> &dots = plot.dots;
        const qint64 half = frames(gapSeconds) / 2;
        const double walk = plot.x1 - plot.x0;
        for (std::size_t i = 0; i + 1 < dots.size(); ++i) {
            if (joined(i))
                continue;
            const double x = (dots[i].x() + dots[i + 1].x()) / 2;
            const qint64 k = qint64(std::floor((x - plot.x0) / walk * count));
            const qint64 from = std::clamp(k - half, qint64(0), count);
            const qint64 to = std::clamp(k + half, qint64(0), count);
            std::fill(score.height.begin() + start + from, score.height.begin() + start + to,
                      silent);
        }
    }

    void addTicks(Score &score, qint64 start, qint64 count) const
    {
        if (flat)
            return; // every dot on the centre of the sheet: nothing crosses the axis
        const std::vector<QPointF> &dots = plot.dots;
        const double walk = plot.x1 - plot.x0;
        int side = 0; // the sign of the last dot off the x axis, 0 where none yet
        for (std::size_t j = 0; j < dots.size(); ++j) {
            const double y = dots[j].y();
            const int sign = (y > 0) - (y < 0);
            if (sign == 0)
                continue;
            if (side != 0 && sign != side) {
                const qint64 k = start + qint64(std::floor((dots[j].x() - plot.x0) / walk * count));
                const bool spaced
                        = score.ticks.empty() || k - score.ticks.back() >= frames(tickSpacing);
                // A crossing in a gap, as at a pole of tan, is silent like the gap.
                if (k >= start && k < start + count && !std::isnan(score.height[k]) && spaced)
                    score.ticks.push_back(k);
            }
            side = sign;
        }
    }

    void addMarks(Score &score, qint64 start, qint64 count) const
    {
        const double walk = plot.x1 - plot.x0;
        for (const double x : plot.turns) {
            const qint64 k = start + qint64(std::floor((x - plot.x0) / walk * count));
            const bool spaced
                    = score.marks.empty() || k - score.marks.back() >= frames(markSpacing);
            if (k >= start && k < start + count && spaced)
                score.marks.push_back(k);
        }
    }

    const Plot &plot;
    const double fullSeconds;
    bool flat = false;
};

} // namespace

Samples plotSound(const std::vector<Plot> &plots, double fullSeconds)
{
    Score score;
    for (const Plot &plot : plots)
        PlotScorer(plot, fullSeconds).addTo(score);
    if (score.height.empty())
        return {};
    return render(score, frames(rampSeconds) + 1);
}

Samples crosshairTone(double height, double across)
{
    if (std::isnan(height))
        return {};
    if (std::isnan(across))
        across = 0.5;
    const qint64 tail = frames(rampSeconds) + 1;
    Score score;
    score.append(frames(crosshairSeconds) - tail, float(std::clamp(height, -1.0, 2.0)),
                 float(panLeft + (panRight - panLeft) * std::clamp(across, 0.0, 1.0)));
    return render(score, tail);
}

} // namespace sound
