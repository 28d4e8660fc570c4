#include "generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace sound {

namespace {

constexpr double fullWalk = 50;       // graph units: the walk of the full range, -25 to 25
constexpr double fullSeconds = 3;     // ... and how long it plays
constexpr double walkStep = 0.001;    // graph units between the dots of a walk
constexpr double lowHz = 200;         // the bottom edge of the sheet
constexpr double highHz = 1600;       // the top edge
constexpr double level = 0.25;        // of full scale: the tone's peak, before panning
constexpr double rampSeconds = 0.005; // every change of loudness takes this long
constexpr double pauseSeconds = 0.3;  // between two plots
constexpr double gapSeconds = 0.06;   // the shortest silence, so that a gap is heard
constexpr double crosshairSeconds = 0.15;
constexpr double tickSeconds = 0.008;
constexpr double tickSpacing = 0.03; // seconds: crossings closer than this share one tick
constexpr double tickHz = 4000;
constexpr double tickLevel = 0.3;               // of the tone's level
constexpr double noiseLevel = 0.25;             // root mean square, of the tone's level
constexpr double panLeft = 0.1, panRight = 0.9; // of the way from hard left to hard right

constexpr float silent = std::numeric_limits<float>::quiet_NaN();

qint64 frames(double seconds)
{
    return std::llround(seconds * sampleRate);
}

// What each frame is to sound like: a height on the sheet (0 the bottom edge, 1 the top, beyond
// them off the sheet) or silence, where it stands from left to right, and where ticks start.
struct Score
{
    std::vector<float> height;
    std::vector<float> pan;
    std::vector<qint64> ticks;

    void append(qint64 count, float h, float p)
    {
        height.insert(height.end(), count, h);
        pan.insert(pan.end(), count, p);
    }
    float lastPan() const { return pan.empty() ? 0.5f : pan.back(); }
};

class PlotScorer
{
public:
    explicit PlotScorer(const Plot &plot) : plot(plot)
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

    const Plot &plot;
    bool flat = false;
};

// A band of noise: two second-order band-pass sections (0 dB at the centre) one after the other,
// so that little of it reaches far from the centre, scaled so that white noise evenly spread
// over [-1, 1] comes out at `rms`.
class Band
{
public:
    Band(double hz, double q, double rms)
    {
        const double w = 2 * std::numbers::pi * hz / sampleRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0 = alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
        // The output's power is the input's (1/3) times the energy of the impulse response.
        Band probe = *this;
        double energy = 0;
        for (int k = 0; k < 8192; ++k) {
            const double h = probe(k == 0 ? 1.0 : 0.0);
            energy += h * h;
        }
        gain = rms / std::sqrt(energy / 3);
    }

    double operator()(double in) { return gain * second.pass(*this, first.pass(*this, in)); }

private:
    struct Section
    {
        double in1 = 0, in2 = 0, out1 = 0, out2 = 0;
        double pass(const Band &band, double in)
        {
            const double out = band.b0 * (in - in2) - band.a1 * out1 - band.a2 * out2;
            in2 = in1;
            in1 = in;
            out2 = out1;
            out1 = out;
            return out;
        }
    };

    double b0 = 0, a1 = 0, a2 = 0, gain = 1;
    Section first, second;
};

// A fixed sequence, so that the same plots always give the same samples.
class Noise
{
public:
    double operator()()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483648.0 - 1;
    }

private:
    quint32 state = 2463534242u;
};

// Moves towards a target by at most one ramp's share a frame.
struct Ramp
{
    double value = 0;
    void toward(bool on)
    {
        static const double stepSize = 1.0 / frames(rampSeconds);
        value = on ? std::min(1.0, value + stepSize) : std::max(0.0, value - stepSize);
    }
};

// The loudness of the left and right channels for a place from left (0) to right (1), keeping
// the power the same, in steps too small to hear.
struct Balance
{
    double left = 0, right = 0;
};

const std::array<Balance, 1025> &balances()
{
    static const std::array<Balance, 1025> table = [] {
        std::array<Balance, 1025> t;
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double angle = std::numbers::pi / 2 * double(i) / (t.size() - 1);
            t[i] = {std::cos(angle), std::sin(angle)};
        }
        return t;
    }();
    return table;
}

qint16 toSample(double v)
{
    return qint16(std::clamp(std::lround(v * 32767), -32767l, 32767l));
}

Samples render(const Score &score, qint64 tail)
{
    const qint64 total = qint64(score.height.size()) + tail;
    Samples out(std::size_t(total) * channels);
    const double tau = 2 * std::numbers::pi;
    const double octaves = std::log(highHz / lowHz);
    // A little of the second and third harmonics makes the low notes carry on small speakers;
    // their sum crosses zero only twice a period, like the plain tone.
    const double toneScale = level / 1.04;
    Band hiss(highHz, 0.7, noiseLevel * level);
    Band rumble(lowHz, 0.7, noiseLevel * level);
    Noise noise;
    Ramp tone, above, below;
    double hz = lowHz, phase = 0;
    float pan = score.pan.empty() ? 0.5f : score.pan.front();
    std::size_t nextTick = 0;
    qint64 tickStart = -1;
    const qint64 tickLength = frames(tickSeconds);
    const std::array<Balance, 1025> &balances = sound::balances();

    for (qint64 k = 0; k < total; ++k) {
        const bool scored = k < qint64(score.height.size());
        const float h = scored ? score.height[k] : silent;
        if (scored)
            pan = score.pan[k];
        const bool inside = h >= 0 && h <= 1;
        if (inside)
            hz = lowHz * std::exp(h * octaves);
        tone.toward(inside);
        above.toward(h > 1);
        below.toward(h < 0);

        phase += tau * hz / sampleRate;
        if (phase >= tau)
            phase -= tau;
        const double s1 = std::sin(phase);
        const double c1 = std::cos(phase);
        const double voice = s1 + 0.2 * (2 * s1 * c1) + 0.08 * s1 * (3 - 4 * s1 * s1);
        double mix = tone.value * toneScale * voice;
        if (above.value > 0 || below.value > 0) {
            // Between off-sheet stretches the filters rest, and take up again where they were.
            const double white = noise();
            mix += above.value * hiss(white) + below.value * rumble(white);
        }

        if (nextTick < score.ticks.size() && score.ticks[nextTick] == k) {
            tickStart = k;
            ++nextTick;
        }
        if (tickStart >= 0) {
            const qint64 t = k - tickStart;
            if (t >= tickLength) {
                tickStart = -1;
            } else {
                const double window = 0.5 - 0.5 * std::cos(tau * (t + 0.5) / tickLength);
                mix += tickLevel * level * window * std::sin(tau * tickHz * t / sampleRate);
            }
        }

        const Balance &balance = balances[std::lround(pan * (balances.size() - 1))];
        out[2 * k] = toSample(mix * balance.left);
        out[2 * k + 1] = toSample(mix * balance.right);
    }
    return out;
}

} // namespace

Samples plotSound(const std::vector<Plot> &plots)
{
    Score score;
    for (const Plot &plot : plots)
        PlotScorer(plot).addTo(score);
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
