// The window as a user meets it, on a test clock and a screen of 1024 x 768 pixels.
#include "app/form1.h"
#include "ui/screen.h"

#include <QPainter>
#include <QScreen>
#include <QTest>

using ui::rgb;

namespace {

QString places(std::initializer_list<const ui::Control *> controls) // in twips
{
    QStringList places;
    for (const ui::Control *c : controls)
        places << QString::asprintf("%g %g %g %g", c->left(), c->top(), c->width(), c->height());
    return places.join(", ");
}

// The bounding box of the pixels of exactly `colour` in `area`: the core of a text's glyphs.
QRect ink(const QImage &image, QRect area, QRgb colour)
{
    QRect box;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            box |= image.pixel(x, y) == (colour | 0xff000000) ? QRect(x, y, 1, 1) : QRect();
    return box;
}

QFont font(const char *family, double points, bool bold = true)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The ink of `text` as `font` draws it, from the top left of its box.
QRect drawnInk(const QString &text, const QFont &font, QRgb colour)
{
    QImage image(900, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(colour));
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    return ink(image, image.rect(), colour);
}

QRgb shown(QWidget *window, QPoint at) // what the screen shows there
{
    QTest::qWait(1);
    return window->screen()->grabWindow(0).toImage().pixel(window->mapToGlobal(at));
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

    void layout()
    {
        Form1 form;
        form.start();
        const auto all = [&] {
            return places({&form.window, &form.P,     &form.s1,    &form.s2,    &form.s3,
                           &form.s4,     &form.V1,    &form.V2,    &form.Cp,    &form.L3,
                           &form.L5,     &form.l1,    &form.T6[0], &form.T6[1], &form.T6[2],
                           &form.T6[3],  &form.L6[0], &form.L6[1], &form.L6[2], &form.L6[3]})
                    .section(' ', 2); // the window's place is the window system's
        };
        const QString expected = "15360 11520, 2560 1920 10240 7680, 426.75 0 426.75 426.75, "
                                 "9813.25 0 426.75 426.75, 426.75 7253.25 426.75 426.75, "
                                 "9813.25 7253.25 426.75 426.75, 2460 1920 495 7680, "
                                 "12800 1920 495 7680, 6528 9600 2304 576, 12032 1344 1335 495, "
                                 "13467 1344 1575 495, 5760 240 6015 675, 768 3360 1455 495, "
                                 "768 4320 1455 495, 768 5160 1455 495, 768 6000 1455 495, "
                                 "307.2 3240 735 615, 307.2 4200 735 615, 307.2 5040 735 615, "
                                 "307.2 5880 735 615";
        QCOMPARE(all(), expected);
        QCOMPARE(form.w->frameGeometry().size(), QSize(1024, 768)); // the whole screen
        QCOMPARE(form.w->windowTitle(), "Curvanta" + QString(64, ' ') + "Powerred by:Korvel");
        QVERIFY(form.P.autoRedraw() && form.Text1.widget()->isHidden()
                && form.Text2.widget()->isHidden());
        QCOMPARE(form.Text2.text(), QStringLiteral("18")); // the credit's font size
        // Activated again: the same layout, the title back, green again, the axes over a line.
        form.Label1.setLeft(2500);
        form.window.setBackColor(rgb(0, 0, 11));
        form.P.line(0, 1000, 10240, 1000, rgb(255, 0, 0)); // across the y axis
        form.Form_Activate();
        QCOMPARE(all(), expected);
        QCOMPARE(form.Label1.left(), 0.0f);
        QCOMPARE(form.window.backColor(), rgb(0, 255, 0));
        QCOMPARE(form.P.pixelAt(5120, 1000), qRgb(0, 0, 0));
        QCOMPARE(form.P.pixelAt(2000, 1000), qRgb(255, 0, 0));
    }

    void look_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QRect>("area"); // a label's top-left pixel, or the control around
        const QFont captions = font("Times New Roman", 21.75);
        const QRgb magenta = qRgb(192, 0, 192);
        QTest::newRow("a=") << "a=" << captions << magenta << QRect(20, 216, 0, 0);
        QTest::newRow("title") << "Curvanta" << font("Times New Roman", 20.25) << qRgb(255, 0, 0)
                               << QRect(0, 15, 0, 0);
        QTest::newRow("-X values") << "-X values" << font("Times New Roman", 14.25)
                                   << qRgb(0, 0, 255) << QRect(113, 90, 0, 0);
        QTest::newRow("L4 after V1 moved") << "-12" << font("Times New Roman", 14.25)
                                           << qRgb(255, 128, 0) << QRect(202, 90, 0, 0);
        QTest::newRow("hint, on P's designed top edge")
                << "Double click on plotted region to clear screen"
                << font("Times New Roman", 15.75) << magenta << QRect(470, 88, 0, 0);
        // Where a control window puts its text is the style's: only the size is known.
        QTest::newRow("list") << "Select Function" << font("MS Sans Serif", 24) << qRgb(0, 192, 0)
                              << QRect(384, 16, 401, 45);
        QTest::newRow("Plot") << "Plot" << captions << 0u << QRect(435, 640, 154, 38);
    }

    void look()
    {
        QFETCH(QString, text);
        QFETCH(QFont, font);
        QFETCH(QRgb, colour);
        QFETCH(QRect, area);
        Form1 form;
        form.start();
        form.V1.setValue(-12);
        const QRect expected = drawnInk(text, font, colour);
        const QRect found = ink(
                form.w->grab().toImage(),
                area.isEmpty() ? area.adjusted(-3, -3, expected.right() + 6, expected.bottom() + 6)
                               : area,
                colour);
        QCOMPARE(found.size(), expected.size());
        QVERIFY(!area.isEmpty() || found.topLeft() == area.topLeft() + expected.topLeft());
    }

    // Larger screens: the limits' captions clear (1280 x 1024), the credit wrapped (1920 x 1080).
    void largerScreens()
    {
        ui::Screen::overrideSize(QSize(1280, 1024));
        Form1 form;
        form.start();
        form.V2.setValue(3);
        form.w->grab(); // shown once with "3", then with "12"
        form.V2.setValue(12);
        const QImage shot = form.w->grab().toImage();
        const QFont captions = font("Times New Roman", 14.25);
        const QRgb blue = qRgb(0, 0, 255), orange = qRgb(255, 128, 0), magenta = qRgb(255, 0, 255);
        QCOMPARE(ink(shot, form.L3.widget()->geometry(), blue).size(),
                 drawnInk("+x limit", captions, blue).size());
        QCOMPARE(ink(shot, form.L5.widget()->geometry(), orange).size(),
                 drawnInk("12", captions, orange).size());
        ui::Screen::overrideSize(QSize(1920, 1080));
        Form1 wide;
        wide.start();
        const QRect credit = wide.mes.widget()->geometry();
        const QRect words
                = ink(wide.w->grab().toImage(), credit.adjusted(-300, 0, 300, 0), magenta);
        QVERIFY(credit.contains(words));
        QVERIFY(words.height() > QFontMetrics(font("Algerian", wide.mes.fontSize())).height());
        ui::Timer::advanceTestClock(200);
        QVERIFY(ink(wide.w->grab().toImage(), credit, magenta).width() < words.width());
    }

    void bars()
    {
        // 40 arrow steps reach each end; the page step is 3 or 1, the arrow step the other.
        Form1 form;
        const auto press = [&](ui::VScrollBar &bar, Qt::Key key, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(bar.widget(), key);
            return form.L4.caption() + ' ' + form.L5.caption();
        };
        QStringList seen;
        seen << press(form.V1, Qt::Key_PageUp) << press(form.V1, Qt::Key_Up)
             << press(form.V1, Qt::Key_Up, 40) << press(form.V2, Qt::Key_Down, 40)
             << press(form.V2, Qt::Key_PageUp) << press(form.V1, Qt::Key_Down, 40);
        QVERIFY(seen.join(", ") == "-3 , -4 , -30 , -30 30, -30 27, 0 27"
                || seen.join(", ") == "-1 , -4 , -30 , -30 30, -30 29, 0 29");
    }

    void animations()
    {
        // Each animated property, every millisecond for 10 s from the design: when and what.
        Form1 form;
        QList<int> when[4];
        QList<float> seen[4];
        for (int ms = 0; ms <= 10000; ++ms) {
            const float now[4] {form.Label1.left(), form.mes.fontSize(), float(form.s1.backColor()),
                                float(form.window.backColor())};
            for (int i = 0; i < 4; ++i) {
                if (seen[i].isEmpty() || now[i] != seen[i].last())
                    (when[i] << ms, seen[i] << now[i]);
            }
            ui::Timer::advanceTestClock(1);
        }
        const auto colours = [](const QList<float> &values) {
            QStringList names;
            for (float v : values)
                names << ui::toQColor(ui::Colour(v)).name();
            return names.join(' ');
        };
        // Intervals of 10, 200, 100 and 5000 ms.
        QCOMPARE(when[0].mid(1, 2) + when[1].mid(1, 2) + when[2].mid(1, 2) + when[3].mid(1),
                 (QList<int> {10, 20, 200, 400, 100, 200, 5000, 10000}));
        // The title steps 10 twips, starting over at 5000; the credit pulses; the blocks cycle.
        QCOMPARE(seen[0].mid(0, 2) + seen[0].mid(379, 3) + seen[1].mid(0, 7),
                 (QList<float> {1200, 1210, 4990, 0, 10, 18, 17, 16, 18, 17, 16, 18}));
        QCOMPARE(colours(seen[2].mid(0, 8)),
                 "#ff0000 #00ff00 #0000ff #00e6ff #646400 #646464 #ff0000 #00ff00");
        QCOMPARE(form.s4.widget()->grab().toImage().pixel(3, 3),
                 ui::toQColor(form.s1.backColor()).rgb());
        // The window steps on from its designed light green, which is not in its cycle.
        for (int tick = 0; tick < 5; ++tick) {
            ui::Timer::advanceTestClock(5000);
            seen[3] << form.window.backColor();
        }
        QCOMPARE(colours(seen[3]),
                 "#80ff80 #00ff00 #001900 #00000b #001919 #c8c800 #c8c8fa #00ff00");
    }

    // A plot of numbers typed in German on the screen until a clear; the title over the window.
    void shown()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Form1 form;
        form.start();
        QVERIFY(QTest::qWaitForWindowExposed(form.w));
        QTest::keyClicks(form.l1.widget(), "bcos(ax)\r"); // typed: no choice
        QTest::keyClick(form.l1.widget(), Qt::Key_Down);
        QTest::keyClick(form.l1.widget(), Qt::Key_Down); // bsin(ax)
        form.V1.setValue(-12);
        form.V2.setValue(9);
        form.T6[0].setText("1,5");
        form.T6[1].setText("1,5");
        form.Cp.click.raise();
        // y = sin x: at x = 3 pi / 2 the dot lies one unit below the centre.
        const double unit = ui::Screen::mapping().toPixels(9 * 200000 / form.P.height()),
                     x = 3 * 3.14159265 / 2;
        const QPoint dot = form.P.widget()->geometry().center() + QPointF(unit * x, unit).toPoint();
        QCOMPARE(::shown(form.w, dot), qRgb(255, 0, 0));
        form.P.dblClick.raise();
        QVERIFY(::shown(form.w, dot) != qRgb(255, 0, 0));
        ui::setErrorReporter([](const QString &, const ui::RuntimeError &) {});
        form.T6[3].setText(QString()); // a marker, then an error at the first step
        form.Cp.click.raise();
        const QPoint ring = form.P.widget()->rect().center() + QPoint(5, 5);
        QCOMPARE(::shown(form.w, form.P.widget()->mapTo(form.w, ring)), form.P.image().pixel(ring));
        ui::resetErrorReporter();
        form.window.setBackColor(rgb(0, 25, 0));
        QCOMPARE(::shown(form.w, QPoint(150, 18)), qRgb(0, 25, 0)); // beside the title's text
        form.Label1.setLeft(1500);
        QCOMPARE(::shown(form.w, QPoint(30, 18)), qRgb(0, 25, 0));
        QCOMPARE(::shown(form.w, QPoint(250, 18)), qRgb(0, 25, 0));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
