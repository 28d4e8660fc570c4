// The plot area's axes and clearing, and the Plot button, on a plot area of 10240 x 7680 twips
// (682 x 512 pixels at 15 twips per pixel) whose frame centre is (5120, 3840).
#include "plot/frame.h"
#include "plot/random.h"
#include "plotarea.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/runtimeerror.h"
#include "ui/textbox.h"

#include <QTest>

#include <cmath>
#include <numbers>

using Kind = ui::RuntimeError::Kind;
Q_DECLARE_METATYPE(Kind)

namespace {

constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kCyan = 0xff00ffff;
constexpr double kPi = std::numbers::pi;
// A point on the centre marker's circle (radius 100) at 45 degrees, clear of both axes.
constexpr float kMarkerX = 5120 + 70.71f, kMarkerY = 3840 + 70.71f;

struct TestArea : PlotArea
{
    using PlotArea::PlotArea;

    // The number of black pixels in the image column under x (twips): the x axis's thickness.
    int blackInColumn(float x) const
    {
        const QImage &image = P.image();
        const int column = int(x / 15);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            count += image.pixel(column, y) == kBlack;
        return count;
    }
    // The smallest rectangle of image pixels holding every red pixel.
    QRect redBounds() const
    {
        QRect bounds;
        const QImage &image = P.image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == kRed)
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    }
};

// The marker colour the next plot will draw: three numbers of the shared generator, each times
// 255 in single precision, rounded half to even.
QRgb nextMarkerColour(plot::Random random)
{
    int c[3];
    for (int &component : c)
        component = int(std::nearbyint(random.next() * 255.0f));
    return qRgb(c[0], c[1], c[2]);
}

} // namespace

class TestPlot : public QObject
{
    Q_OBJECT

private slots:
    void penWidthSequence()
    {
        TestArea area("2"); // bars untouched: the walk is the one step x = 0, which draws nothing
        plot::P_DblClick(area.P); // the axes run from edge to edge through the centre
        for (const QPointF &p : QList<QPointF> {{0, 3840}, {10200, 3840}, {5120, 0}, {5120, 7670}})
            QVERIFY2(area.P.pixelAt(p.x(), p.y()) == kBlack, qPrintable(QString::number(p.x())));
        QCOMPARE(area.blackInColumn(2000), 3);
        const QRgb marker = nextMarkerColour(plot::Random::shared());
        area.plot();
        QCOMPARE(area.P.drawWidth(), 5);
        QCOMPARE(area.P.pixelAt(kMarkerX, kMarkerY), marker);
        QVERIFY(area.redBounds().isEmpty());
        plot::P_DblClick(area.P);
        QCOMPARE(area.blackInColumn(2000), 5);
        QCOMPARE(area.P.drawWidth(), 3);
        QCOMPARE(area.P.pixelAt(kMarkerX, kMarkerY), kCyan); // the marker is wiped
        plot::P_DblClick(area.P);
        QCOMPARE(area.blackInColumn(2000), 3);
    }

    void workedExampleThenASecondPlot()
    {
        // a = b = 1.5 / 1.5 = 1, for x from -10 to 10.
        TestArea area("2", "-12 12", {"1.5", "1.5", "1", "1"});
        const plot::GraphMapping m = area.plot().mapping.value();
        const auto at = [&](double x, double y) { return area.P.pixelAt(m.toX(x), m.toY(y)); };
        for (double x : {-10.0, -kPi / 2, 0.0, 1.0, kPi / 2, 9.999})
            QVERIFY2(at(x, std::sin(x)) == kRed, qPrintable(QString::number(x)));
        QCOMPARE(at(kPi / 2, 0), kCyan);
        // The dot centres run from X = 1995 to 8245 and from Y = 3527.5 to 4152.5 (pixels 133 to
        // 549 and 235 to 276); the dots are 5 pixels wide, so the red reaches up to 3 beyond.
        const QRect red = area.redBounds(), centres(QPoint(133, 235), QPoint(549, 276));
        QVERIFY(red.contains(centres) && centres.adjusted(-3, -3, 3, 3).contains(red));

        // A second plot, bcos(ax), draws over the first without clearing it.
        area.Text1.setText("1");
        const QRgb marker = nextMarkerColour(plot::Random::shared());
        area.plot();
        QCOMPARE(area.P.pixelAt(kMarkerX, kMarkerY), marker); // the second plot's marker
        QCOMPARE(at(kPi / 2, 1), kRed);                       // sine's peak
        QCOMPARE(at(kPi, -1), kRed);                          // cosine's trough
        QCOMPARE(at(0, 1), kRed);                             // cosine at 0
    }

    // One unit spans upper limit x 200000 / P.Height twips about the centre (5120, 3840).
    void graphMapping_data()
    {
        QTest::addColumn<double>("upper");
        QTest::addColumn<QPointF>("graph");
        QTest::addColumn<QPointF>("twips");
        QTest::newRow("origin on the centre") << 12.0 << QPointF(0, 0) << QPointF(5120, 3840);
        QTest::newRow("y up, x right") << 12.0 << QPointF(10, 1) << QPointF(8245, 3527.5);
        QTest::newRow("upper 30") << 30.0 << QPointF(-2, -1.5) << QPointF(3557.5, 5011.875);
    }

    void graphMapping()
    {
        QFETCH(double, upper);
        QFETCH(QPointF, graph);
        QFETCH(QPointF, twips);
        const plot::GraphMapping m {5120, 3840, plot::GraphMapping::scale(upper, 7680)};
        QCOMPARE(QPointF(m.toX(graph.x()), m.toY(graph.y())), twips);
        QVERIFY(m.invertible());
        QCOMPARE(QPointF(m.toGraphX(twips.x()), m.toGraphY(twips.y())), graph);
    }

    void errors_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("range");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("detailPart");
        QTest::addColumn<bool>("dotsLeftOfCentre");
        QTest::newRow("empty d= box, bsin") << "2" << QStringList {"1.5", "1.5", "1", ""}
                                            << "-12 12" << Kind::TypeMismatch << "\"d=\"" << false;
        QTest::newRow("no function chosen, bars untouched")
                << "" << QStringList {"1", "1", "1", "1"} << " " << Kind::TypeMismatch << "chosen"
                << false;
        // y = 0.667 x 1.71432^(666.7 x): tiny left of 0, beyond the single range soon after it.
        QTest::newRow("a(e^bx) with b = 1000 overflows")
                << "11" << QStringList {"1", "1000", "1", "1"} << "-30 30" << Kind::Overflow << ""
                << true;
    }

    void errors()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, boxes);
        QFETCH(QString, range);
        QFETCH(Kind, kind);
        QFETCH(QString, detailPart);
        QFETCH(bool, dotsLeftOfCentre);
        TestArea area(code, range, boxes);
        const QRgb marker = nextMarkerColour(plot::Random::shared());
        try {
            area.plot();
            QFAIL("the plot ended without an error");
        } catch (const ui::RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
            QVERIFY2(error.detail().contains(detailPart, Qt::CaseInsensitive),
                     qPrintable(error.detail()));
        }
        QCOMPARE(area.P.pixelAt(kMarkerX, kMarkerY), marker);
        if (dotsLeftOfCentre) // x = -2 lies at X = 5120 - 2 x 781.25, on the x axis
            QCOMPARE(area.P.pixelAt(5120 - 1562.5, 3840), kRed);
        else
            QVERIFY(area.redBounds().isEmpty());
    }

    // Whatever a user types or pastes into a box, the plot ends after the marker with an error
    // that names the box, and nothing else changes.
    void badInputInEachBox_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Kind>("kind");
        const QList<std::pair<const char *, QString>> inputs {
                {"empty", ""},
                {"blanks only", "   "},
                {"letters", "abc"},
                {"two points", "1..2"},
                {"infinity", "inf"},
                {"not a number", "nan"},
                {"hexadecimal", "0x10"},
                {"a megabyte paste", QStringLiteral("1.5 ").repeated(1 << 18)},
                {"emoji", QString::fromUtf8("1\xF0\x9F\x98\x80")},
                {"right-to-left text", QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D")},
                {"comma in the wrong place", "1,5"},
        };
        const char *names[4] = {"a=", "b=", "c=", "d="};
        for (int box = 0; box < 4; ++box) {
            for (const auto &[what, text] : inputs)
                QTest::addRow("%s in %s", what, names[box]) << box << text << Kind::TypeMismatch;
            QTest::addRow("1e400 in %s", names[box]) << box << "1e400" << Kind::Overflow;
            QTest::addRow("-1e400 in %s", names[box]) << box << "-1e400" << Kind::Overflow;
        }
    }

    void badInputInEachBox()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(Kind, kind);
        TestArea area("2", "-12 12");
        area.T6[box].setText(text);
        const QString typed = area.T6[box].text();
        try {
            area.plot();
            QFAIL("the plot ended without an error");
        } catch (const ui::RuntimeError &error) {
            QCOMPARE(error.kind(), kind);
            const QString name = QStringLiteral("\"%1=\"").arg(QChar(u'a' + box));
            QVERIFY2(error.detail().contains(name), qPrintable(error.detail()));
        }
        QVERIFY(area.redBounds().isEmpty());
        QCOMPARE(area.T6[box].text(), typed);
        QCOMPARE(area.Text1.text(), QStringLiteral("2"));
        QCOMPARE(area.L4.caption() + area.L5.caption(), QStringLiteral("-1212"));
    }
};

QTEST_MAIN(TestPlot)
#include "tst_plot.moc"
