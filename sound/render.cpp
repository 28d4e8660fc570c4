// The samples of a score: a tone with a little of its harmonics, bands of noise off the sheet,
// ticks, all ramped and panned.
#include "score.h"

#include <algorithm>
#include <array>
#include <numbers>

namespace sound {

namespace {

constexpr double level = 0.25; // of full scale: the tone's peak, before panning
constexpr double tickSeconds = 0.008;
constexpr double tickHz = 4000;
constexpr double tickLevel = 0.3;   // of the tone's level
constexpr double noiseLevel = 0.25; // root mean square, of the tone's level
// A turning point's mark: two blips, lower and longer than a tick, so that it is not taken for one.
constexpr double blipSeconds = 0.015;
constexpr double blipPeriodSeconds = 0.03; // from the start of one blip to the next
constexpr double markHz = 2400;
constexpr double markLevel = 0.4; // of the tone's level

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

// The mark `t` frames after its start; 0 once it is over.
double markAt(qint64 t)
{
    static const qint64 blip = frames(blipSeconds), period = frames(blipPeriodSeconds);
    const qint64 within = t % period;
    if (t >= period + blip || within >= blip)
        return 0;
    const double tau = 2 * std::numbers::pi;
    const double window = 0.5 - 0.5 * std::cos(tau * (within + 0.5) / blip);
    return markLevel * level * window * std::sin(tau * markHz * t / sampleRate);
}

qint16 toSample(double v)
{
    return qint16(std::clamp(std::lround(v * 32767), -32767l, 32767l));
}

} // namespace

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
    std::size_t nextTick = 0, nextMark = 0;
    qint64 tickStart = -1, markStart = -1;
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

        if (nextMark < score.marks.size() && score.marks[nextMark] == k) {
            markStart = k;
            ++nextMark;
        }
        if (markStart >= 0)
            mix += markAt(k - markStart);

        const Balance &balance = balances[std::lround(pan * (balances.size() - 1))];
        out[2 * k] = toSample(mix * balance.left);
        out[2 * k + 1] = toSample(mix * balance.right);
    }
    return out;
}

} // namespace sound
