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

// A walk as the Plot button makes it, on a sheet from -half to half: x from x0 by steps of 0.001
// while x <= x1; an error ends it, and the dots drawn before stay.
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

const auto constant
        = [](double y) { return std::function<double(double)>([y](double) { return y; }); };
const auto frames = [](double seconds) { return std::llround(seconds * rate); };
// Where x of a plot's walk sounds, in frames from the start of the plot: the full range of 50
// units lasts 3 seconds.
const auto frameAt
        = [](const sound::Plot &plot, double x) { return frames((x - plot.x0) / 50 * 3); };
const auto length = [](const Samples &s) { return qint64(s.size()) / 2; };
const auto mono = [](const Samples &s, qint64 k) { return double(s[2 * k]) + s[2 * k + 1]; };

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
    double mean = (at.back() - at.front()) / (at.size() - 1), spread = 0;
    for (std::size_t i = 1; i < at.size(); ++i)
        spread += std::pow(at[i] - at[i - 1] - mean, 2) / (at.size() - 1);
    return std::sqrt(spread) / mean;
}

// Root mean square over [from, to) of channel 0 (left), 1 (right) or 2 (both: the power of the
// two, wherever the sound stands).
double rms(const Samples &s, qint64 from, qint64 to, int channel = 2)
{
    double sum = 0;
    for (qint64 k = from; k < to; ++k)
        for (int c = 0; c < 2; ++c)
            sum += c == channel || channel == 2 ? std::pow(s[2 * k + c], 2) : 0;
    return std::sqrt(sum / (to - from));
}

bool silent(const Samples &s, qint64 from, qint64 to)
{
    for (qint64 k = std::max<qint64>(from, 0); k < std::min(to, length(s)); ++k)
        if (s[2 * k] != 0 || s[2 * k + 1] != 0)
            return false;
    return true;
}

// The middles of the stretches where a tick's frequency, 4 kHz, stands out, in frames.
std::vector<qint64> ticks(const Samples &s)
{
    constexpr int n = 128;
    const auto loud = [&](qint64 from) {
        double re = 0, im = 0;
        for (int t = 0; t < n; ++t) {
            const double w = (0.5 - 0.5 * std::cos(2 * M_PI * t / n)) * mono(s, from + t);
            re += w * std::cos(2 * M_PI * 4000 * t / rate);
            im += w * std::sin(2 * M_PI * 4000 * t / rate);
        }
        return 4 * std::hypot(re, im) / n > 600;
    };
    std::vector<qint64> found;
    qint64 first = -1;
    for (qint64 k = 0; k + n <= length(s); k += 32) {
        const bool now = loud(k);
        if (now && first < 0)
            first = k;
        else if (!now && first >= 0) {
            found.push_back((first + k) / 2 + n / 2 - 16);
            first = -1;
        }
    }
    return found;
}

// A device that takes `room` bytes and then refuses; with `partly`, it takes what fits instead,
// nothing at all once full, and says nothing.
struct Cramped : QIODevice
{
    Cramped(qint64 room, bool partly) : room(room), partly(partly) { open(WriteOnly | Unbuffered); }
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        const qint64 fits = std::min(size, room);
        if (fits < size && !partly) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        room -= fits;
        return fits;
    }
    qint64 room; // bytes left
    bool partly;
};

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

    // A height on the sheet is a tone from 200 Hz at the bottom edge to 1600 Hz at the top,
    // beyond the edges a softer hiss above or rumble below; the crosshair sounds the same.
    void soundOfAHeight_data()
    {
        QTest::addColumn<sound::Plot>("plot");
        QTest::addColumn<double>("height"); // 0 the bottom edge, 1 the top: the crosshair's
        QTest::addColumn<double>("hz");     // the tone's, or the middle of the noise's band
        QTest::addColumn<bool>("noise");
        // A sheet from -3 to 5, not centred on y = 0: the edges, not the axis, fix the pitch.
        const auto level = [](double height) {
            sound::Plot plot = walk(-10, 10, 0, constant(-3 + 8 * height));
            plot.yBottom = -3;
            plot.yTop = 5;
            return plot;
        };
        QTest::newRow("bottom edge 200 Hz") << level(0) << 0.0 << 200.0 << false;
        QTest::newRow("a quarter up 336 Hz") << level(0.25) << 0.25 << 336.4 << false;
        QTest::newRow("middle 566 Hz") << level(0.5) << 0.5 << 565.7 << false;
        QTest::newRow("top edge 1600 Hz") << level(1) << 1.0 << 1600.0 << false;
        QTest::newRow("just above the top") << level(1.0625) << 1.2 << 1600.0 << true;
        QTest::newRow("far above, as tan near a pole") << level(1e11) << 1.2 << 1600.0 << true;
        QTest::newRow("below the bottom") << level(-0.25) << -0.2 << 200.0 << true;
        // Upper limit 0: every dot on the centre of a sheet without height, no ticks.
        QTest::newRow("a sine on a flat sheet plays the middle")
                << walk(-25, 0, 0, family(2, 1, 1)) << 0.5 << 565.7 << false;
    }

    void soundOfAHeight()
    {
        QFETCH(sound::Plot, plot);
        QFETCH(double, height);
        QFETCH(double, hz);
        QFETCH(bool, noise);
        const Samples s = sound::plotSound({plot});
        const Samples tone = sound::crosshairTone(height);
        if (!noise) {
            for (double t = 0.1; t < 1.1; t += 0.2)
                QVERIFY(qAbs(pitch(s, frames(t), frames(t + 0.1)) / hz - 1) < 0.01);
            QVERIFY(qAbs(pitch(tone, 0, length(tone)) / hz - 1) < 0.01);
            return;
        }
        const qint64 from = frames(0.2), to = frames(1.0);
        QVERIFY(unsteadiness(s, from, to) > 0.2);
        QVERIFY(unsteadiness(tone, 0, length(tone)) > 0.2);
        const Samples edge = sound::crosshairTone(hz > 1000 ? 1 : 0);
        const double softer = rms(s, from, to) / rms(edge, 0, length(edge));
        QVERIFY2(softer > 0.15 && softer < 0.6, qPrintable(QString::number(softer)));
        const double crossings = pitch(s, from, to); // noise crosses zero about its band's rate
        QVERIFY(hz > 1000 ? crossings > 1000 : crossings < 500);
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
            const double heard = std::log(pitch(s, at - 220, at + 220) / 200) / std::log(8);
            QVERIFY2(qAbs(heard - (f(x) + 4) / 8) < 0.03, qPrintable(QString::number(x)));
            ++compared;
        }
        QVERIFY(compared > 100);
    }

    // Where dots are missing (left out by the caller, after an error) or jump by more than half
    // the sheet (tan at its poles), a silence long enough to be heard; sound again soon after.
    void silenceWhereDotsDoNotJoin_data()
    {
        QTest::addColumn<sound::Plot>("plot");
        QTest::addColumn<QList<double>>("silentAt"); // x, give or take 0.3
        QTest::addColumn<QList<double>>("soundAt");  // x, give or take a fifth
        sound::Plot holes = walk(-10, 10, 4, constant(1));
        std::erase_if(holes.dots, [](const QPointF &d) { return qAbs(d.x()) < 1 || d.x() < -9; });
        QTest::newRow("dots left out")
                << holes << QList<double> {-9.5, -0.55, 0, 0.55} << QList<double> {-8.7, -1.3, 1.3};
        QList<double> poles, beside;
        for (double pole = -2.5 * M_PI; pole < 10; pole += M_PI) {
            poles << pole;
            beside << pole - 1.3 << pole + 1.3;
        }
        QTest::newRow("tan") << walk(-10, 10, 4, family(3, 1, 1)) << poles << beside;
        QTest::newRow("a(e^bx) overflows at x = 8.78")
                << walk(-10, 10, 4, family(11, 1, 150)) << QList<double> {9.2, 9.7}
                << QList<double> {8.5};
        QTest::newRow("an error at the first step") << walk(-10, 10, 4, [](double) -> double {
            throw ui::RuntimeError(ui::RuntimeError::Kind::DivisionByZero, {});
        }) << QList<double> {-9.7, 0, 9.7} << QList<double> {};
    }

    void silenceWhereDotsDoNotJoin()
    {
        QFETCH(sound::Plot, plot);
        QFETCH(QList<double>, silentAt);
        QFETCH(QList<double>, soundAt);
        const Samples s = sound::plotSound({plot});
        QVERIFY(qAbs(length(s) - frames(1.2)) < frames(0.02)); // the walk's time all the same
        for (double x : silentAt)
            QVERIFY2(silent(s, frameAt(plot, x - 0.3), frameAt(plot, x + 0.3)),
                     qPrintable(QString::number(x)));
        for (double x : soundAt)
            QVERIFY2(rms(s, frameAt(plot, x - 0.2), frameAt(plot, x + 0.2)) > 500,
                     qPrintable(QString::number(x)));
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
        const std::vector<qint64> heard = ::ticks(sound::plotSound({plot}));
        QCOMPARE(heard.size(), std::size_t(crossings.size()));
        for (std::size_t i = 0; i < heard.size(); ++i)
            QVERIFY2(qAbs(heard[i] - frameAt(plot, crossings[i])) < frames(0.008),
                     qPrintable(QString("tick %1 at %2 s").arg(i).arg(heard[i] / rate)));
    }

    // A curve that crosses the axis every 3 ms: ticks that stay apart, not a whistle.
    void denseCrossingsTickApart()
    {
        const std::size_t heard
                = ::ticks(sound::plotSound({walk(-10, 10, 4, family(2, 60, 0.5))})).size();
        QVERIFY2(heard > 20 && heard < 45, qPrintable(QString::number(heard)));
    }

    void panFollowsX()
    {
        const sound::Plot line = walk(-10, 10, 4, constant(1));
        const Samples s = sound::plotSound({line, line});
        const qint64 plot = frameAt(line, 10), tenth = plot / 10;
        const auto balance = [&](qint64 from) {
            return rms(s, from, from + tenth, 0) / rms(s, from, from + tenth, 1);
        };
        for (const qint64 start : {qint64(0), length(s) - plot}) {
            QVERIFY(balance(start) > 3);
            QVERIFY(qAbs(balance(start + plot / 2 - tenth / 2) - 1) < 0.1);
            QVERIFY(balance(start + plot - tenth) < 1.0 / 3);
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
        QTest::addColumn<Samples>("sound");
        QTest::addColumn<double>("seconds");
        const auto line = [](double x0, double x1) { return walk(x0, x1, 4, constant(1)); };
        const auto play = [](std::vector<sound::Plot> plots) { return sound::plotSound(plots); };
        QTest::newRow("the full range, -25 to 25") << play({line(-25, 25)}) << 3.0;
        QTest::newRow("-10 to 10") << play({line(-10, 10)}) << 1.2;
        QTest::newRow("0 to 0.83") << play({line(0, 0.8333)}) << 0.05;
        QTest::newRow("two plots and a pause") << play({line(-10, 10), line(0, 10)}) << 2.1;
        QTest::newRow("no plots") << play({}) << 0.0;
        QTest::newRow("a plot of no width") << play({line(0, 0)}) << 0.0;
        QTest::newRow("no pause for a plot of no width")
                << play({line(0, 1), line(0, 0), line(0, 1)}) << 0.42;
        QTest::newRow("the crosshair's tone") << sound::crosshairTone(0.5) << 0.15;
        QTest::newRow("the crosshair at no height") << sound::crosshairTone(std::nan("")) << 0.0;
    }

    void duration()
    {
        QFETCH(Samples, sound);
        QFETCH(double, seconds);
        QVERIFY2(qAbs(length(sound) / rate - seconds) < 0.01,
                 qPrintable(QString::number(length(sound) / rate)));
    }

    void plotsPlayInOrder()
    {
        const Samples s
                = sound::plotSound({walk(-10, 10, 4, constant(-3)), walk(0, 10, 4, constant(3))});
        QVERIFY(pitch(s, frames(0.5), frames(0.7)) < 300);
        QVERIFY(silent(s, frames(1.21), frames(1.5)));
        QVERIFY(pitch(s, frames(1.6), frames(1.9)) > 1000);
    }

    void noClicks_data()
    {
        QTest::addColumn<Samples>("sound");
        const auto play = [](std::vector<sound::Plot> plots) { return sound::plotSound(plots); };
        QTest::newRow("line from below the sheet to above it")
                << play({walk(-10, 10, 4, family(7, 0.7, 0))});
        QTest::newRow("two plots, the second starting high")
                << play({walk(-10, 10, 4, constant(-3)), walk(-5, 5, 4, constant(3.9))});
        QTest::newRow("sine beyond the sheet, with ticks")
                << play({walk(-25, 25, 4, family(2, 2, 6))});
        QTest::newRow("tan with its poles") << play({walk(-25, 25, 4, family(3, 1, 1))});
        QTest::newRow("steep sine broken into dots")
                << play({walk(-10, 10, 4, family(2, 3000, 3.5))});
        QTest::newRow("an error mid-walk") << play({walk(-10, 10, 4, family(11, 1, 150))});
        QTest::newRow("crosshair above the sheet") << sound::crosshairTone(1.5, 1);
    }

    // No step between samples, from silence before the first to silence after the last, is
    // larger than the steepest a steady tone at the top of the sheet takes by itself, on the
    // left where the left channel is at its loudest.
    void noClicks()
    {
        QFETCH(Samples, sound);
        const auto largestStep = [](const Samples &s, std::size_t from, std::size_t to) {
            int largest = 0;
            for (std::size_t k = from; k < to + 2; ++k)
                largest = std::max(largest,
                                   std::abs((k < to ? s[k] : 0) - (k >= from + 2 ? s[k - 2] : 0)));
            return largest;
        };
        const Samples top = sound::crosshairTone(1, 0);
        const int steepest = largestStep(top, 2 * frames(0.02), 2 * frames(0.12));
        QVERIFY(steepest > 1000);
        QVERIFY(largestStep(sound, 0, sound.size()) <= steepest);
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
        // PCM, stereo, 44100 frames and 176400 bytes a second, 4 bytes a frame, 16 bits a sample.
        const quint32 bytes = quint32(samples.size() * 2);
        QByteArray wanted;
        QDataStream out(&wanted, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out.writeRawData("RIFF", 4);
        out << 36 + bytes;
        out.writeRawData("WAVEfmt ", 8);
        out << quint32(16) << quint16(1) << quint16(2) << quint32(44100) << quint32(176400)
            << quint16(4) << quint16(16);
        out.writeRawData("data", 4);
        out << bytes;
        for (qint16 sample : samples)
            out << sample;
        QVERIFY(file.data() == wanted);
    }

    void wavOnAFailingDevice_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("partly");
        QTest::addColumn<QString>("reason");
        const QString full = "No space left on device",
                      part = "not all of the sound could be written";
        QTest::newRow("refused at once") << qint64(0) << false << full;
        QTest::newRow("full in the data") << qint64(50000) << false << full;
        QTest::newRow("takes part of the header") << qint64(10) << true << part;
        QTest::newRow("takes part of the data") << qint64(50000) << true << part;
        QTest::newRow("takes nothing after the header") << qint64(44) << true << part;
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
        QCOMPARE(started.count() + stopped.count(), 0);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
