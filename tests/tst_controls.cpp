#include "ui/event.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/runtimeerror.h"
#include "ui/textbox.h"
#include "ui/window.h"

#include <QFontMetricsF>
#include <QScreen>
#include <QtTest>

using ui::rgb;

namespace {

// Whether `pixel` is `colour` within `tolerance` per channel (JPEG decoding is not exact).
bool near(QRgb pixel, QRgb colour, int tolerance = 0)
{
    return qAbs(qRed(pixel) - qRed(colour)) <= tolerance
            && qAbs(qGreen(pixel) - qGreen(colour)) <= tolerance
            && qAbs(qBlue(pixel) - qBlue(colour)) <= tolerance;
}

const QRgb kCyan = qRgb(0, 255, 255), kWhite = qRgb(255, 255, 255), kRed = qRgb(255, 0, 0);

// A graph-paper box of 1100 x 700 pixels, larger than its 1016 x 606 picture.
void makePaper(ui::PictureBox &box)
{
    box.place(0, 0, 1100 * 15, 700 * 15);
    box.setBackColor(rgb(0, 255, 255));
    box.setPicture(QStringLiteral(":/graphpaper.jpg"));
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT
    QWidget host;

private slots:
    void writtenValuesReadBackExactly()
    {
        ui::Label label(&host);
        ui::PictureBox box(&host);
        label.setLeft(426.75f);
        label.setTop(230.4f);
        box.setWidth(426.75f);
        QCOMPARE((QList<float> {label.left(), label.top(), box.width()}),
                 (QList<float> {426.75f, 230.4f, 426.75f}));
        for (float points : {20.25f, 17.5f}) {
            label.setFontSize(points);
            QCOMPARE(label.fontSize(), points);
        }
    }

    void background_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("vertical rule, x = 3") << QPoint(3, 15) << kCyan;
        QTest::newRow("vertical rule, x = 4") << QPoint(4, 15) << kCyan;
        QTest::newRow("inside a middle cell") << QPoint(490, 300) << kWhite;
        QTest::newRow("right of the picture: BackColor") << QPoint(1050, 100) << kCyan;
        QTest::newRow("below the picture: BackColor") << QPoint(100, 650) << kCyan;
    }

    void background()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, expected);
        ui::PictureBox box(&host);
        makePaper(box);
        const QRgb actual = box.pixelAt(pixel.x() * 15.0f, pixel.y() * 15.0f);
        QVERIFY2(near(actual, expected, 24), qPrintable(QColor(actual).name()));
    }

    void drawingSurvivesRepaintUntilCls()
    {
        ui::PictureBox box(&host);
        makePaper(box);
        host.resize(1200, 800);
        host.show();
        const QRgb paper = box.pixelAt(490 * 15, 200 * 15);
        box.setDrawWidth(3);
        box.line(0, 200 * 15, 1100 * 15, 200 * 15, rgb(255, 0, 0));
        QVERIFY(near(box.widget()->grab().toImage().pixel(490, 200), kRed)); // a fresh repaint
        box.cls();
        QCOMPARE(box.pixelAt(490 * 15, 200 * 15), paper);
        QVERIFY(near(box.widget()->grab().toImage().pixel(1050, 200), kCyan));
        host.hide();
    }

    void handlerErrorReportedOnceNextEventHandled()
    {
        QStringList reports;
        ui::setErrorReporter(
                [&](const QString &handler, const ui::RuntimeError &) { reports << handler; });
        int runs = 0;
        ui::Event event;
        event.connect(QStringLiteral("Cp_Click"), [&] {
            if (++runs == 1)
                throw ui::RuntimeError(ui::RuntimeError::Kind::TypeMismatch, QStringLiteral("a"));
        });
        event.raise();
        event.raise();
        ui::resetErrorReporter();
        QCOMPARE(reports, QStringList {QStringLiteral("Cp_Click")});
        QCOMPARE(runs, 2);
    }

    void wrappingLabelWidth()
    {
        ui::Label label(&host);
        label.setFont(QStringLiteral("Algerian"), 18, true);
        label.setCaption(QStringLiteral("Powerred By: Orvendale"));
        label.setAutoSize(true, true);
        label.setWidth(6000.25f); // wide enough: kept
        QCOMPARE(label.width(), 6000.25f);
        const float wideHeight = label.height();
        label.setWidth(0); // too narrow: widened to the longest word
        const QFont font(QStringLiteral("Algerian"), 18, QFont::Bold);
        double longest = 0;
        for (const QString &word : QStringLiteral("Powerred By: Orvendale").split(' '))
            longest = qMax(longest, QFontMetricsF(font).horizontalAdvance(word) * 15);
        QVERIFY2(label.width() >= longest && label.width() <= longest + 15,
                 qPrintable(QString::number(label.width())));
        QVERIFY(label.height() > wideHeight); // narrow, the caption takes more lines
    }

    // What the screen shows, repaint by repaint: a transparent label shows the window's colour
    // behind it, also after the colour changes and while the label slides along.
    void transparentLabelShowsTheWindowBehindIt()
    {
        ui::Window window(6000, 3000);
        window.setBackColor(ui::rgb(0, 255, 0));
        ui::Label title(window.widget());
        title.place(0, 0, 3000, 600);
        title.setCaption("Curvanta");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(window.widget()));
        const auto shownAt = [&](int x, int y) {
            QCoreApplication::processEvents();
            const QImage screen = window.widget()->screen()->grabWindow(0).toImage();
            return screen.pixel(window.widget()->mapToGlobal(QPoint(x, y)));
        };
        QCOMPARE(shownAt(180, 30), qRgb(0, 255, 0)); // beside the text, inside the label
        window.setBackColor(ui::rgb(0, 25, 0));
        QCOMPARE(shownAt(180, 30), qRgb(0, 25, 0));
        title.setLeft(1500);
        QCOMPARE(shownAt(50, 30), qRgb(0, 25, 0)); // where the label was
        QCOMPARE(shownAt(290, 30), qRgb(0, 25, 0));
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
