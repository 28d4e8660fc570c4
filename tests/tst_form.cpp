// The window as a user meets it, on a test clock and a screen of 1024 x 768 pixels.
#include "app/form1.h"
#include "images.h"
#include "ui/screen.h"

#include <QPainter>
#include <QTest>

using ui::rgb;

namespace {

// The bounding box of the pixels of exactly `colour` in `area`: the core of a text's glyphs.
QRect ink(const QImage &image, QRect area, QRgb colour)
{
    area &= image.rect();
    const auto is = [colour](QRgb c) { return c == (colour | 0xff000000); };
    return box(image.copy(area), is).translated(area.topLeft());
}

// The ink of `text` in bold `family` of `points`, drawn from the top left of a white image.
QRect drawnInk(const QString &text, double points, QRgb colour, const QString &family)
{
    QImage image(900, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(family, 1, QFont::Bold);
    font.setPointSizeF(points);
    painter.setFont(font);
    painter.setPen(QColor(colour));
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    return ink(image, image.rect(), colour);
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ui::Timer::useTestClock();
        ui::Screen::overrideSize(QSize(1024, 768));
    }

    // Where activation puts each control, in twips; the window green, the axes drawn.
    void layout()
    {
        Form1 form;
        form.start();
        QString places = QString::asprintf("%g %g", form.window.width(), form.window.height());
        for (const ui::Control *c : std::initializer_list<const ui::Control *> {
                     &form.P, &form.s1, &form.s4, &form.V1, &form.V2, &form.Cp, &form.L3, &form.L5,
                     &form.l1, &form.T6[3], &form.L6[3], &form.Label1})
            places += QString::asprintf(", %g %g %g", c->left(), c->top(), c->width());
        QCOMPARE(places,
                 "15360 11520, 2560 1920 10240, 426.75 0 426.75, 9813.25 7253.25 426.75, 2460 1920 "
                 "495, 12800 1920 495, 6528 9600 2304, 12032 1344 1335, 13467 1344 1575, 5760 240 "
                 "6015, 768 6000 1455, 307.2 5880 735, 0 230.4 2715");
        QVERIFY(form.Text1.widget()->isHidden() && form.Text2.widget()->isHidden());
        QVERIFY(form.window.backColor() == rgb(0, 255, 0)
                && form.P.image().pixel(341, 0) == qRgb(0, 0, 0));
    }

    // Each text in its font and colour: at a label's top-left pixel, or inside a control.
    void look_data()
    {
        QTest::addColumn<QRect>("expected"); // the text's ink, from the top left of its box
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QRect>("area");
        const auto row = [](QString text, double points, QRgb colour, QRect area,
                            QString family = "Times New Roman") {
            QTest::newRow(qPrintable(text))
                    << drawnInk(text, points, colour, family) << colour << area;
        };
        row("a=", 21.75, 0xc000c0, {20, 216, 0, 0});
        row("Curvanta", 20.25, 0xff0000, {0, 15, 0, 0});
        row("-X values", 14.25, 0x0000ff, {113, 90, 0, 0});
        row("-12", 14.25, 0xff8000, {202, 90, 0, 0}); // V1 moved
        row("Double click on plotted region to clear screen", 15.75, 0xc000c0, {470, 88, 0, 0});
        row("Select Function", 24, 0x00c000, {384, 16, 401, 45}, "MS Sans Serif");
        row("Plot", 21.75, 0x000000, {435, 640, 154, 38});
    }

    void look()
    {
        QFETCH(QRect, expected);
        QFETCH(QRgb, colour);
        QFETCH(QRect, area);
        Form1 form;
        form.start();
        form.V1.setValue(-12);
        // Where a control window puts its text is the style's: only the size is known.
        const QRect around = area.adjusted(-3, -3, expected.right() + 6, expected.bottom() + 6);
        const QImage shown = form.w->grab().toImage();
        const QRect found = ink(shown, area.isEmpty() ? around : area, colour);
        QCOMPARE(found.size(), expected.size());
        QVERIFY(!area.isEmpty() || found.topLeft() == area.topLeft() + expected.topLeft());
        // A label's text stands on the window's green: the label itself is see-through.
        QVERIFY(!area.isEmpty() || shown.pixel(area.topLeft()) == qRgb(0, 255, 0));
    }

    // 40 arrow steps reach each end of a bar, as the limits' captions show, the page step is 3 or 1
    // and the arrow step the other; text typed into the list chooses nothing, a step down does.
    void keyboard()
    {
        Form1 form;
        form.start();
        const auto press = [&](ui::VScrollBar &bar, Qt::Key key, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(bar.widget(), key);
            return form.L4.caption() + ' ' + form.L5.caption();
        };
        const QStringList seen {press(form.V1, Qt::Key_PageUp), press(form.V1, Qt::Key_Up),
                                press(form.V1, Qt::Key_Up, 40), press(form.V2, Qt::Key_Down, 40),
                                press(form.V2, Qt::Key_PageUp)};
        QVERIFY(seen.join(", ") == "-3 , -4 , -30 , -30 30, -30 27"
                || seen.join(", ") == "-1 , -4 , -30 , -30 30, -30 29");
        QTest::keyClicks(form.l1.widget(), "bcos(ax)\r");
        QVERIFY(form.Text1.text().isEmpty());
        QTest::keyClick(form.l1.widget(), Qt::Key_Down);
        QCOMPARE(form.Text1.text(), QStringLiteral("1"));
    }

    // From the design: the title slides 1000 twips a second, back before 5000; the credit pulses
    // 18, 17, 16; the corner blocks change together 10 times a second, red again after six, and the
    // window's light green turns in 5 s to green, back every sixth; all colours a screen can show.
    void animations()
    {
        Form1 form;
        QList<float> title, credit;
        QList<ui::Colour> blocks, window;
        for (int ms = 0; ms < 60000; ms += 100, ui::Timer::advanceTestClock(100)) {
            QCOMPARE(form.s4.backColor(), form.s1.backColor()); // the last changed, the first read
            (title << form.Label1.left(), credit << form.mes.fontSize());
            (blocks << form.s1.backColor(), window << form.window.backColor());
        }
        QCOMPARE(title.mid(0, 2) + title.mid(37, 3) + credit.mid(0, 7),
                 (QList<float> {1200, 1300, 4900, 0, 100, 18, 18, 17, 17, 16, 16, 18}));
        QVERIFY(blocks[0] == rgb(255, 0, 0) && blocks.mid(6) == blocks.first(594)
                && QSet(blocks.begin(), blocks.begin() + 6).size() == 6);
        QVERIFY(window[49] == rgb(128, 255, 128) && window[50] == rgb(0, 255, 0)
                && window.mid(350) == window.mid(50, 250)
                && QSet(window.begin() + 50, window.end()).size() == 6);
        QVERIFY(std::ranges::all_of(blocks + window, [](ui::Colour c) { return c <= 0xffffff; }));
        QCOMPARE(form.s4.widget()->grab().toImage().pixel(3, 3),
                 ui::toQColor(form.s1.backColor()).rgb());
    }

    // On a wide screen the credit is wrapped within its box, and its words shrink as it pulses.
    void credit()
    {
        ui::Screen::overrideSize(QSize(1920, 1080));
        Form1 form;
        form.start();
        const QRect box = form.mes.widget()->geometry();
        const QRect large = ink(form.w->grab().toImage(), box.adjusted(-300, 0, 300, 0), 0xff00ff);
        ui::Timer::advanceTestClock(200);
        QVERIFY(box.contains(large)
                && large.height() > QFontMetrics(QFont("Algerian", 18, QFont::Bold)).height());
        QVERIFY(ink(form.w->grab().toImage(), box, 0xff00ff).width() < large.width());
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
