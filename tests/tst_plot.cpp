// The catalogue, the conversions of text to numbers, the choice from the list, the drawing surface
// and the Plot button. The plot area is 10240 x 7680 twips (682 x 512 pixels), its centre at
// (5120, 3840); with the upper limit U, one unit of x or y spans U * 200000 / 7680 twips.
#include "plot/catalogue.h"
#include "plot/convert.h"
#include "plot/frame.h"
#include "plot/selection.h"
#include "plotarea.h"
#include "ui/combobox.h"
#include "ui/runtimeerror.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <cmath>
#include <numbers>

using Kind = ui::RuntimeError::Kind;
using Points = QList<QPointF>;

namespace {

constexpr QRgb kRed = 0xffff0000, kBlack = 0xff000000, kCyan = 0xff00ffff;

QRect redIn(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == kRed)
                box |= QRect(x, y, 1, 1);
    return box;
}

int blackInColumn(const QImage &image, int column)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += image.pixel(column, y) == kBlack;
    return count;
}

// The colour of the centre marker's ring, 100 twips from the centre at 45 degrees.
QRgb ring(const PlotArea &area)
{
    return area.P.pixelAt(5120 + 70.71f, 3840 + 70.71f);
}

template<typename Call> std::optional<Kind> failure(Call call)
{
    try {
        call();
    } catch (const ui::RuntimeError &error) {
        return error.kind();
    }
    return std::nullopt;
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
        QTest::newRow("b = 0: bsin gives 0") << QList<double> {2, 0.5, 0, 0};
        QTest::newRow("b = 0: bcosec gives 10000") << QList<double> {4, 0.5, 0, 1e4};
        QTest::newRow("b = 0: bsec gives 0.001") << QList<double> {5, 0.5, 0, 0.001};
        QTest::newRow("b = 0: bcot gives 10000") << QList<double> {6, 0.5, 0, 1e4};
        QTest::newRow("x = 0: bsec gives 1 / b") << QList<double> {5, 0, 4, 0.25};
    }

    void evaluate()
    {
        QFETCH(QList<double>, codeXBY);
        const auto y = plot::evaluate(codeXBY[0], codeXBY[1], {2, codeXBY[2], 5, 7});
        QVERIFY(y.has_value());
        QVERIFY2(std::abs(*y - codeXBY[3]) <= 1e-12 * std::max(1.0, std::abs(*y)),
                 qPrintable(QString::number(*y, 'g', 17)));
    }

    void noEntryAndArithmeticErrors()
    {
        for (double code : {0.0, 1.5, 12.0})
            QVERIFY(!plot::evaluate(code, 1, {1, 1, 1, 1}));
        QCOMPARE(failure([] { plot::evaluate(11, 30, {1, 100, 1, 1}); }), Kind::Overflow);
        QCOMPARE(failure([] { plot::evaluate(8, 1e200, {1, 1, 1, 1}); }), Kind::Overflow);
        // b sin(a x) = -0.0001 exactly: the cosecant divides by zero.
        const double x = -std::numbers::pi / 2;
        QCOMPARE(failure([x] { plot::evaluate(4, x, {1, 1e-4, 1, 1}); }), Kind::DivisionByZero);
    }

    void lenient_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const std::pair<const char *, double> rows[] {
                {"", 0},     {"abc", 0},   {"12abc", 12}, {"-30", -30},  {"+3", 3},
                {" \t7", 7}, {"\r\n8", 8}, {"1.5", 1.5},  {".5", 0.5},   {"5.", 5},
                {"-", 0},    {"-.e1", 0},  {"1e3", 1000}, {"1E+2", 100}, {"25e-1", 2.5},
                {"1e", 1},   {"1e-", 1},   {"1e999", 0},  {"--1", 0},    {"3.5.1", 3.5}};
        for (const auto &[text, value] : rows)
            QTest::newRow(*text ? text : "empty") << QString::fromLatin1(text) << value;
    }

    void lenient()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(plot::lenientNumber(text), value);
    }

    void choiceFromTheList()
    {
        QWidget window;
        ui::ComboBox l1(&window);
        ui::TextBox Text1(&window);
        for (const plot::Entry &entry : plot::catalogue())
            l1.addItem(entry.text);
        l1.click.connect("l1_Click", [&] { plot::l1_Click({l1, Text1}); });
        auto *combo = static_cast<QComboBox *>(l1.widget());
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(l1.text() + ' ' + Text1.text(), QStringLiteral("bcos(ax) 1"));
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(l1.text() + ' ' + Text1.text(), QStringLiteral("(dx^3)+(ax^2)+bx+c 10"));
        QTest::keyClick(combo, Qt::Key_Down); // another choice overwrites the code
        QCOMPARE(l1.text() + ' ' + Text1.text(), QStringLiteral("a(e^bx) 11"));
        // Typed text is no choice, even when it names an entry; nor is a near match.
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "bsin(ax)");
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        for (const char *text : {"bsin(ax) ", "BSIN(AX)"}) {
            combo->setEditText(text);
            plot::l1_Click({l1, Text1});
        }
        QCOMPARE(Text1.text(), QStringLiteral("11"));
    }

    void surface_data()
    {
        QTest::addColumn<int>("pen");
        QTest::addColumn<QLineF>("line"); // twips
        QTest::addColumn<QRect>("red");   // pixels
        QTest::newRow("a dot 5 pixels wide, centred")
                << 5 << QLineF(1500, 750, 1499.9, 750.1) << QRect(98, 48, 5, 5);
        QTest::newRow("a dot 1 pixel wide")
                << 1 << QLineF(1507, 752, 1507, 752) << QRect(100, 50, 1, 1);
        QTest::newRow("a dot half off the edge")
                << 5 << QLineF(0, 3000, 0, 3000) << QRect(0, 198, 3, 5);
        QTest::newRow("a line from far left to far right")
                << 3 << QLineF(-1e7, 3000, 1e7, 3000) << QRect(0, 199, 682, 3);
        QTest::newRow("a slanted line, clipped at both ends")
                << 1 << QLineF(-3000, -3000, 9000, 9000) << QRect(0, 0, 512, 512);
        QTest::newRow("a line wholly outside") << 5 << QLineF(10000, -100, 12000, -2000) << QRect();
        QTest::newRow("a dot far outside") << 5 << QLineF(-1e30, 0, -1e30, 0) << QRect();
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
        QCOMPARE(redIn(area.P.image()), red);
        if (red.width() == 5) // round: the corners stay clear
            QCOMPARE(area.P.image().pixel(red.topLeft()), kCyan);
        try {
            area.P.place(0, 0, 1.5e9f, 1.5e9f);
            QFAIL("no error for a plot area too large to hold");
        } catch (const ui::RuntimeError &error) {
            QCOMPARE(error.kind(), Kind::ToolkitError);
        }
    }

    void plot_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QList<double>>("dotsLastX");
        QTest::addColumn<Points>("on");  // (x, y) points of the graph, drawn
        QTest::addColumn<Points>("off"); // and points 3 pixels or more from every dot
        const double pi = std::numbers::pi;
        const QStringList ones {"1.5", "1.5", "1", "1"}, bZero {"1", "0", "1", "1"};
        QTest::newRow("bars untouched: the one step x = 0 draws nothing")
                << "2" << bZero << " " << QList<double> {0, 0} << Points {} << Points {{0, 0}};
        // a = b = 1: X = 5120 + 312.5 x, Y = 3840 - 312.5 sin x, x from -10 to 10.
        QTest::newRow("bsin(ax), the worked example")
                << "2" << ones << "-12 12" << QList<double> {20001, 10}
                << Points {{-10, std::sin(-10)}, {-pi / 2, -1}, {0, 0},
                           {1, std::sin(1)},     {pi / 2, 1},   {9.999, std::sin(9.999)}}
                << Points {{-10.2, std::sin(-10.2)}, {pi / 2, 0}, {10.2, std::sin(10.2)}};
        QTest::newRow("-30..30 from -25 to just below 25, past both edges")
                << "2" << bZero << "-30 30" << QList<double> {50000, 24.999}
                << Points {{-6.5, 0}, {6.5, 0}} << Points {};
        QTest::newRow("upper 0: every dot on the centre, x never exactly 0")
                << "2" << bZero << "-3 0" << QList<double> {2501, 0} << Points {{0, 0}}
                << Points {};
        QTest::newRow("lower 0: from the centre to the right only")
                << "2" << bZero << "0 3" << QList<double> {2501, 2.5} << Points {{0, 0}, {2.49, 0}}
                << Points {{-1, 0}, {3.5, 0}};
        // a = 2, b = 3, c = 4, d = 1: y = x^3 + 2 x^2 + 3 x + 4.
        QTest::newRow("cubic: each box in its place")
                << "10" << QStringList {"3", "4.5", "6", "1.5"} << "-12 12"
                << QList<double> {20001, 10}
                << Points {{-2, -2}, {-1, 2}, {0, 4}, {0.5, 6.125}, {1, 10}} << Points {{0, 0}};
        // y = 0.001 for every x: with 312.5 twips a unit, the row lies 0.3125 twips up.
        QTest::newRow("bsec(ax) with b = 0 draws a row on the x axis")
                << "5" << bZero << "-12 12" << QList<double> {20001, 10}
                << Points {{-9, 0}, {9.9, 0}} << Points {{0, 0.2}};
    }

    void plot()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, boxes);
        QFETCH(QString, range);
        QFETCH(QList<double>, dotsLastX);
        QFETCH(Points, on);
        QFETCH(Points, off);
        PlotArea area(code, range, boxes);
        const plot::Walk walk = area.plot();
        QCOMPARE(walk.dots, int(dotsLastX[0]));
        QVERIFY2(std::abs(walk.lastX - dotsLastX[1]) < 1e-6,
                 qPrintable(QString::number(walk.lastX)));
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
        QCOMPARE(blackInColumn(area.P.image(), 100), 3);
        area.plot();
        QCOMPARE(area.P.drawWidth(), 5);
        QVERIFY(ring(area) != kCyan && ring(area) != kBlack);
        QCOMPARE(area.P.pixelAt(5120 + 135, 3840 + 135), kCyan); // the ring's radius is 100
        const QRgb first = ring(area);
        area.plot(); // a second marker, normally in another colour
        QVERIFY(ring(area) != first);
        plot::P_DblClick(area.P); // after a plot: redrawn 5 wide, then the pen is set to 3
        QCOMPARE(redIn(area.P.image()), QRect());
        QCOMPARE(ring(area), kCyan);
        QCOMPARE(blackInColumn(area.P.image(), 100), 5);
        QCOMPARE(area.P.drawWidth(), 3);
        plot::P_DblClick(area.P);
        QCOMPARE(blackInColumn(area.P.image(), 100), 3);
    }

    void errors_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("range");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("detail");
        const auto row = [](const char *name, const char *code, const QStringList &boxes,
                            const char *range, Kind kind, const char *detail) {
            QTest::newRow(name) << code << boxes << range << kind << detail;
        };
        const Kind mismatch = Kind::TypeMismatch;
        row("empty d=, which bsin does not use", "2", {"1", "1", "1", ""}, "-12 12", mismatch,
            "\"d=\" is empty");
        row("no function chosen, bars untouched", "", {"1", "1", "1", "1"}, " ", mismatch,
            "chosen");
        row("letters in a=", "2", {"abc", "1", "1", "1"}, "-3 3", mismatch, "\"a=\" holds \"abc\"");
        row("a comma in b= with C numbers", "2", {"1", "1,5", "1", "1"}, "-3 3", mismatch,
            "\"b=\"");
        row("1e400 in c=", "2", {"1", "1", "1e400", "1"}, "-3 3", Kind::Overflow, "\"c=\"");
        row("inf in d=", "2", {"1", "1", "1", " inf"}, "-3 3", mismatch, "\"d=\"");
        row("a(e^bx) with b = 1000 overflows right of 0", "11", {"1", "1000", "1", "1"}, "-30 30",
            Kind::Overflow, "");
        row("ax^3 beyond the single range at the first dot", "9", {"1e36", "1", "1", "1"}, "-30 30",
            Kind::Overflow, "single");
    }

    void errors()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, boxes);
        QFETCH(QString, range);
        QFETCH(Kind, kind);
        QFETCH(QString, detail);
        PlotArea area(code, range, boxes);
        try {
            area.plot();
            QFAIL("the plot ended without an error");
        } catch (const ui::RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
            QVERIFY2(error.detail().contains(detail), qPrintable(error.detail()));
        }
        QVERIFY(ring(area) != kCyan); // the marker stays, and the dots before the error
        const bool dots = code == "11";
        QCOMPARE(redIn(area.P.image()).isNull(), !dots);
        QCOMPARE(area.P.pixelAt(5120 - 1562.5f, 3840) == kRed, dots); // at x = -2
    }
};

QTEST_MAIN(TestPlot)
#include "tst_plot.moc"
