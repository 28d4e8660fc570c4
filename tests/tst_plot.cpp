// The catalogue, the limits' numbers and the Plot button, on a plot area of 10240 x 7680 twips
// (682 x 512 pixels) centred on (5120, 3840): one unit spans upper limit * 200000 / 7680 twips.
#include "images.h"
#include "plot/convert.h"
#include "plot/frame.h"
#include "plotarea.h"
#include "ui/runtimeerror.h"

#include <QSet>
#include <QTest>

#include <cmath>

using Points = QList<QPointF>;

namespace {

constexpr QRgb kBlack = 0xff000000, kWhite = 0xffffffff;
// The colour of the centre marker's ring, 100 twips from the centre at 45 degrees.
const auto ring = [](const PlotArea &area) { return area.at(5120 + 70.71f, 3840 + 70.71f); };
const auto axisWidth = [](const PlotArea &area) { // the x axis's, in pixels, at x = 100
    return box(area.P.image().copy(100, 0, 1, 512), [](QRgb c) { return c == kBlack; }).height();
};

} // namespace

class TestPlot : public QObject
{
    Q_OBJECT

private slots:
    // y of each family at x (c = 5, d = 7): the formulas, and the reciprocals' guards at poles.
    void evaluate_data()
    {
        QTest::addColumn<QList<double>>("codeXABY"); // y to 1 part in 10000; NaN: no family
        QTest::newRow("bcos(ax)") << QList<double> {1, 0.5, 2, 3, 3 * std::cos(1.0)};
        QTest::newRow("bsin(ax)") << QList<double> {2, 0.5, 2, 3, 3 * std::sin(1.0)};
        QTest::newRow("btan(ax)") << QList<double> {3, 0.5, 2, 3, 3 * std::tan(1.0)};
        QTest::newRow("bcosec(ax)") << QList<double> {4, 0.5, 2, 3, 1 / (3 * std::sin(1.0))};
        QTest::newRow("bcosec(ax) at x = 0 gives 10000") << QList<double> {4, 0, 2, 3, 10000};
        QTest::newRow("bsec(ax)") << QList<double> {5, 0.5, 2, 3, 1 / (3 * std::cos(1.0))};
        QTest::newRow("bsec(ax) with b = 0 gives 0.001") << QList<double> {5, 0.5, 2, 0, 0.001};
        QTest::newRow("bcot(ax)") << QList<double> {6, 0.5, 2, 3, 1 / (3 * std::tan(1.0))};
        QTest::newRow("bcot(ax) with b = 0 gives 10000") << QList<double> {6, 0.5, 2, 0, 10000};
        QTest::newRow("ax with a = 1 at x = 3 gives 2") << QList<double> {7, 3, 1, 0, 2};
        QTest::newRow("ax^2 at negative x") << QList<double> {8, -3, 2, 0, 18};
        QTest::newRow("ax^3 keeps the sign of x") << QList<double> {9, -2, 2, 0, -16};
        QTest::newRow("cubic: 7 x^3 + 2 x^2 + 3 x + 5") << QList<double> {10, 2, 2, 3, 75};
        QTest::newRow("a(e^bx) at x = 1, a = b = 1") << QList<double> {11, 1, 1, 1, 1.71432};
        QTest::newRow("a(e^bx): a = 2 times, b x = 1") << QList<double> {11, 0.5, 2, 2, 3.42864};
        QTest::newRow("no family 0") << QList<double> {0, 1, 1, 1, qQNaN()};
        QTest::newRow("no family 12") << QList<double> {12, 1, 1, 1, qQNaN()};
    }

    void evaluate()
    {
        QFETCH(QList<double>, codeXABY);
        const auto &v = codeXABY;
        const std::optional<double> y = plot::evaluate(v[0], v[1], {v[2], v[3], 5, 7});
        QCOMPARE(y.has_value(), !std::isnan(v[4]));
        QVERIFY2(!y || qAbs(*y / v[4] - 1) < 1e-4, qPrintable(QString::number(y.value_or(0))));
    }

    // The limits' captions read leniently: the leading number of the row's name, or 0.
    void lenient_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("") << 0.0;
        QTest::newRow(" \t-7abc") << -7.0;
        QTest::newRow("+.5") << 0.5;
        QTest::newRow("1E+2") << 100.0;
        QTest::newRow("25e-1.") << 2.5;
        QTest::newRow("5.e-") << 5.0;
        QTest::newRow("1e999") << 0.0;
    }

    void lenient()
    {
        QTEST(plot::lenientNumber(QString::fromLatin1(QTest::currentDataTag())), "value");
    }

    // The Plot button with a code, boxes a to d, limits ("_": empty): where the walk ended or why,
    // the marker even after an error, points (x, y) with a dot, points 3 pixels or more from one.
    void plot_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("end");
        QTest::addColumn<Points>("on");
        QTest::addColumn<Points>("off");
        const auto row = [](const char *name, QString setup, QString end, Points on = {},
                            Points off = {}) { QTest::newRow(name) << setup << end << on << off; };
        // y = sin x from x = -10 to 10, and y = x^3 + 2 x^2 + 3 x + 4 (a = 2, b = 3, c = 4, d = 1).
        const Points sine {{-10, std::sin(-10)}, {-M_PI / 2, -1}, {0, 0}, {9.999, std::sin(9.999)}};
        const Points besideSine {{-10.2, std::sin(-10.2)}, {M_PI / 2, 0}, {10.2, std::sin(10.2)}};
        const QString nines = QString(40, '9');
        row("bars untouched: one step, x = 0, no dot", "2 1 0 1 1 _ _", "0", {}, {{0, 0}});
        row("bsin(ax), a = b = 1", "2 1.5 1.5 1 1 -12 12", "10.001", sine, besideSine);
        row("-30..30: from -25 to below 25", "2 1 0 1 1 -30 30", "25", {{-6.5, 0}, {6.5, 0}});
        row("a line out past the right edge: nothing wraps to the left", "7 1.125 1 1 1 -30 30",
            "25", {{6.5, 3.25}}, {{-6.55, 3.28}});
        row("upper 0: every dot on the centre", "2 1 0 1 1 -3 0", "0.001", {{0, 0}});
        row("lower 0", "2 1 0 1 1 0 3", "2.501", {{0, 0}, {2.49, 0}}, {{-1, 0}, {3.5, 0}});
        row("cubic", "10 3 4.5 6 1.5 -12 12", "10.001", {{-1, 2}, {0, 4}, {1, 10}}, {{0, 0}});
        row("empty d=, unused by bsin", "2 1 1 1 _ -12 12", "\"d=\" is empty");
        row("no function chosen", "_ 1 1 1 1 _ _", "chosen");
        row("a= shown up to 40", "2 " + nines + "x 1 1 1 -3 3", '"' + nines + "\u2026\"");
        row("1e400 in c=", "2 1 1 1e400 1 -3 3", "\"c=\", \"1e400\", is too large");
        row("inf in d=", "2 1 1 1 inf -3 3", "\"d=\" holds \"inf\"");
        row("e^bx overflows", "11 1 1000 1 1 -30 30", "too large to hold", {{-2, 0}, {-0.01, 0}});
        row("ax^3 beyond single precision", "9 1e36 1 1 1 -30 30", "single precision");
        row("x + 0.001 is x: stopped", "2 1 0 1 1 -1e300 0", "too many", {{0, 0}});
    }

    void plot()
    {
        QFETCH(QString, setup);
        QFETCH(QString, end);
        QFETCH(Points, on);
        QFETCH(Points, off);
        const QStringList f = setup.split(' ').replaceInStrings("_", "");
        PlotArea area(f[0], f[5] + ' ' + f[6], f.mid(1, 4));
        QString got; // where the walk ended, or why
        try {
            plot::PlotRecord record;
            area.plot(&record);
            got = QString::number(record.x);
        } catch (const ui::RuntimeError &e) {
            got = e.detail();
        }
        QVERIFY2(end[0].isDigit() ? got == end : got.contains(end), qPrintable(got));
        QVERIFY(ring(area) != kWhite && box(area.P.image(), isRed).isNull() == on.isEmpty());
        const double unit = f[6].toDouble() * 200000 / 7680;
        for (const QPointF &p : on + off)
            QVERIFY(isRed(area.at(5120 + unit * p.x(), 3840 - unit * p.y())) == on.contains(p));
    }

    // Each plot's marker a ring of 100 twips in its own colour; the axes drawn 5 wide after a plot.
    void penWidthsMarkersAndClearing()
    {
        PlotArea area("2", "-12 12", {"1.5", "1.5", "1", "1"});
        QSet<QRgb> markers;
        for (int i = 0; i < 7; ++i)
            markers << (area.plot(), ring(area));
        QVERIFY(!markers.contains(kWhite) && !markers.contains(kBlack) && markers.size() == 7);
        QCOMPARE(area.at(5120 + 135, 3840 + 135), kWhite); // outside the ring
        for (const int width : {5, 3}) {                   // the plot's pen, then 3 again
            plot::P_DblClick(area.P);
            QVERIFY(box(area.P.image(), isRed).isNull() && ring(area) == kWhite);
            QCOMPARE(axisWidth(area), width);
            for (const QPointF &p : Points {{0, 3840}, {10220, 3840}, {5120, 0}, {5120, 7670}})
                QCOMPARE(area.at(p.x(), p.y()), kBlack); // from edge to edge
        }
    }
};

QTEST_MAIN(TestPlot)
#include "tst_plot.moc"
