#include "plot/catalogue.h"
#include "sound/generator.h"
#include "sound/player.h"
#include "sound/wav.h"
#include "ui/runtimeerror.h"

#include <QtTest>

#include <QBuffer>
#include <QTemporaryDir>

#include <cmath>
#include <functional>

using sound::Samples;

Q_DECLARE_METATYPE(sound::Plot)

namespace {

constexpr double rate = sound::sampleRate;

// A walk as the Plot button makes it: x from x0 by steps of 0.001 while x <= x1; an error ends
// it, and the dots drawn before stay.
sound::Plot walk(double x0, double x1, double half, const std::function<double(double)> &f)
{
    sound::Plot plot {x0, x1, -half, half, {}};
    for (double x = x0; x <= x1; x += 0.001) {
        try {
            plot.dots.emplace_back(x, f(x));
        } catch (const ui::RuntimeError &) {
            break;
        }
    }
    return plot;
}

// y of a catalogue family, as the walk computes it with the coefficients already divided by 1.5.
std::function<double(double)> family(int code, double a, double b)
{
    return [=](double x) { return *plot::evaluate(code, x, {a, b, 0, 0}); };
}

std::function<double(double)> constant(double y)
{
    return [y](double) { return y; };
}

// Where x of a plot's walk sounds, in frames from the start of the plot: the full range of 50
// units lasts 3 seconds.
qint64 frameAt(const sound::Plot &plot, double x)
{
    return std::llround((x - plot.x0) / 50 * 3 * rate);
}

qint64 frames(double seconds)
{
    return std::llround(seconds * rate);
}

qint64 length(const Samples &s)
{
    return qint64(s.size()) / 2;
}

double mono(const Samples &s, qint64 k)
{
    return double(s[2 * k]) + s[2 * k + 1];
}

// Where the sound rises through zero in [from, to), in frames, between samples.
std::vector<double> rises(const Samples &s, qint64 from, qint64 to)
{
    std::vector<double> at;
    for (qint64 k = std::max<qint64>(from, 0) + 1; k < std::min(to, length(s)); ++k) {
        const double a = mono(s, k - 1), b = mono(s, k);
        if (a < 0 && b >= 0)
            at.push_back(k - 1 + a / (a - b));
    }
    return at;
}

// Hz, from the zero crossings: a tone's periods. 0 where there are too few.
double pitch(const Samples &s, qint64 from, qint64 to)
{
    const std::vector<double> at = rises(s, from, to);
    return at.size() < 2 ? 0 : (at.size() - 1) * rate / (at.back() - at.front());
}

// How unevenly the zero crossings come: 0 for a steady tone, far more for noise.
double unsteadiness(const Samples &s, qint64 from, qint64 to)
{
    const std::vector<double> at = rises(s, from, to);
    if (at.size() < 4)
        return 0;
    std::vector<double> periods;
    for (std::size_t i = 1; i < at.size(); ++i)
        periods.push_back(at[i] - at[i - 1]);
    double mean = 0, spread = 0;
    for (double p : periods)
        mean += p / periods.size();
    for (double p : periods)
        spread += (p - mean) * (p - mean) / periods.size();
    return std::sqrt(spread) / mean;
}

// Root mean square of channel 0 (left), 1 (right) or 2 (both added) over [from, to).
double rms(const Samples &s, qint64 from, qint64 to, int channel = 2)
{
    double sum = 0;
    for (qint64 k = from; k < to; ++k) {
        const double v = channel == 2 ? mono(s, k) : s[2 * k + channel];
        sum += v * v;
    }
    return std::sqrt(sum / (to - from));
}

bool silent(const Samples &s, qint64 from, qint64 to)
{
    for (qint64 k = std::max<qint64>(from, 0); k < std::min(to, length(s)); ++k)
        if (s[2 * k] != 0 || s[2 * k + 1] != 0)
            return false;
    return true;
}

// The largest change from one sample to the next in either channel, from silence before the
// first sample to silence after the last.
int largestStep(const Samples &s)
{
    int largest = 0;
    for (std::size_t k = 0; k < s.size() + 2; ++k) {
        const int now = k < s.size() ? s[k] : 0;
        const int before = k >= 2 ? s[k - 2] : 0;
        largest = std::max(largest, std::abs(now - before));
    }
    return largest;
}

// The height on the sheet, 0 at the bottom and 1 at the top, that a pitch stands for.
double heightOf(double hz)
{
    return std::log(hz / 200) / std::log(8);
}

// The amplitude of a tick's frequency, 4 kHz, in the 128 frames from `from`.
double tickAmplitude(const Samples &s, qint64 from)
{
    constexpr int n = 128;
    double re = 0, im = 0;
    for (int t = 0; t < n; ++t) {
        const double w = 0.5 - 0.5 * std::cos(2 * M_PI * t / n);
        const double angle = 2 * M_PI * 4000 * t / rate;
        re += w * mono(s, from + t) * std::cos(angle);
        im += w * mono(s, from + t) * std::sin(angle);
    }
    return 4 * std::hypot(re, im) / n;
}

// The middles of the stretches where the tick's frequency stands out, in frames.
std::vector<qint64> ticks(const Samples &s)
{
    std::vector<qint64> found;
    qint64 first = -1;
    for (qint64 k = 0; k + 128 <= length(s); k += 32) {
        const bool loud = tickAmplitude(s, k) > 600;
        if (loud && first < 0)
            first = k;
        if (!loud && first >= 0) {
            found.push_back((first + k) / 2 + 64 - 16);
            first = -1;
        }
    }
    return found;
}

// A device that takes `room` bytes and then refuses; with `partly`, it takes what fits instead,
// nothing at all once full, and says nothing.
class Cramped : public QIODevice
{
public:
    Cramped(qint64 room, bool partly) : room(room), partly(partly)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    QByteArray taken;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 fits = std::min(size, room - taken.size());
        if (fits < size && !partly) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        taken.append(data, fits);
        return fits;
    }

private:
    qint64 room;
    bool partly;
};

quint32 le32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A sound server that is not there, whatever this machine has.
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + dir.filePath("no-server")));
    }

    void pitchFollowsHeight_data()
    {
        QTest::addColumn<double>("height"); // 0 the bottom edge, 1 the top
        QTest::addColumn<double>("hz");
        QTest::newRow("bottom edge 200 Hz") << 0.0 << 200.0;
        QTest::newRow("a quarter up 336 Hz") << 0.25 << 336.4;
        QTest::newRow("middle 566 Hz, one and a half octaves up") << 0.5 << 565.7;
        QTest::newRow("top edge 1600 Hz") << 1.0 << 1600.0;
    }

    void pitchFollowsHeight()
    {
        QFETCH(double, height);
        QFETCH(double, hz);
        // A sheet that is not centred on y = 0: the edges, not the axis, fix the pitch.
        sound::Plot plot = walk(-10, 10, 0, constant(-3 + 8 * height));
        plot.yBottom = -3;
        plot.yTop = 5;
        const Samples s = sound::plotSound({plot});
        QVERIFY(qAbs(pitch(s, frames(0.4), frames(0.8)) / hz - 1) < 0.01);
        const Samples tone = sound::crosshairTone(height);
        QVERIFY(qAbs(pitch(tone, 0, length(tone)) / hz - 1) < 0.01);
    }

    void risingLineRises()
    {
        const Samples s = sound::plotSound({walk(-10, 10, 4, family(7, 0.45, 0))});
        double before = 0;
        for (double t = 0.05; t < 1.2; t += 0.1) {
            const double now = pitch(s, frames(t), frames(t + 0.05));
            QVERIFY2(now > before * 1.05, qPrintable(QString("%1 Hz at %2 s").arg(now).arg(t)));
            before = now;
        }
        QVERIFY(before > 1000);
    }

    // bsin(ax) with a = 0.75 and b = 4.5 as typed, over the full range: each stretch of the sound
    // has the pitch of the height of the dots played then.
    void sineRisesAndFallsWithItsDots()
    {
        const auto f = family(2, 0.5, 3);
        const sound::Plot plot = walk(-25, 25, 4, f);
        const Samples s = sound::plotSound({plot});
        int compared = 0;
        for (double x = -24.8; x < 24.8; x += 0.3) {
            if (qAbs(f(x)) < 0.3)
                continue; // the ticks at the crossings of the axis
            const qint64 at = frameAt(plot, x);
            const double heard = heightOf(pitch(s, at - 220, at + 220));
            const double drawn = (f(x) + 4) / 8;
            QVERIFY2(
                    qAbs(heard - drawn) < 0.03,
                    qPrintable(QString("x = %1: heard %2, drawn %3").arg(x).arg(heard).arg(drawn)));
            ++compared;
        }
        QVERIFY(compared > 100);
    }

    void offSheet_data()
    {
        QTest::addColumn<double>("y");  // on a sheet from -4 to 4
        QTest::addColumn<bool>("high"); // a hiss rather than a rumble
        QTest::newRow("just above the top") << 4.5 << true;
        QTest::newRow("far above, as tan near a pole") << 1e12 << true;
        QTest::newRow("below the bottom") << -5.0 << false;
    }

    void offSheet()
    {
        QFETCH(double, y);
        QFETCH(bool, high);
        const Samples off = sound::plotSound({walk(-10, 10, 4, constant(y))});
        const Samples edge = sound::plotSound({walk(-10, 10, 4, constant(y > 0 ? 4 : -4))});
        const qint64 from = frames(0.2), to = frames(1.0);
        QVERIFY(unsteadiness(edge, from, to) < 0.01);
        QVERIFY2(unsteadiness(off, from, to) > 0.2, "a noise, not a tone");
        const double softer = rms(off, from, to) / rms(edge, from, to);
        QVERIFY2(softer > 0.15 && softer < 0.6, qPrintable(QString::number(softer)));
        const double crossings = pitch(off, from, to); // noise crosses zero about its band's rate
        QVERIFY(high ? crossings > 1000 : crossings < 500);
        const Samples tone = sound::crosshairTone(y > 0 ? 1.2 : -0.2);
        QVERIFY(unsteadiness(tone, 0, length(tone)) > 0.2);
    }

    // bsin(ax) half as high again as the sheet: a tone where its dots are on the sheet, the noise
    // where they are off it.
    void curveLeavesTheSheet()
    {
        const auto f = family(2, 0.5, 6);
        const sound::Plot plot = walk(-25, 25, 4, f);
        const Samples s = sound::plotSound({plot});
        int on = 0, off = 0;
        for (double x = -24.8; x < 24.8; x += 0.1) {
            const qint64 at = frameAt(plot, x);
            const double y = qAbs(f(x));
            if (y > 0.5 && y < 3) {
                QVERIFY2(unsteadiness(s, at - 220, at + 220) < 0.1, qPrintable(QString::number(x)));
                ++on;
            } else if (y > 4.8) {
                QVERIFY2(unsteadiness(s, at - 880, at + 880) > 0.2, qPrintable(QString::number(x)));
                ++off;
            }
        }
        QVERIFY(on > 30 && off > 30);
    }

    void errorEndsInSilence_data()
    {
        QTest::addColumn<sound::Plot>("plot");
        QTest::newRow("sine cut off at x = 2") << walk(-10, 10, 4, [](double x) {
            if (x > 2)
                throw ui::RuntimeError(ui::RuntimeError::Kind::Overflow, {});
            return std::sin(x);
        });
        QTest::newRow("a(e^bx) overflows at x = 8.78") << walk(-10, 10, 4, family(11, 1, 150));
        QTest::newRow("an error at the first step") << walk(-10, 10, 4, [](double) -> double {
            throw ui::RuntimeError(ui::RuntimeError::Kind::DivisionByZero, {});
        });
    }

    void errorEndsInSilence()
    {
        QFETCH(sound::Plot, plot);
        const Samples s = sound::plotSound({plot});
        QVERIFY(qAbs(length(s) - frames(1.2)) < frames(0.02)); // the walk's time all the same
        const qint64 stop = plot.dots.empty() ? 0 : frameAt(plot, plot.dots.back().x());
        QVERIFY(silent(s, stop + frames(0.01), length(s)));
        if (stop > 0)
            QVERIFY(rms(s, stop - frames(0.1), stop) > 1000);
    }

    // Where dots are missing, as where a caller leaves out those it did not draw, there is
    // silence from half a step after the last dot to the next one.
    void holeIsSilent()
    {
        sound::Plot plot = walk(-10, 10, 4, constant(1));
        std::erase_if(plot.dots,
                      [](const QPointF &dot) { return qAbs(dot.x()) < 1 || dot.x() < -9; });
        const Samples s = sound::plotSound({plot});
        QVERIFY(silent(s, 0, frameAt(plot, -9)));
        QVERIFY(rms(s, frameAt(plot, -8.9), frameAt(plot, -8.5)) > 1000);
        QVERIFY(silent(s, frameAt(plot, -0.99) + frames(0.005), frameAt(plot, 0.99)));
        QVERIFY(rms(s, frameAt(plot, -1.5), frameAt(plot, -1.1)) > 1000);
        QVERIFY(rms(s, frameAt(plot, 1.1), frameAt(plot, 1.5)) > 1000);
    }

    // Where tan jumps from the top of the sheet to the bottom, no dots are drawn: a silence long
    // enough to be heard, and sound again soon after.
    void tanFallsSilentAtItsPoles()
    {
        const sound::Plot plot = walk(-10, 10, 4, family(3, 1, 1));
        const Samples s = sound::plotSound({plot});
        int poles = 0;
        for (double pole = -2.5 * M_PI; pole < 10; pole += M_PI) {
            const qint64 at = frameAt(plot, pole);
            QVERIFY2(silent(s, at - frames(0.02), at + frames(0.02)),
                     qPrintable(QString::number(pole)));
            QVERIFY(rms(s, at - frames(0.1), at - frames(0.06)) > 500);
            QVERIFY(rms(s, at + frames(0.06), at + frames(0.1)) > 500);
            ++poles;
        }
        QCOMPARE(poles, 6);
        for (double zero = -3 * M_PI; zero < 10; zero += M_PI)
            QVERIFY(!silent(s, frameAt(plot, zero) - 10, frameAt(plot, zero) + 10));
    }

    void ticks_data()
    {
        QTest::addColumn<sound::Plot>("plot");
        QTest::addColumn<QList<double>>("crossings"); // x where the curve crosses y = 0
        const QList<double> multiples {-3 * M_PI, -2 * M_PI, -M_PI, 0, M_PI, 2 * M_PI, 3 * M_PI};
        QTest::newRow("sine crosses seven times") << walk(-10, 10, 4, family(2, 1, 1)) << multiples;
        QTest::newRow("tan: its zeros tick, its poles do not")
                << walk(-10, 10, 4, family(3, 1, 0.3)) << multiples;
        QTest::newRow("rising line once")
                << walk(-10, 10, 4, family(7, 0.3, 0)) << QList<double> {0};
        QTest::newRow("line above the axis") << walk(-10, 10, 4, constant(1)) << QList<double> {};
        QTest::newRow("line on the axis") << walk(-10, 10, 4, constant(0)) << QList<double> {};
    }

    void ticks()
    {
        QFETCH(sound::Plot, plot);
        QFETCH(QList<double>, crossings);
        const Samples s = sound::plotSound({plot});
        const std::vector<qint64> heard = ::ticks(s);
        QCOMPARE(heard.size(), std::size_t(crossings.size()));
        for (std::size_t i = 0; i < heard.size(); ++i)
            QVERIFY2(qAbs(heard[i] - frameAt(plot, crossings[i])) < frames(0.008),
                     qPrintable(QString("tick %1 at %2 s").arg(i).arg(heard[i] / rate)));
    }

    // A curve that crosses the axis every 3 ms: ticks that stay apart, not a whistle.
    void denseCrossingsTickApart()
    {
        const Samples s = sound::plotSound({walk(-10, 10, 4, family(2, 60, 0.5))});
        const std::size_t heard = ::ticks(s).size();
        QVERIFY2(heard > 20 && heard < 45, qPrintable(QString::number(heard)));
    }

    void panFollowsX()
    {
        const sound::Plot line = walk(-10, 10, 4, constant(1));
        const Samples s = sound::plotSound({line, line});
        const qint64 plot = frameAt(line, 10), second = length(s) - plot;
        for (const qint64 start : {qint64(0), second}) {
            const qint64 tenth = plot / 10;
            QVERIFY(rms(s, start, start + tenth, 0) > 3 * rms(s, start, start + tenth, 1));
            const qint64 middle = start + plot / 2;
            const double balance = rms(s, middle - tenth, middle + tenth, 0)
                    / rms(s, middle - tenth, middle + tenth, 1);
            QVERIFY(balance > 0.9 && balance < 1.1);
            QVERIFY(rms(s, start + plot - tenth, start + plot, 1)
                    > 3 * rms(s, start + plot - tenth, start + plot, 0));
        }
        const Samples left = sound::crosshairTone(0.5, 0), right = sound::crosshairTone(0.5, 1);
        QVERIFY(rms(left, 0, length(left), 0) > 3 * rms(left, 0, length(left), 1));
        QVERIFY(rms(right, 0, length(right), 1) > 3 * rms(right, 0, length(right), 0));
        // Across a walk of no width (both limits 0), the tone stands in the middle.
        const Samples nowhere = sound::crosshairTone(0.5, std::nan(""));
        QCOMPARE(rms(nowhere, 0, length(nowhere), 0), rms(nowhere, 0, length(nowhere), 1));
    }

    void duration_data()
    {
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("seconds");
        QTest::newRow("the full range, -25 to 25") << -25.0 << 25.0 << 3.0;
        QTest::newRow("half of it") << -25.0 << 0.0 << 1.5;
        QTest::newRow("-10 to 10") << -10.0 << 10.0 << 1.2;
        QTest::newRow("0 to 0.83") << 0.0 << 0.8333 << 0.05;
    }

    void duration()
    {
        QFETCH(double, x0);
        QFETCH(double, x1);
        QFETCH(double, seconds);
        const Samples s = sound::plotSound({walk(x0, x1, 4, constant(1))});
        QVERIFY2(qAbs(length(s) / rate - seconds) < 0.01,
                 qPrintable(QString::number(length(s) / rate)));
    }

    void nothingToPlay()
    {
        QVERIFY(sound::plotSound({}).empty());
        const sound::Plot none = walk(0, 0, 4, constant(1)); // both limits 0
        QVERIFY(sound::plotSound({none}).empty());
        const sound::Plot some = walk(0, 1, 4, constant(1));
        QCOMPARE(sound::plotSound({some, none, some}), sound::plotSound({some, some}));
        QVERIFY(sound::crosshairTone(std::nan("")).empty());
        const Samples tone = sound::crosshairTone(0.5);
        QVERIFY(qAbs(length(tone) / rate - 0.15) < 0.01);
    }

    // Upper limit 0: every dot lands on the centre of the sheet, which has no height in graph
    // units; all of them sound at the middle.
    void flatSheetPlaysTheMiddle()
    {
        sound::Plot plot = walk(-25, 0, 0, family(2, 1, 1));
        plot.yBottom = plot.yTop = 0;
        const Samples s = sound::plotSound({plot});
        for (double t = 0.1; t < 1.4; t += 0.2)
            QVERIFY(qAbs(pitch(s, frames(t), frames(t + 0.1)) / 565.7 - 1) < 0.01);
    }

    void plotsPlayInOrder()
    {
        const sound::Plot low = walk(-10, 10, 4, constant(-3));
        const sound::Plot high = walk(0, 10, 4, constant(3));
        const Samples s = sound::plotSound({low, high});
        QVERIFY(pitch(s, frames(0.5), frames(0.7)) < 300);
        QVERIFY(pitch(s, length(s) - frames(0.4), length(s) - frames(0.2)) > 1000);
        qint64 gap = 0, longest = 0;
        for (qint64 k = frames(1.0); k < length(s) - frames(0.4); ++k) {
            gap = silent(s, k, k + 1) ? gap + 1 : 0;
            longest = std::max(longest, gap);
        }
        QVERIFY(longest > frames(0.15) && longest < frames(1));
        QVERIFY(qAbs(length(s) - frames(1.8) - longest) < frames(0.02));
    }

    void noClicks_data()
    {
        QTest::addColumn<Samples>("sound");
        const auto play = [](std::vector<sound::Plot> plots) { return sound::plotSound(plots); };
        QTest::newRow("line from below the sheet to above it")
                << play({walk(-10, 10, 4, family(7, 0.7, 0))});
        QTest::newRow("two plots, the second starting high")
                << play({walk(-10, 10, 4, constant(-3)), walk(-5, 5, 4, constant(3.9))});
        QTest::newRow("sine with its ticks") << play({walk(-25, 25, 4, family(2, 1, 3))});
        QTest::newRow("sine beyond the sheet") << play({walk(-25, 25, 4, family(2, 2, 6))});
        QTest::newRow("tan with its poles") << play({walk(-25, 25, 4, family(3, 1, 1))});
        QTest::newRow("sine crossing the axis every 3 ms")
                << play({walk(-10, 10, 4, family(2, 60, 0.5))});
        QTest::newRow("steep sine broken into dots")
                << play({walk(-10, 10, 4, family(2, 3000, 3.5))});
        QTest::newRow("an error mid-walk") << play({walk(-10, 10, 4, family(11, 1, 150))});
        QTest::newRow("crosshair at the top") << sound::crosshairTone(1, 0);
        QTest::newRow("crosshair above the sheet") << sound::crosshairTone(1.5, 1);
    }

    // No step between samples is larger than the steepest a steady tone at the top of the sheet
    // takes by itself, on the left where the left channel is at its loudest.
    void noClicks()
    {
        QFETCH(Samples, sound);
        const Samples top = sound::crosshairTone(1, 0);
        const int steepest = largestStep(
                Samples(top.begin() + 2 * frames(0.02), top.begin() + 2 * frames(0.12)));
        QVERIFY(steepest > 1000);
        QVERIFY2(largestStep(sound) <= steepest,
                 qPrintable(QString("%1 > %2").arg(largestStep(sound)).arg(steepest)));
    }

    void sameSamplesEveryTime()
    {
        const std::vector<sound::Plot> plots {walk(-10, 10, 4, family(3, 1, 1))};
        QCOMPARE(sound::plotSound(plots), sound::plotSound(plots));
    }

    void wav_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::newRow("a plot") << sound::plotSound({walk(-1, 1, 4, family(2, 1, 3))});
        QTest::newRow("no sound") << Samples();
    }

    void wav()
    {
        QFETCH(Samples, samples);
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        QCOMPARE(sound::writeWav(file, samples), QString());
        const QByteArray b = file.data();
        const quint32 bytes = quint32(samples.size() * 2);
        QCOMPARE(b.size(), 44 + qsizetype(bytes));
        QCOMPARE(b.left(4), "RIFF");
        QCOMPARE(le32(b, 4), 36 + bytes);
        QCOMPARE(b.mid(8, 8), "WAVEfmt ");
        QCOMPARE(le32(b, 16), 16u);
        QCOMPARE(le16(b, 20), 1); // PCM
        QCOMPARE(le16(b, 22), 2); // stereo
        QCOMPARE(le32(b, 24), 44100u);
        QCOMPARE(le32(b, 28), 44100u * 4); // bytes a second
        QCOMPARE(le16(b, 32), 4);          // bytes a frame
        QCOMPARE(le16(b, 34), 16);         // bits a sample
        QCOMPARE(b.mid(36, 4), "data");
        QCOMPARE(le32(b, 40), bytes);
        for (std::size_t i = 0; i < samples.size(); ++i)
            if (qFromLittleEndian<qint16>(b.constData() + 44 + 2 * i) != samples[i])
                QFAIL(qPrintable(QString("sample %1").arg(i)));
    }

    void wavOnAFailingDevice_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("partly");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused at once") << qint64(0) << false << "No space left on device";
        QTest::newRow("full after the header") << qint64(44) << false << "No space left on device";
        QTest::newRow("full in the data") << qint64(50000) << false << "No space left on device";
        QTest::newRow("takes part of the header")
                << qint64(10) << true << "not all of the sound could be written";
        QTest::newRow("takes part of the data")
                << qint64(50000) << true << "not all of the sound could be written";
        QTest::newRow("takes nothing after the header")
                << qint64(44) << true << "not all of the sound could be written";
    }

    void wavOnAFailingDevice()
    {
        QFETCH(qint64, room);
        QFETCH(bool, partly);
        QFETCH(QString, reason);
        Cramped device(room, partly);
        QCOMPARE(sound::writeWav(device, sound::plotSound({walk(-10, 10, 4, constant(1))})),
                 reason);
    }

    void playerWithoutSoundOutput()
    {
        sound::Player player;
        QSignalSpy started(&player, &sound::Player::started);
        QSignalSpy stopped(&player, &sound::Player::stopped);
        QSignalSpy unavailable(&player, &sound::Player::unavailable);
        player.play({});
        QCOMPARE(unavailable.count(), 0); // nothing to play
        player.play(sound::crosshairTone(0.5));
        QCOMPARE(unavailable.count(), 1);
        QVERIFY(unavailable.at(0).at(0).toString().contains("no sound output"));
        QVERIFY(!player.isPlaying());
        player.stop();
        QCOMPARE(started.count(), 0);
        QCOMPARE(stopped.count(), 0);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
