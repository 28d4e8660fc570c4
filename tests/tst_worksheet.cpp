// The worksheet: each number on the axes where its value lies, the legend's formulas against the
// dots the plots drew, the corner the legend takes, German numbers, and plain outputs left plain.
#include "images.h"
#include "plot/random.h"
#include "sheet/vectorfile.h"
#include "window.h"
#include "worksheet/worksheet.h"

#include <QBuffer>
#include <QStringEncoder>
#include <QtTest>

#include <cmath>

namespace {

// Reads the legend's notation: numbers, x, + - · /, a number before what it multiplies ("2x"),
// ² ³, powers ^(…), sin, cos, tan and parentheses. NaN for anything else.
struct Formula
{
    QString s;
    double x;
    qsizetype i = 0;

    bool take(QStringView token)
    {
        while (i < s.size() && s[i] == ' ')
            ++i;
        return QStringView(s).mid(i).startsWith(token) && (i += token.size());
    }
    double closed(double inside) { return take(u")") ? inside : qQNaN(); }
    double sum()
    {
        double y = product();
        while (take(u"+") || take(u"-"))
            y += (s[i - 1] == '+' ? 1 : -1) * product();
        return y;
    }
    double product()
    {
        double y = power();
        while (take(u"·") || take(u"/")
               || (i < s.size() && QStringView(u"0123456789x(sct").contains(s[i])))
            y = s[i - 1] == '/' ? y / power() : y * power();
        return y;
    }
    double power()
    {
        if (take(u"-"))
            return -power();
        const double base = atom();
        return take(u"²")     ? base * base
                : take(u"³")  ? base * base * base
                : take(u"^(") ? std::pow(base, closed(sum()))
                              : base;
    }
    double atom()
    {
        if (take(u"sin("))
            return std::sin(closed(sum()));
        if (take(u"cos("))
            return std::cos(closed(sum()));
        if (take(u"tan("))
            return std::tan(closed(sum()));
        if (take(u"("))
            return closed(sum());
        if (take(u"x"))
            return x;
        const qsizetype from = i;
        while (i < s.size() && (s[i].isDigit() || s[i] == '.'))
            ++i;
        bool ok = false;
        const double number = s.mid(from, i - from).toDouble(&ok);
        return ok ? number : qQNaN();
    }
};

double evaluate(const QString &formula, double x)
{
    Formula f {formula.section(" = ", 1), x};
    const double y = f.sum();
    return f.i == f.s.size() ? y : qQNaN();
}

const worksheet::Annotations kWords {"Parabolas", "Two told", QLocale::c()};

bool dark(QRgb c)
{
    return qRed(c) < 110 && qGreen(c) < 110 && qBlue(c) < 110;
}

} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT

private slots:
    void init() { plot::Random::shared().restart(); } // the markers' colours, whatever runs
    void cleanup() { ui::Screen::overrideSize(QSize(1024, 768)); }

    // Each number stands beside a tick at the pixel where the plot's own mapping puts its value,
    // its ink centred on it, below the x axis or left of the y axis.
    void numbersWhereTheirValuesLie_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("upper");
        // clang-format off
        QTest::newRow("1x, the README's worksheet") << 1 << 6;
        QTest::newRow("4x, the README's worksheet") << 4 << 6;
        QTest::newRow("1x, upper limit 30: small steps") << 1 << 30;
        QTest::newRow("4x, upper limit 2: large steps") << 4 << 2;
        // clang-format on
    }
    void numbersWhereTheirValuesLie()
    {
        QFETCH(int, scale);
        QFETCH(int, upper);
        Window w;
        w.plot(9, "1.5", "1.5", -upper, upper);
        const worksheet::Layout layout = worksheet::layOut(w.drawn, kWords, false);
        const QImage sheet = sheet::renderSheet(w.drawn, scale, nullptr,
                                                worksheet::worksheetPainter(kWords, false));
        const plot::GraphMapping map = *w.drawn.plots().back().mapping;
        const auto pixels = [&](double x, double y) {
            return w.drawn.mapping().toPixels(QPointF(map.toX(x), map.toY(y))) * scale;
        };
        const double half = (pixels(layout.axes.step, 0) - pixels(0, 0)).x() / 2;
        int seen = 0;
        for (const worksheet::AxisNumber &n : layout.axes.numbers) {
            if (n.value == 0 || n.ink.intersects(layout.legend.box))
                continue;
            const QPointF at = n.onX ? pixels(n.value, 0) : pixels(0, n.value);
            const QPointF tick = at + (n.onX ? QPointF(0, -4) : QPointF(4, 0)) * scale;
            QVERIFY2(dark(sheet.pixel(int(tick.x()), int(tick.y()))), qPrintable(n.text));
            const QRect around
                    = (n.onX ? QRectF(at.x() - half, at.y() + 6 * scale, 2 * half, 20 * scale)
                             : QRectF(at.x() - 40 * scale, at.y() - half, 34 * scale, 2 * half))
                              .toRect();
            const QPointF off
                    = QRectF(box(sheet.copy(around), dark)).center() + around.topLeft() - at;
            // Within a pixel of the image, where its edges cut the glyphs, and half one of the
            // sheet.
            QVERIFY2(std::abs(n.onX ? off.x() : off.y()) <= 1 + 0.5 * scale, qPrintable(n.text));
            ++seen;
        }
        QVERIFY(seen >= 8);
        // x at the right end of its axis, above it; y at the top of its axis.
        const QRectF x = layout.axes.x.ink, y = layout.axes.y.ink;
        QVERIFY(x.right() > sheet.width() / scale - 10 && x.bottom() * scale < pixels(0, 0).y());
        QVERIFY(y.top() < 10 && y.left() * scale > pixels(0, 0).x());
        for (const QRectF &letter : {x, y})
            QVERIFY(!box(sheet.copy(
                                 QRectF(letter.topLeft() * scale, letter.size() * scale).toRect()),
                         dark)
                             .isEmpty());
    }

    // Evaluated at the dots' abscissae, the legend's formula gives the ordinates the plot drew,
    // to the two decimals it writes.
    void formulaAgreesWithTheDots_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("typed"); // a, b, c, d
        QTest::addColumn<QString>("written");   // where the notation itself is checked
        // clang-format off
        QTest::newRow("bcos") << 1 << QStringList {"3", "1.5", "1", "1"} << "y = cos(2x)";
        QTest::newRow("bsin, b = 1 typed: 2/3 to two decimals") << 2 << QStringList {"3", "1", "1", "1"} << "y = 0.67·sin(2x)";
        QTest::newRow("btan") << 3 << QStringList {"0.75", "3", "1", "1"} << "";
        QTest::newRow("bcosec: b divides, the guard added") << 4 << QStringList {"1.5", "3", "1", "1"} << "";
        QTest::newRow("bsec: b divides") << 5 << QStringList {"1.5", "-3", "1", "1"} << "";
        QTest::newRow("bsec, b = 0: 0.001 everywhere") << 5 << QStringList {"1.5", "0", "1", "1"} << "";
        QTest::newRow("bcot") << 6 << QStringList {"4.5", "1.5", "1", "1"} << "";
        QTest::newRow("ax divides by 1.5 again") << 7 << QStringList {"3.375", "1", "1", "1"} << "";
        QTest::newRow("ax^2, a = 1.5 typed") << 8 << QStringList {"1.5", "1", "1", "1"} << "y = x²";
        QTest::newRow("ax^2, a = 3 typed") << 8 << QStringList {"3", "1", "1", "1"} << "y = 2x²";
        QTest::newRow("ax^3") << 9 << QStringList {"1.5", "1", "1", "1"} << "y = x³";
        QTest::newRow("cubic, a term of 0 left out") << 10 << QStringList {"3", "-1.5", "0", "0.75"} << "";
        QTest::newRow("cubic, every term") << 10 << QStringList {"-1.5", "4.5", "3", "1.5"} << "";
        QTest::newRow("a(e^bx): base 1.71432") << 11 << QStringList {"3", "0.75", "1", "1"} << "";
        // clang-format on
    }
    void formulaAgreesWithTheDots()
    {
        QFETCH(int, code);
        QFETCH(QStringList, typed);
        QFETCH(QString, written);
        Window w;
        w.form.T6[2].setText(typed[2]);
        w.form.T6[3].setText(typed[3]);
        w.plot(code, typed[0], typed[1], -6, 6);
        const QString formula
                = worksheet::legendLines(w.drawn.plots(), {}, QLocale::c(), false)[0].formula;
        QVERIFY(written.isEmpty() || formula == written);
        double worst = 0, where = 0;
        plot::forEachDot(w.drawn.plots()[0], [&](double x, double y) {
            const double miss = std::abs(evaluate(formula, x) - y) / std::max(1.0, std::abs(y));
            if (!(miss <= worst))
                std::tie(worst, where) = std::pair(miss, x);
        });
        QVERIFY2(worst <= 0.01, qPrintable(formula + " at x = " + QString::number(where)));
    }

    // The legend takes a corner that hides no dots where one is free.
    void legendHidesFewestDots_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QStringList>("a");
        // clang-format off
        QTest::newRow("falling line through the top left") << QList {7} << QStringList {"-1.6875"};
        QTest::newRow("parabola through both top corners") << QList {8} << QStringList {"0.24"};
        QTest::newRow("both: only the bottom right free") << QList {8, 7} << QStringList {"0.24", "1.6875"};
        // clang-format on
    }
    void legendHidesFewestDots()
    {
        QFETCH(QList<int>, codes);
        QFETCH(QStringList, a);
        Window w;
        for (int i = 0; i < codes.size(); ++i)
            w.plot(codes[i], a[i], "1.5", -30, 30);
        const QRectF box = worksheet::layOut(w.drawn, kWords, false).legend.box;
        const QSizeF sheet(w.drawn.area());
        QCOMPARE(std::min(box.left(), sheet.width() - box.right()),
                 std::min(box.top(), sheet.height() - box.bottom())); // in a corner
        long hidden = 0;
        for (const plot::PlotRecord &record : w.drawn.plots())
            plot::forEachDot(record, [&](double x, double y) {
                const QPointF at(record.mapping->toX(x), record.mapping->toY(y));
                hidden += box.contains(w.drawn.mapping().toPixels(at));
            });
        QCOMPARE(hidden, 0L);
    }

    // Each line tells the range walked; a plot drawn at a scale other than the latest's, in which
    // the axes are numbered, says so.
    void otherScaleSaidSo()
    {
        Window w;
        w.plot(8, "1.5", "1.5", -6, 6);
        w.plot(9, "1.5", "1.5", -12, 12);
        const worksheet::Layout layout = worksheet::layOut(w.drawn, kWords, false);
        QCOMPARE(layout.legend.lines[0].note, "for x from -5 to 5, not to the axes' scale");
        QCOMPARE(layout.legend.lines[1].note, "for x from -10 to 10");
    }

    // In German the numbers on the axes and in the legend take a decimal comma.
    void germanNumbers()
    {
        Window w;
        ui::Screen::overrideSize(QSize(320, 200)); // a sheet a little over one unit across
        w.form.window.activate.raise();
        w.plot(2, "3", "1", -30, 30);
        const worksheet::Layout layout
                = worksheet::layOut(w.drawn, {{}, {}, QLocale(QLocale::German)}, false);
        QCOMPARE(layout.axes.numbers.at(1).text, "-0,4"); // the first after "0", from the left
        QCOMPARE(layout.legend.lines.at(0).formula, "y = 0,67·sin(2x)");
    }

    // Only a worksheet has words, a second colour, a title of its own and paper beyond the
    // picture's (here the sheet's bottom right corner); a plain drawing is as before.
    void plainStaysPlain()
    {
        Window w;
        ui::Screen::overrideSize(QSize(1920, 1080));
        w.form.window.activate.raise();
        w.plot(8, "1.5", "1.5", -6, 6);
        w.plot(8, "3", "1.5", -6, 6);
        for (const bool annotated : {false, true}) {
            QBuffer svg, pdf;
            svg.open(QIODevice::WriteOnly);
            pdf.open(QIODevice::WriteOnly);
            const auto drawing = annotated ? worksheet::worksheetDrawing(kWords) : sheet::Drawing();
            QVERIFY((sheet::writeSvg(&svg, w.drawn, drawing)
                     + sheet::writePdf(&pdf, w.drawn, drawing))
                            .isEmpty());
            const QString title = annotated ? "Parabolas: Two told" : "Curvanta plot";
            const QByteArray utf16 = QStringEncoder(QStringEncoder::Utf16BE).encode(title);
            QVERIFY(svg.data().contains("<title>" + title.toUtf8() + "</title>"));
            QVERIFY(pdf.data().contains("/Title (\xfe\xff" + utf16 + ')'));
            QCOMPARE(svg.data().contains("<text") + pdf.data().contains("/FontFile2"),
                     2 * annotated);
            // The second curve, 5 pixels wide, dashed 4 widths on and 2 off.
            QCOMPARE(svg.data().contains("stroke-dasharray=\"20,10\""), annotated);
            const QImage image = sheet::renderSheet(
                    w.drawn, 2, nullptr,
                    annotated ? worksheet::worksheetPainter(kWords, false) : sheet::paintSheet);
            QCOMPARE(box(image, [](QRgb c) { return near(c, qRgb(0, 114, 178), 16); }).isEmpty(),
                     !annotated);
            const QImage corner
                    = image.copy(QRect(image.width() - 80, image.height() - 80, 80, 80));
            QCOMPARE(box(corner, [](QRgb c) { return c == qRgb(255, 255, 255); }).isEmpty(),
                     !annotated);
        }
    }
};

QTEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
