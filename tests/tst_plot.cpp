// The catalogue, the conversions, the surface and the Plot button, on a plot area of 10240 x 7680
// twips (682 x 512 pixels) centred on (5120, 3840): one unit spans upper limit * 200000 / 7680.
#include "plot/catalogue.h"
#include "plot/convert.h"
#include "plot/frame.h"
#include "plotarea.h"
#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <numbers>
#include <tuple>

using Points = QList<QPointF>;

namespace {

constexpr QRgb kRed = 0xffff0000, kBlack = 0xff000000, kWhite = 0xffffffff;

// The smallest rectangle holding every pixel of `colour` within `area`.
QRect inkBox(const QImage &image, QRgb colour, QRect area = QRect(0, 0, 682, 512))
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            box |= image.pixel(x, y) == colour ? QRect(x, y, 1, 1) : QRect();
    return box;
}

// The colour of the centre marker's ring, 100 twips from the centre at 45 degrees.
QRgb ring(const PlotArea &area)
{
    return area.P.pixelAt(5120 + 70.71f, 3840 + 70.71f);
}

} // namespace

class TestPlot : public QObject
{
    Q_OBJECT

private slots:
    void evaluate_data()
    {
        QTest::addColumn<QList<double>>("codeXBY"); // with a = 2, c = 5 and d = 7
        const double sin1 = std::sin(1.0), cos1 = std::cos(1.0), tan1 = std::tan(1.0);
        // At x = 0.5, a x = 1: a coefficient in the wrong place changes the value.
        QTest::newRow("bcos") << QList<double> {1, 0.5, 3, 3 * cos1};
        QTest::newRow("bsin") << QList<double> {2, 0.5, 3, 3 * sin1};
        QTest::newRow("btan") << QList<double> {3, 0.5, 3, 3 * tan1};
        QTest::newRow("bcosec: b divides") << QList<double> {4, 0.5, 3, 1 / (3 * sin1 + 1e-4)};
        QTest::newRow("bsec: b divides") << QList<double> {5, 0.5, 3, 1 / (3 * cos1)};
        QTest::newRow("bcot: b divides") << QList<double> {6, 0.5, 3, 1 / (3 * tan1 + 1e-4)};
        QTest::newRow("ax divides by 1.5 once more") << QList<double> {7, 3, 3, 4};
        QTest::newRow("ax^2 at negative x") << QList<double> {8, -3, 3, 18};
        QTest::newRow("ax^3 keeps the sign of x") << QList<double> {9, -2, 3, -16};
        QTest::newRow("cubic: 7 x^3 + 2 x^2 + 3 x + 5") << QList<double> {10, 2, 3, 75};
        QTest::newRow("a(e^bx): base 1.71432")
                << QList<double> {11, 0.5, 3, 2 * std::pow(1.71432, 1.5)};
        QTest::newRow("b = 0: bsec gives 0.001") << QList<double> {5, 0.5, 0, 0.001};
        QTest::newRow("no entry 0") << QList<double> {0, 1, 1, NAN};
        QTest::newRow("no entry 12") << QList<double> {12, 1, 1, NAN};
    }

    void evaluate()
    {
        QFETCH(QList<double>, codeXBY);
        const auto y = plot::evaluate(codeXBY[0], codeXBY[1], {2, codeXBY[2], 5, 7});
        QCOMPARE(y.has_value(), !std::isnan(codeXBY[3]));
        QVERIFY2(!y || std::abs(*y - codeXBY[3]) <= 1e-12 * std::max(1.0, std::abs(*y)),
                 qPrintable(QString::number(y.value_or(0), 'g', 17)));
    }

    void lenient_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const std::tuple<const char *, const char *, double> rows[] {
                {"empty", "", 0},       {"letters", "abc", 0},   {"12abc", "12abc", 12},
                {"-30", "-30", -30},    {"+3", "+3", 3},         {"blank, tab", " \t7", 7},
                {"CR, LF", "\r\n8", 8}, {"1.5", "1.5", 1.5},     {".5", ".5", 0.5},
                {"5.", "5.", 5},        {"-", "-", 0},           {"1e3", "1e3", 1000},
                {"1E+2", "1E+2", 100},  {"25e-1", "25e-1", 2.5}, {"1e", "1e", 1},
                {"1e-", "1e-", 1},      {"1e999", "1e999", 0},   {"--1", "--1", 0}};
        for (const auto &[name, text, value] : rows)
            QTest::newRow(name) << QString::fromLatin1(text) << value;
    }

    void lenient()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(plot::lenientNumber(text), value);
    }

    void surface_data()
    {
        QTest::addColumn<int>("pen");
        QTest::addColumn<QLineF>("line"); // twips
        QTest::addColumn<QRect>("red");   // pixels
        QTest::newRow("a round dot 5 pixels wide")
                << 5 << QLineF(1500, 750, 1499.9, 750.1) << QRect(98, 48, 5, 5);
        QTest::newRow("a dot half off the corner") << 5 << QLineF(0, 0, 0, 0) << QRect(0, 0, 3, 3);
        QTest::newRow("a line from far left to far right")
                << 3 << QLineF(-1e7, 3000, 1e7, 3000) << QRect(0, 199, 682, 3);
        QTest::newRow("a line wholly outside") << 5 << QLineF(10000, -100, 12000, -2000) << QRect();
    }

    void surface()
    {
        QFETCH(int, pen);
        QFETCH(QLineF, line);
        QFETCH(QRect, red);
        PlotArea area;
        area.P.setDrawWidth(pen);
        area.P.line(line.x1(), line.y1(), line.x2(), line.y2(), ui::rgb(255, 0, 0));
        area.P.circle(3000, 3000, 1e12, ui::rgb(255, 0, 0)); // far beyond the area: nothing
        QCOMPARE(inkBox(area.P.image(), kRed), red);
        QVERIFY(red.width() != 5 || area.P.image().pixel(red.topLeft()) == kWhite);
        QVERIFY_THROWS_EXCEPTION(ui::RuntimeError, area.P.place(0, 0, 1.5e9f, 1.5e9f));
        QCOMPARE(ui::Screen::mapping().pixelRect(-1e30, 0, 2e30, 1).width(), 33554430); // saturated
    }

    void plot_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("boxes"); // a, b, c and d; "_" for an empty box
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("result"); // the x the walk ended at, or words of the error
        QTest::addColumn<Points>("on");      // (x, y) points of the graph, drawn
        QTest::addColumn<Points>("off");     // and points 3 pixels or more from every dot
        const auto row = [](const char *name, const char *code, const char *boxes,
                            const char *range, const char *result, Points on, Points off = {}) {
            QTest::newRow(name) << code << boxes << range << result << on << off;
        };
        const double pi = std::numbers::pi;
        row("bars untouched: the one step x = 0 draws nothing", "2", "1 0 1 1", " ", "0", {},
            {{0, 0}});
        // a = b = 1: X = 5120 + 312.5 x, Y = 3840 - 312.5 sin x, x from -10 to 10.
        row("bsin(ax), the worked example", "2", "1.5 1.5 1 1", "-12 12", "10.001",
            {{-10, std::sin(-10)}, {-pi / 2, -1}, {0, 0}, {9.999, std::sin(9.999)}},
            {{-10.2, std::sin(-10.2)}, {pi / 2, 0}, {10.2, std::sin(10.2)}});
        row("-30..30 from -25 to just below 25, past both edges", "2", "1 0 1 1", "-30 30", "25",
            {{-6.5, 0}, {6.5, 0}});
        row("upper 0: every dot on the centre, x never exactly 0", "2", "1 0 1 1", "-3 0", "0.001",
            {{0, 0}});
        row("lower 0: from the centre to the right only", "2", "1 0 1 1", "0 3", "2.501",
            {{0, 0}, {2.49, 0}}, {{-1, 0}, {3.5, 0}});
        // a = 2, b = 3, c = 4, d = 1: y = x^3 + 2 x^2 + 3 x + 4.
        row("cubic: each box in its place", "10", "3 4.5 6 1.5", "-12 12", "10.001",
            {{-2, -2}, {-1, 2}, {0, 4}, {0.5, 6.125}, {1, 10}}, {{0, 0}});
        row("empty d=, which bsin does not use", "2", "1 1 1 _", "-12 12", "\"d=\" is empty", {});
        row("no function chosen, bars untouched", "", "1 1 1 1", " ", "chosen", {});
        row("letters in a=, shown up to 40", "2", "1234567890123456789012345678901234567890x 1 1 1",
            "-3 3", "\"a=\" holds \"1234567890123456789012345678901234567890\u2026\"", {});
        row("1e400 in c=", "2", "1 1 1e400 1", "-3 3", "\"c=\", \"1e400\", is too large", {});
        row("inf in d=", "2", "1 1 1 inf", "-3 3", "\"d=\" holds \"inf\"", {});
        row("a(e^bx) with b = 1000 overflows right of 0", "11", "1 1000 1 1", "-30 30",
            "too large to hold", {{-2, 0}, {-0.01, 0}});
        row("ax^3 beyond the single range at the first dot", "9", "1e36 1 1 1", "-30 30",
            "single precision", {});
        row("x + 0.001 is x: stopped, not endless", "2", "1 0 1 1", "-1e300 0", "too many",
            {{0, 0}});
    }

    void plot()
    {
        QFETCH(QString, code);
        QFETCH(QString, boxes);
        QFETCH(QString, range);
        QFETCH(QString, result);
        QFETCH(Points, on);
        QFETCH(Points, off);
        PlotArea area(code, range, boxes.split(' ').replaceInStrings("_", ""));
        QString error;
        plot::PlotRecord record;
        try {
            area.plot(&record);
        } catch (const ui::RuntimeError &e) {
            error = e.detail();
        }
        QVERIFY2(!result[0].isDigit() || std::abs(record.x - result.toDouble()) < 1e-6,
                 qPrintable(QString::number(record.x, 'g', 17)));
        QVERIFY2(error.contains(result) || (result[0].isDigit() && error.isEmpty()),
                 qPrintable(error));
        if (const auto m = record.mapping) // its inverse gives the coordinates under the pointer
            QCOMPARE(m->invertible() ? QPointF(m->toGraphX(m->toX(0.75)), m->toGraphY(m->toY(-2)))
                                     : QPointF(),
                     range.endsWith(" 0") ? QPointF() : QPointF(0.75, -2));
        QVERIFY(ring(area) != kWhite); // the marker stays, even when the first step fails
        QCOMPARE(inkBox(area.P.image(), kRed).isNull(), on.isEmpty());
        const double unit = range.section(' ', 1).toDouble() * 200000 / 7680;
        for (const QPointF &p : on + off)
            QVERIFY2((area.P.pixelAt(5120 + unit * p.x(), 3840 - unit * p.y()) == kRed)
                             == on.contains(p),
                     qPrintable(QString::number(p.x())));
    }

    void penWidthsMarkersAndClearing()
    {
        PlotArea area("2", "-12 12", {"1.5", "1.5", "1", "1"});
        plot::P_DblClick(area.P); // before any plot: the axes, 3 pixels wide, edge to edge
        for (const QPointF &p : Points {{0, 3840}, {10220, 3840}, {5120, 0}, {5120, 7670}})
            QCOMPARE(area.P.pixelAt(p.x(), p.y()), kBlack);
        QCOMPARE(inkBox(area.P.image(), kBlack, {100, 0, 1, 512}).height(), 3);
        area.plot();
        QCOMPARE(area.P.drawWidth(), 5);
        QVERIFY(ring(area) != kWhite && ring(area) != kBlack);
        QCOMPARE(area.P.pixelAt(5120 + 135, 3840 + 135), kWhite); // the ring's radius is 100
        QSet<QRgb> markers {ring(area)}; // every plot's marker in a colour of its own
        for (int i = 0; i < 6; ++i) {
            area.plot();
            markers << ring(area);
        }
        QVERIFY(!markers.contains(kWhite) && !markers.contains(kBlack));
        QCOMPARE(markers.size(), 7);
        plot::P_DblClick(area.P); // after a plot: redrawn 5 wide, then the pen is set to 3
        QCOMPARE(inkBox(area.P.image(), kRed), QRect());
        QCOMPARE(ring(area), kWhite);
        QCOMPARE(inkBox(area.P.image(), kBlack, {100, 0, 1, 512}).height(), 5);
        QCOMPARE(area.P.drawWidth(), 3);
        plot::P_DblClick(area.P);
        QCOMPARE(inkBox(area.P.image(), kBlack, {100, 0, 1, 512}).height(), 3);
    }
};

QTEST_MAIN(TestPlot)
#include "tst_plot.moc"
