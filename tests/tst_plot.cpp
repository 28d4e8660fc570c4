// The plot area's axes and clearing, and the Plot button, on a plot area of 10240 x 7680 twips
// (682 x 512 pixels at 15 twips per pixel) whose frame centre is (5120, 3840).
#include "plot/frame.h"
#include "plot/plotroutine.h"
#include "plot/random.h"
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

struct PlotArea
{
    QWidget window;
    ui::PictureBox P {&window};
    ui::Label L4 {&window};
    ui::Label L5 {&window};
    std::array<ui::TextBox, 4> T6 {{ui::TextBox {&window}, ui::TextBox {&window},
                                    ui::TextBox {&window}, ui::TextBox {&window}}};
    ui::TextBox Text1 {&window};

    // range: the texts of L4 and L5, split at the blank ("" or " " for untouched bars).
    PlotArea(const QString &code = {}, const QString &range = {},
             const QStringList &boxes = {"1", "1", "1", "1"})
    {
        P.place(2560, 1920, 10240, 7680);
        P.setBackColor(ui::rgb(0, 255, 255)); // no picture: a plain background
        P.setDrawWidth(3);                    // as start-up leaves it
        Text1.setText(code);
        L4.setCaption(range.section(' ', 0, 0));
        L5.setCaption(range.section(' ', 1, 1));
        for (int i = 0; i < 4; ++i)
            T6[i].setText(boxes[i]);
    }
    void plot()
    {
        plot::Cp_Click({P, L4, L5, {&T6[0], &T6[1], &T6[2], &T6[3]}, Text1, QLocale::c()});
    }
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

void errorRow(const char *name, const QString &code, const QStringList &boxes, const QString &range,
              Kind kind, const QString &detailPart, bool dotsLeft)
{
    QTest::newRow(name) << code << boxes << range << kind << detailPart << dotsLeft;
}

} // namespace

class TestPlot : public QObject
{
    Q_OBJECT

private slots:
    void drawAxes()
    {
        PlotArea area;
        QCOMPARE(area.P.image().size(), QSize(682, 512));
        plot::DrawAxes(area.P);
        for (const QPointF &p :
             QList<QPointF> {{5120, 3840}, {0, 3840}, {10200, 3840}, {5120, 0}, {5120, 7670}})
            QVERIFY2(area.P.pixelAt(p.x(), p.y()) == kBlack, qPrintable(QString::number(p.x())));
        QCOMPARE(area.P.pixelAt(2000, 3000), kCyan);
        QCOMPARE(area.blackInColumn(2000), 3);
    }

    void penWidthSequence()
    {
        PlotArea area("2"); // bars untouched: the walk is the one step x = 0, which draws nothing
        plot::P_DblClick(area.P);
        QCOMPARE(area.blackInColumn(2000), 3);
        QCOMPARE(area.P.drawWidth(), 3);
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

    void workedExample()
    {
        // a = b = 1.5 / 1.5 = 1; s = 12 / 7680 * 200 = 0.3125, so X = 5120 + 312.5 x and
        // Y = 3840 - 312.5 sin x, for x from -10 to 10.
        PlotArea area("2", "-12 12", {"1.5", "1.5", "1", "1"});
        area.plot();
        for (double x : {-10.0, -kPi / 2, 0.0, 1.0, kPi / 2, 9.999})
            QVERIFY2(area.P.pixelAt(5120 + 312.5 * x, 3840 - 312.5 * std::sin(x)) == kRed,
                     qPrintable(QString::number(x)));
        QCOMPARE(area.P.pixelAt(5120, 3840), kRed); // x = 0 on the frame centre
        QCOMPARE(area.P.pixelAt(5120 + 312.5 * kPi / 2, 3840), kCyan);
        // The dots, 5 pixels wide, run from X = 1995 to 8245 and from Y = 3527.5 to 4152.5.
        const QRect red = area.redBounds();
        QVERIFY2(red.left() >= 1995 / 15 - 3 && red.left() <= 1995 / 15 && red.right() >= 8245 / 15
                         && red.right() <= 8245 / 15 + 3,
                 qPrintable(QStringLiteral("%1 to %2").arg(red.left()).arg(red.right())));
        QVERIFY(red.top() >= int(3527.5 / 15) - 3 && red.top() <= int(3527.5 / 15));
        QVERIFY(red.bottom() >= int(4152.5 / 15) && red.bottom() <= int(4152.5 / 15) + 3);
    }

    void errors_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("range");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("detailPart");
        QTest::addColumn<bool>("dotsLeftOfCentre");
        const QStringList ones {"1", "1", "1", "1"};
        errorRow("empty d= box, bsin", "2", {"1.5", "1.5", "1", ""}, "-12 12", Kind::TypeMismatch,
                 "\"d=\"", false);
        errorRow("non-numeric b= box is quoted", "2", {"1", "1.5x", "1", "1"}, "-12 12",
                 Kind::TypeMismatch, "\"1.5x\"", false);
        errorRow("no function chosen, bars untouched", "", ones, " ", Kind::TypeMismatch, "chosen",
                 false);
        errorRow("a= beyond the double range", "2", {"1e400", "1", "1", "1"}, "-12 12",
                 Kind::Overflow, "\"a=\"", false);
        // y = 0.667 x 1.71432^(666.7 x): tiny left of 0, beyond the single range soon after it.
        errorRow("a(e^bx) with b = 1000 overflows", "11", {"1", "1000", "1", "1"}, "-30 30",
                 Kind::Overflow, "", true);
    }

    void errors()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, boxes);
        QFETCH(QString, range);
        QFETCH(Kind, kind);
        QFETCH(QString, detailPart);
        QFETCH(bool, dotsLeftOfCentre);
        PlotArea area(code, range, boxes);
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

    void twoPlotsWithoutClearing()
    {
        plot::Random first, second;
        for (int i = 0; i < 6; ++i) {
            const float r = first.next();
            QCOMPARE(second.next(), r);
            QVERIFY(r >= 0 && r < 1);
        }
        PlotArea area("2", "-12 12", {"1.5", "1.5", "1", "1"});
        const QRgb marker1 = nextMarkerColour(plot::Random::shared());
        area.plot();
        QCOMPARE(area.P.pixelAt(kMarkerX, kMarkerY), marker1);
        area.Text1.setText("1"); // bcos(ax)
        const QRgb marker2 = nextMarkerColour(plot::Random::shared());
        area.plot();
        QCOMPARE(area.P.pixelAt(kMarkerX, kMarkerY), marker2);
        QVERIFY(marker1 != marker2);
        QCOMPARE(area.P.pixelAt(5120 + 312.5 * kPi / 2, 3840 - 312.5), kRed); // sine's peak
        QCOMPARE(area.P.pixelAt(5120, 3840), kRed);                           // sine through 0
        QCOMPARE(area.P.pixelAt(5120 + 312.5 * kPi, 3840 + 312.5), kRed);     // cosine's trough
        QCOMPARE(area.P.pixelAt(5120, 3840 - 312.5), kRed);                   // cosine at 0
    }

    void secantWithZeroB()
    {
        // y = 0.001 at every step: s = 0.3125 twips above the x axis, within one pixel row.
        PlotArea area("5", "-12 12", {"1.5", "0", "1", "1"});
        area.plot();
        for (float X = 2000; X <= 8240; X += 40)
            QVERIFY2(area.P.pixelAt(X, 3840) == kRed, qPrintable(QString::number(X)));
        const QRect red = area.redBounds();
        QVERIFY(red.left() >= 1995 / 15 - 3 && red.right() <= 8245 / 15 + 3);
        QVERIFY(red.top() >= 256 - 3 && red.bottom() <= 256 + 3);
    }
};

QTEST_MAIN(TestPlot)
#include "tst_plot.moc"
