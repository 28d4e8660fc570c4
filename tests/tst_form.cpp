// The window as a user meets it: start-up, the layout on the screen, the look of the captions on
// pixels, the keyboard, the animations on a test clock, what reaches the screen and what is told.
#include "app/form1.h"
#include "ui/event.h"
#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QComboBox>
#include <QPainter>
#include <QScreen>
#include <QTest>

using ui::rgb;

namespace {

ui::Control *control(Form1 &f, const QString &name)
{
    const QHash<QString, ui::Control *> controls {
            {"P", &f.P},         {"Form1", &f.window}, {"s1", &f.s1},         {"s2", &f.s2},
            {"s3", &f.s3},       {"s4", &f.s4},        {"V1", &f.V1},         {"V2", &f.V2},
            {"Cp", &f.Cp},       {"L2", &f.L2},        {"L3", &f.L3},         {"L4", &f.L4},
            {"L5", &f.L5},       {"l1", &f.l1},        {"Label1", &f.Label1}, {"T6(0)", &f.T6[0]},
            {"L6(0)", &f.L6[0]}, {"cl", &f.cl}};
    return controls.value(name);
}

QList<float> read(Form1 &f, const QString &name, const QString &props)
{
    const ui::Control *c = control(f, name);
    QList<float> values;
    for (QChar p : props)
        values << QList<float> {c->left(), c->top(), c->width(),
                                c->height()}[QStringLiteral("LTWH").indexOf(p)];
    return values;
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

QRgb shown(QWidget *window, QPoint at) // what the screen shows there
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
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
        ui::setErrorReporter([](const QString &handler, const ui::RuntimeError &error) {
            QFAIL(qPrintable(handler + ": " + error.title()));
        });
        ui::Screen::overrideSize(QSize(1024, 768));
    }

    void load()
    {
        ui::Screen::overrideSize(QSize(1366, 768));
        Form1 form;
        form.Form_Load();
        QStringList list {form.l1.text(), QString::number(form.l1.listIndex())};
        for (int i = 0; i < form.l1.listCount(); ++i)
            list << form.l1.list(i);
        QCOMPARE(list.join(' '),
                 "Select Function -1 bcos(ax) bsin(ax) btan(ax) bcosec(ax) bsec(ax) "
                 "bcot(ax) ax ax^2 ax^3 (dx^3)+(ax^2)+bx+c a(e^bx)");
        QCOMPARE(form.window.caption(), "Curvanta" + QString(64, ' ') + "Powerred by:Korvel");
        QCOMPARE(form.P.drawWidth(), 3);
        for (const char *block : {"s1", "s2", "s3", "s4"})
            QCOMPARE(read(form, block, "WH"), (QList<float> {426.75f, 426.75f}));
        // The hint stands on P's designed top edge, centred over it; the credit half-way between
        // P's right edge (14295) and the screen's (20490), plus half its width.
        QCOMPARE(form.cl.top() + form.cl.height(), 1680.0f);
        QCOMPARE(form.cl.left() + form.cl.width() / 2, 10027.5f);
        QCOMPARE(form.mes.left(), float(17392.5 + form.mes.width() * 0.5));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("props");
        QTest::addColumn<QList<float>>("expected"); // on 1024 x 768 pixels
        const auto row = [](const char *name, const char *props, QList<float> values) {
            QTest::newRow(name) << props << values;
        };
        row("Form1", "WH", {15360, 11520});
        row("P", "LTWH", {2560, 1920, 10240, 7680});
        row("s1", "LT", {426.75, 0});
        row("s2", "LT", {9813.25, 0});
        row("s3", "LT", {426.75, 7253.25});
        row("s4", "LT", {9813.25, 7253.25});
        row("V1", "LTWH", {2460, 1920, 495, 7680});
        row("V2", "LTWH", {12800, 1920, 495, 7680});
        row("Cp", "LTWH", {6528, 9600, 2304, 576});
        row("L2", "LT", {1692, 1344});
        row("L3", "LT", {12032, 1344});
        row("L4", "LT", {3037, 1344});
        row("L5", "LT", {13467, 1344});
        row("Label1", "LT", {0, 230.4f});
        row("T6(0)", "LTWH", {768, 3360, 1455, 495});
        row("L6(0)", "LT", {307.2f, 3240});
        row("l1", "LTWH", {5760, 240, 6015, 675});
    }

    void layout()
    {
        QFETCH(QString, props);
        QFETCH(QList<float>, expected);
        Form1 form;
        form.start();
        QCOMPARE(read(form, QTest::currentDataTag(), props), expected);
        QVERIFY(form.P.autoRedraw() && !form.Text1.widget()->isVisible());
        QVERIFY(!form.Text2.widget()->isVisible());
        QCOMPARE(form.Text2.text(), QStringLiteral("18")); // the credit's font size
        // Activated again, after the title slid and the background changed over a drawing, the
        // layout stays; the title goes back, the background turns green, the axes are redrawn.
        form.Label1.setLeft(2500);
        form.window.setBackColor(rgb(0, 0, 11));
        form.P.line(0, 1000, 10240, 1000, rgb(255, 0, 0)); // across the y axis
        form.Form_Activate();
        QCOMPARE(read(form, QTest::currentDataTag(), props), expected);
        QCOMPARE(QList<float>({form.Label1.left(), float(form.window.backColor())}),
                 QList<float>({0, float(rgb(0, 255, 0))}));
        QCOMPARE(form.P.pixelAt(5120, 1000), qRgb(0, 0, 0));
        QCOMPARE(form.P.pixelAt(2000, 1000), qRgb(255, 0, 0));
    }

    void look_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QPoint>("at");       // the label's top-left pixel on 1280 x 1024
        QTest::addColumn<QString>("control"); // or the control the text is in, somewhere
        const auto font = [](const char *family, double points, bool bold = true) {
            QFont f(family);
            f.setPointSizeF(points);
            f.setBold(bold);
            return f;
        };
        const QFont captions = font("Times New Roman", 21.75),
                    bars = font("Times New Roman", 14.25);
        const QRgb magenta = qRgb(192, 0, 192), blue = qRgb(0, 0, 255), orange = qRgb(255, 128, 0);
        QTest::newRow("a=") << "a=" << captions << magenta << QPoint(26, 216) << "";
        QTest::newRow("b=") << "b=" << captions << magenta << QPoint(26, 280) << "";
        QTest::newRow("d=") << "d=" << captions << magenta << QPoint(26, 392) << "";
        QTest::newRow("title") << "Curvanta" << font("Times New Roman", 20.25) << qRgb(255, 0, 0)
                               << QPoint(0, 20) << "";
        QTest::newRow("-X values") << "-X values" << bars << blue << QPoint(143, 119) << "";
        QTest::newRow("+x limit") << "+x limit" << bars << blue << QPoint(1003, 119) << "";
        QTest::newRow("L4 after V1 moved") << "-12" << bars << orange << QPoint(232, 119) << "";
        QTest::newRow("L5 after V2 moved") << "12" << bars << orange << QPoint(1098, 119) << "";
        // Where a control window puts its text is the style's: only the size is known there.
        QTest::newRow("hint") << "Double click on plotted region to clear screen"
                              << font("Times New Roman", 15.75) << magenta << QPoint() << "cl";
        QTest::newRow("list") << "Select Function" << font("MS Sans Serif", 24) << qRgb(0, 192, 0)
                              << QPoint() << "l1";
        QTest::newRow("Plot") << "Plot" << captions << 0u << QPoint() << "Cp";
        QTest::newRow("a= box") << "1" << font("MS Sans Serif", 18, false) << 0u << QPoint()
                                << "T6(0)";
    }

    void look()
    {
        QFETCH(QString, text);
        QFETCH(QFont, font);
        QFETCH(QRgb, colour);
        QFETCH(QPoint, at);
        QFETCH(QString, control);
        ui::Screen::overrideSize(QSize(1280, 1024));
        Form1 form;
        form.start();
        form.V1.setValue(-12);
        form.V2.setValue(12);
        QImage image(900, 100, QImage::Format_RGB32); // the text as the font draws it
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(QColor(colour));
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, text);
        const QRect expected = ink(image, image.rect(), colour);
        const QImage shot = form.w->grab().toImage();
        const QRect found = ink(shot,
                                control.isEmpty() ? QRect(at - QPoint(3, 3), QSize(300, 60))
                                                  : ::control(form, control)->widget()->geometry(),
                                colour);
        QCOMPARE(found.size(), expected.size());
        if (control.isEmpty())
            QCOMPARE(found.topLeft(), at + expected.topLeft());
    }

    void keyboard()
    {
        Form1 form;
        form.start();
        QVERIFY(QTest::qWaitForWindowActive(form.w));
        // Tab follows the tab order from P, which has the focus, and skips Text1 and Text2.
        for (ui::Control *c : std::initializer_list<ui::Control *> {
                     &form.P, &form.Cp, &form.V1, &form.V2, &form.T6[0], &form.T6[1], &form.T6[2],
                     &form.T6[3], &form.l1, &form.P}) {
            QVERIFY(c->widget() == qApp->focusWidget()
                    || c->widget()->isAncestorOf(qApp->focusWidget()));
            QTest::keyClick(qApp->focusWidget(), Qt::Key_Tab);
        }
        // The bars step 1 and 3 (arrow and page, either way round), end at Min and Max and
        // never pass them; moving one bar leaves the other's label alone.
        QString shown;
        const auto press = [&](ui::VScrollBar &bar, Qt::Key key, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(bar.widget(), key);
            shown += form.L4.caption() + ' ' + form.L5.caption() + ", ";
        };
        press(form.V1, Qt::Key_PageUp);
        const bool pageIs3 = form.L4.caption() == "-3";
        press(form.V1, Qt::Key_Up);
        press(form.V1, Qt::Key_Up, 40);
        press(form.V1, Qt::Key_End);
        press(form.V2, Qt::Key_End);
        press(form.V2, Qt::Key_Home);
        press(form.V2, Qt::Key_PageDown);
        press(form.V2, Qt::Key_Down);
        QCOMPARE(shown,
                 QString(pageIs3 ? "-3 , -4 , -30 , 0 , 0 30, 0 0, 0 3, 0 4, "
                                 : "-1 , -4 , -30 , 0 , 0 30, 0 0, 0 1, 0 4, "));
    }

    void animations()
    {
        // Every property an animation shows, each millisecond for 10 s from the design: when it
        // changes and to what.
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
        // Every 10 ms the title steps 10 twips from its designed 1200, starting over at 5000.
        QCOMPARE(when[0].mid(0, 3) + when[0].mid(379, 2), (QList<int> {0, 10, 20, 3790, 3800}));
        QCOMPARE(seen[0].mid(0, 2) + seen[0].mid(379, 3), (QList<float> {1200, 1210, 4990, 0, 10}));
        // Every 200 ms the credit pulses 17, 16, 18 points.
        QCOMPARE(when[1].mid(0, 3), (QList<int> {0, 200, 400}));
        QCOMPARE(seen[1].mid(0, 7), (QList<float> {18, 17, 16, 18, 17, 16, 18}));
        // Every 100 ms the corner blocks, all four alike, show the next of red, green, blue,
        // turquoise, olive and grey.
        const auto colours = [](const QList<float> &values) {
            QStringList names;
            for (float v : values)
                names << ui::toQColor(ui::Colour(v)).name();
            return names.join(' ');
        };
        QCOMPARE(when[2].mid(0, 3), (QList<int> {0, 100, 200}));
        QCOMPARE(colours(seen[2].mid(0, 8)),
                 "#ff0000 #00ff00 #0000ff #00e6ff #646400 #646464 "
                 "#ff0000 #00ff00");
        for (ui::Label *s : {&form.s2, &form.s3, &form.s4})
            QCOMPARE(s->widget()->grab().toImage().pixel(3, 3),
                     form.s1.widget()->grab().toImage().pixel(3, 3));
        // Every 5 s the window steps on from its designed light green, which is not in its cycle.
        QCOMPARE(when[3], (QList<int> {0, 5000, 10000}));
        for (int tick = 0; tick < 5; ++tick) {
            ui::Timer::advanceTestClock(5000);
            seen[3] << form.window.backColor();
        }
        QCOMPARE(colours(seen[3]),
                 "#80ff80 #00ff00 #001900 #00000b #001919 #c8c800 #c8c8fa "
                 "#00ff00");
        QCOMPARE(form.w->grab().toImage().pixel(1, 1), qRgb(0, 255, 0));
        // A colour outside the cycle in s1 turns all four red; one in s2 alone changes nothing.
        form.s1.setBackColor(rgb(1, 2, 3));
        form.s2.setBackColor(rgb(1, 2, 3));
        ui::Timer::advanceTestClock(100);
        QCOMPARE(form.s2.backColor(), rgb(255, 0, 0));
        form.s2.setBackColor(rgb(1, 2, 3));
        ui::Timer::advanceTestClock(100);
        QCOMPARE(form.s2.backColor(), rgb(0, 255, 0));
    }

    void germanNumbersAndWhatIsSpoken()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Form1 form;
        form.start();
        for (QWidget *w : form.w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)
                     + form.P.container()->findChildren<QWidget *>())
            QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
        QWidget *P = form.P.widget();
        const QString empty = P->accessibleDescription();
        QTest::keyClicks(form.l1.widget(), "bcos(ax)\r"); // typed: no choice
        QTest::keyClick(form.l1.widget(), Qt::Key_Down);
        QTest::keyClick(form.l1.widget(), Qt::Key_Down);
        form.V1.setValue(-12);
        form.T6[0].setText("1,5");
        form.T6[1].setText("1,5");
        QString said;
        for (int upper : {12, 3, 6, 9}) {
            form.V2.setValue(upper);
            form.Cp.click.raise();
            said += QStringLiteral("bsin(ax) plotted for x from -10 to %1.\n")
                            .arg(QLocale().toString(upper / 1.2));
        }
        // y = sin x, so at x = 3 pi / 2 the dot lies one unit below the centre.
        const double unit = 9 * 200000 / form.P.height(), x = 3 * 3.14159265 / 2;
        QCOMPARE(form.P.pixelAt(form.P.width() / 2 + unit * x, form.P.height() / 2 + unit),
                 qRgb(255, 0, 0));
        QCOMPARE(P->accessibleDescription() + '\n', said.section('\n', 1)); // the latest three
        form.P.dblClick.raise();
        QCOMPARE(P->accessibleDescription(), empty);
        ui::setErrorReporter([](const QString &, const ui::RuntimeError &) {});
        form.T6[3].setText(QString()); // a plot that fails is not told
        form.Cp.click.raise();
        QCOMPARE(P->accessibleDescription(), empty);
        QLocale::setDefault(QLocale::c());
    }

    // What reaches the screen: drawing until a clear; a transparent title that shows the window
    // behind it, also after its colour changes, while it slides and over another caption.
    void screen()
    {
        Form1 form;
        form.start();
        QVERIFY(QTest::qWaitForWindowExposed(form.w));
        const QPoint inP = form.P.widget()->pos() + QPoint(300, 100);
        form.P.setDrawWidth(5);
        form.P.line(0, 1500, 10240, 1500, rgb(255, 0, 0));
        QCOMPARE(shown(form.w, inP), qRgb(255, 0, 0));
        form.P.cls();
        QCOMPARE(shown(form.w, inP), qRgb(255, 255, 255));
        form.window.setBackColor(rgb(0, 25, 0));
        QCOMPARE(shown(form.w, QPoint(150, 18)), qRgb(0, 25, 0)); // beside the title's text
        form.Label1.setLeft(1500);
        QCOMPARE(shown(form.w, QPoint(30, 18)), qRgb(0, 25, 0));
        QCOMPARE(shown(form.w, QPoint(250, 18)), qRgb(0, 25, 0));
        const QRect caption = form.L6[0].widget()->geometry();
        const QImage before = form.w->grab(caption).toImage();
        form.Label1.setTop(form.L6[0].top());
        form.Label1.setLeft(form.L6[0].left());
        const QImage after = form.w->grab(caption).toImage();
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                QVERIFY(before.pixel(x, y) != qRgb(192, 0, 192)
                        || after.pixel(x, y) == before.pixel(x, y));
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
