#include "ui/event.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/runtimeerror.h"
#include "ui/textbox.h"

#include <QFontMetricsF>
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
        ui::TextBox text(&host);
        ui::PictureBox box(&host);
        label.setLeft(426.75f);
        label.setTop(230.4f);
        text.setLeft(230.4f);
        box.setWidth(426.75f);
        box.setTop(230.4f);
        QCOMPARE((QList<float> {label.left(), label.top(), text.left(), box.width(), box.top()}),
                 (QList<float> {426.75f, 230.4f, 230.4f, 426.75f, 230.4f}));
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
        QTest::newRow("horizontal rule, y = 2") << QPoint(15, 2) << kCyan;
        QTest::newRow("inside the first cell") << QPoint(18, 18) << kWhite;
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

    void drawingSurvivesRepaintAndResizeUntilCls()
    {
        ui::PictureBox box(&host);
        makePaper(box);
        host.resize(1200, 800);
        host.show();
        const QRgb paper = box.pixelAt(490 * 15, 200 * 15);
        box.setDrawWidth(3);
        box.line(0, 200 * 15, 1100 * 15, 200 * 15, rgb(255, 0, 0));
        QVERIFY(near(box.widget()->grab().toImage().pixel(490, 200), kRed)); // a fresh repaint
        box.setWidth(1150 * 15);
        box.setHeight(750 * 15);
        const QImage shown = box.widget()->grab().toImage();
        QVERIFY(near(shown.pixel(490, 200), kRed));
        QVERIFY(near(shown.pixel(1120, 720), kCyan)); // the part uncovered by the resize
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
        int entered = 0, finished = 0;
        ui::Event event;
        event.connect(QStringLiteral("Cp_Click"), [&] {
            if (++entered == 1)
                throw ui::RuntimeError(ui::RuntimeError::Kind::TypeMismatch, QStringLiteral("a"));
            ++finished;
        });
        event.raise();
        event.raise();
        ui::resetErrorReporter();
        QCOMPARE(reports, QStringList {QStringLiteral("Cp_Click")});
        QCOMPARE(entered, 2);
        QCOMPARE(finished, 1); // the first run ended at the error
    }

    void wrappingLabelWidth_data()
    {
        QTest::addColumn<float>("written");
        QTest::newRow("zero widens to the longest word") << 0.0f;
        QTest::newRow("negative widens to the longest word") << -112.5f;
        QTest::newRow("a width wide enough is kept") << 6000.25f;
    }

    void wrappingLabelWidth()
    {
        QFETCH(float, written);
        ui::Label label(&host);
        label.setFont(QStringLiteral("Algerian"), 18, true);
        label.setCaption(QStringLiteral("Powerred By: Orvendale"));
        label.setAutoSize(true, true);
        label.setWidth(written);
        if (written > 0) {
            QCOMPARE(label.width(), written);
            return;
        }
        QFont font(QStringLiteral("Algerian"));
        font.setBold(true);
        font.setPointSizeF(18);
        double longest = 0;
        for (const QString &word : QStringLiteral("Powerred By: Orvendale").split(' '))
            longest = qMax(longest, QFontMetricsF(font).horizontalAdvance(word) * 15);
        QVERIFY2(label.width() >= longest && label.width() <= longest + 15,
                 qPrintable(QString::number(label.width())));
        const float narrowHeight = label.height();
        label.setWidth(6000);
        QVERIFY(narrowHeight > label.height()); // narrow, the caption takes more lines
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
