// The plots and the crosshair as they sound, measured as a listener would hear them.
#include "plot/catalogue.h"
#include "signals.h"
#include "sound/player.h"

#include <QSignalSpy>
#include <QTest>

#include <complex>
#include <functional>

using namespace sound;
using Curve = std::function<double(double)>;
using Places = QList<double>;

Q_DECLARE_METATYPE(sound::Plot)

namespace {

const auto at = [](double seconds) { return std::llround(seconds * sampleRate); }; // frames

// The dots of y = f(x) as the Plot button walks it, on a sheet from `bottom` to `top`.
Plot walk(const Curve &f, double x0 = -10, double x1 = 10, double bottom = -4, double top = 4)
{
    Plot plot {x0, x1, bottom, top, {}};
    for (double x = x0; x <= x1; x += 0.001)
        plot.dots.emplace_back(x, f(x));
    return plot;
}

// y of a family of the catalogue, with a and b as the walk has them: divided by 1.5.
const auto family = [](int code, double a, double b) {
    return Curve([=](double x) { return *plot::evaluate(code, x, {a, b, 0, 0}); });
};
const auto level = [](double y) { return Curve([y](double) { return y; }); };
// Where x of a plot sounds, in frames from its start: the full range, 50 units, lasts 3 seconds.
const auto frameOf = [](const Plot &plot, double x) { return at((x - plot.x0) / 50 * 3); };

// The middles of the stretches where a tick's 4 kHz stands out, in frames.
std::vector<qint64> ticks(const Samples &s)
{
    std::vector<qint64> found;
    for (qint64 k = 0, first = -1; k + 128 <= frameCount(s); k += 32) {
        std::complex<double> sum; // in a Hann window of 128 frames
        for (int t = 0; t < 128; ++t)
            sum += (1 - std::cos(M_PI * t / 64)) * (s[2 * (k + t)] + s[2 * (k + t) + 1])
                    * std::polar(1.0, 2 * M_PI * 4000 * t / sampleRate);
        const bool loud = std::abs(sum) / 64 > 600;
        if (loud && first < 0)
            first = k;
        if (!loud && first >= 0)
            found.push_back((first + k) / 2 + 48), first = -1;
    }
    return found;
}

// No step between samples, from silence before to after, steeper than a steady top tone's.
bool clickless(const Samples &s)
{
    const auto steepest = [](const Samples &s, std::size_t from, std::size_t to) {
        int largest = 0;
        for (std::size_t k = from; k < to + 2; ++k)
            largest = std::max(largest,
                               std::abs((k < to ? s[k] : 0) - (k >= from + 2 ? s[k - 2] : 0)));
        return largest;
    };
    const int tone = steepest(crosshairTone(1, 0), 2 * at(0.02), 2 * at(0.12));
    return tone > 1000 && steepest(s, 0, s.size()) <= tone;
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    // The dots' pitch, and the crosshair's: 200 Hz at the sheet's bottom edge, 1600 Hz at its top.
    void pitchFollowsTheDots()
    {
        const Curve f = family(2, 0.5, 3);         // bsin(ax), a = 0.75 and b = 4.5 as typed
        const Plot plot = walk(f, -25, 25, -3, 5); // the edges, not the axis, fix the pitch
        const Samples s = plotSound({plot});
        const auto octaves = [](double hz) { return std::log(hz / 200) / std::log(8); };
        for (double x = -24.8; x < 24.8; x += 0.3) {
            const qint64 k = frameOf(plot, x);
            const double height = (f(x) + 3) / 8;
            if (qAbs(f(x)) > 0.3) // away from the ticks where the curve crosses the axis
                QVERIFY(qAbs(octaves(pitch(s, k - 220, k + 220)) - height) < 0.03);
            QVERIFY(qAbs(octaves(pitch(crosshairTone(height))) - height) < 0.01);
        }
        QVERIFY(qAbs(octaves(pitch(plotSound({walk(f, -25, 0, 0, 0)}))) - 0.5) < 0.01); // no height
    }

    // Beyond the sheet, softer noise about the nearer edge's pitch: a hiss above, a rumble below.
    void offTheSheetIsSofterNoise_data()
    {
        QTest::addColumn<double>("y"); // on a sheet from -4 to 4
        QTest::newRow("just above the top") << 4.5;
        QTest::newRow("far above, as tan near a pole") << 1e11;
        QTest::newRow("below the bottom") << -5.0;
    }

    void offTheSheetIsSofterNoise()
    {
        QFETCH(double, y);
        const Samples edge = crosshairTone(y > 0);
        for (const Samples &s : {plotSound({walk(level(y))}), crosshairTone((y + 4) / 8)}) {
            const qint64 n = frameCount(s);
            QVERIFY(qAbs(pitch(s, 0, n / 2) / pitch(s, n / 2, n) - 1) > 0.002); // unsteady
            const double softer = rms(s, n / 6, n - n / 6) / rms(edge);
            QVERIFY2(softer > 0.15 && softer < 0.6, qPrintable(QString::number(softer)));
            QVERIFY((y > 0 ? pitch(s) > 1000 : pitch(s) < 500) && clickless(s));
        }
    }

    // Along a plot: silence where dots do not join, a tick where it crosses y = 0, and no click.
    void alongAPlot_data()
    {
        QTest::addColumn<Plot>("plot");
        QTest::addColumn<Places>("silentAt"); // x, give or take 0.25; sound elsewhere
        QTest::addColumn<Places>("soundAt");
        QTest::addColumn<Places>("ticksAt");
        const auto row = [](const char *name, Plot plot, Places quiet, Places loud, Places ticks) {
            QTest::newRow(name) << plot << quiet << loud << ticks;
        };
        Plot holes = walk(level(1)); // as after an error at x = 9, which ends the walk
        std::erase_if(holes.dots, [](QPointF d) { return qAbs(d.x()) < 1 || qAbs(d.x()) > 9; });
        const Places multiples {-3 * M_PI, -2 * M_PI, -M_PI, 0, M_PI, 2 * M_PI, 3 * M_PI};
        const Places poles {-2.5 * M_PI, -1.5 * M_PI, -M_PI / 2, M_PI / 2, 1.5 * M_PI, 2.5 * M_PI};
        const Curve steps = [](double x) { return x < -5 ? -1.0 : x < 5 ? 1.0 : -3.5; };
        row("dots left out", holes, {-9.5, -0.55, 0, 0.55, 9.5}, {-8.7, 1.3, 8.5}, {});
        row("no dots", Plot {-10, 10, -4, 4, {}}, {-9.7, 0, 9.7}, {}, {});
        row("tan jumps at its poles", walk(family(3, 1, 0.3)), poles, {0.27, 2.87}, multiples);
        row("a step of 1/4 of the sheet joins, of 9/16 not", walk(steps), {5}, {-5, 6.3}, {-5});
        row("sine", walk(family(2, 1, 1)), {}, {}, multiples);
        row("the full range", walk(family(2, 0.2, 3), -25, 25), {}, {}, {-5 * M_PI, 0, 5 * M_PI});
    }

    void alongAPlot()
    {
        QFETCH(Plot, plot);
        QFETCH(Places, silentAt);
        QFETCH(Places, soundAt);
        QFETCH(Places, ticksAt);
        const Samples s = plotSound({plot});
        QVERIFY(qAbs(frameCount(s) - frameOf(plot, plot.x1)) < at(0.01) && clickless(s));
        for (double x : silentAt + soundAt) {
            const double loudness = rms(s, frameOf(plot, x - 0.25), frameOf(plot, x + 0.25));
            QVERIFY(silentAt.contains(x) ? loudness == 0 : loudness > 500);
        }
        const std::vector<qint64> heard = ticks(s);
        QCOMPARE(heard.size(), std::size_t(ticksAt.size()));
        for (std::size_t i = 0; i < heard.size(); ++i)
            QVERIFY(qAbs(heard[i] - frameOf(plot, ticksAt[i])) < at(0.008));
    }

    void denseCrossingsTickApart() // crossings every 3 ms: ticks that stay apart, not a whistle
    {
        const std::size_t heard = ticks(plotSound({walk(family(2, 60, 0.5))})).size();
        QVERIFY2(heard > 20 && heard < 45, qPrintable(QString::number(heard)));
    }

    // Plots play in the order drawn, a pause between them, each from left to right, clickless.
    void plotsInTurn()
    {
        const Samples s = plotSound({walk(family(7, 0.7, 0)), walk(level(3.9), -5, 5)});
        QVERIFY(qAbs(frameCount(s) - at(2.1)) < at(0.01) && clickless(s));
        QVERIFY(pitch(s, at(0.1), at(0.2)) < 300 && rms(s, at(1.21), at(1.5)) == 0
                && pitch(s, at(1.6), at(1.9)) > 1000);
        QVERIFY(balance(s, 0, at(0.12)) > 3 && qAbs(balance(s, at(0.54), at(0.66)) - 1) < 0.1);
        QVERIFY(balance(s, at(1.08), at(1.2)) < 1.0 / 3 && balance(s, at(1.5), at(1.56)) > 3);
        const Samples noWidth
                = plotSound({walk(level(1), 0, 1), walk(level(1), 0, 0), walk(level(1), 0, 1)});
        QVERIFY(qAbs(frameCount(noWidth) - at(0.42)) < at(0.01) && plotSound({}).empty());
    }

    void crosshair() // 0.15 s of tone, placed where the crosshair stands; none at no height
    {
        QVERIFY(crosshairTone(std::nan("")).empty() && frameCount(crosshairTone(0.5)) == at(0.15));
        QVERIFY(balance(crosshairTone(0.5, 0)) > 3 && balance(crosshairTone(0.5, 1)) < 1.0 / 3);
        QCOMPARE(balance(crosshairTone(0.5, std::nan(""))), 1.0); // a walk of no width
    }

    void playerWithoutSoundOutput()
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/curvanta-test"); // whatever this machine has
        Player player;
        QSignalSpy started(&player, &Player::started), stopped(&player, &Player::stopped);
        QSignalSpy unavailable(&player, &Player::unavailable);
        player.play({}); // nothing to play, nothing to say
        player.play(crosshairTone(0.5));
        player.stop();
        QCOMPARE(unavailable.count(), 1);
        QVERIFY(unavailable.at(0).at(0).toString().contains("no sound output"));
        QVERIFY(!player.isPlaying() && started.count() + stopped.count() == 0);
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
