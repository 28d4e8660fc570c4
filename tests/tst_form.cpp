// The window as a user meets it: start-up, the layout on the screen, the look of the captions on
// pixels, the keyboard, the timers on a test clock, an error and the reactivation after it.
#include "app/form1.h"
#include "ui/event.h"
#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTest>

using ui::rgb;

namespace {

ui::Control *control(Form1 &f, const QString &name)
{
    const QHash<QString, ui::Control *> controls {
            {"P", &f.P},         {"Form1", &f.window},  {"s1", &f.s1},       {"s2", &f.s2},
            {"s3", &f.s3},       {"s4", &f.s4},         {"V1", &f.V1},       {"V2", &f.V2},
            {"Cp", &f.Cp},       {"L2", &f.L2},         {"L3", &f.L3},       {"L4", &f.L4},
            {"L5", &f.L5},       {"Label1", &f.Label1}, {"T6(0)", &f.T6[0]}, {"T6(3)", &f.T6[3]},
            {"L6(0)", &f.L6[0]}, {"L6(3)", &f.L6[3]},   {"list", &f.l1},     {"Plot", &f.Cp},
            {"hint", &f.cl}};
    return controls.value(name);
}

QList<float> read(Form1 &f, const QString &name, const QString &props)
{
    const ui::Control *c = control(f, name);
    const float all[] = {c->left(), c->top(), c->width(), c->height()};
    QList<float> values;
    for (QChar p : props)
        values << all[QStringLiteral("LTWH").indexOf(p)];
    return values;
}

// The bounding box of the pixels of exactly `colour` in `area`: the core of a text's glyphs.
QRect ink(const QImage &image, QRect area, QRgb colour)
{
    area &= image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            box |= image.pixel(x, y) == (colour | 0xff000000) ? QRect(x, y, 1, 1) : QRect();
    return box;
}

// The same box for `text` drawn from (0, 0) in the given font.
QRect inkOf(const QString &text, const QString &family, double points, bool bold, QRgb colour)
{
    QImage image(900, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(QColor(colour));
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    return ink(image, image.rect(), colour);
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
        QStringList list;
        for (int i = 0; i < form.l1.listCount(); ++i)
            list << form.l1.list(i);
        QCOMPARE(list.join(' '),
                 "bcos(ax) bsin(ax) btan(ax) bcosec(ax) bsec(ax) bcot(ax) ax ax^2 "
                 "ax^3 (dx^3)+(ax^2)+bx+c a(e^bx)");
        QCOMPARE(form.l1.text() + QString::number(form.l1.listIndex()), "Select Function-1");
        QCOMPARE(form.P.drawWidth(), 3);
        QCOMPARE(form.window.caption(), "Curvanta" + QString(64, ' ') + "Powerred by:Korvel");
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
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("props");
        QTest::addColumn<QList<float>>("expected"); // on 1024 x 768 pixels; P' on 1280 x 1024
        const auto row = [](const char *name, const char *props, QList<float> values) {
            QTest::addRow("%s %s", name, props) << name << props << values;
        };
        row("P'", "LTWH", {3200, 2560, 12800, 10240});
        row("Form1", "WH", {15360, 11520});
        row("P", "LTWH", {2560, 1920, 10240, 7680});
        row("s1", "LT", {426.75, 0});
        row("s2", "LT", {9813.25, 0});
        row("s3", "LT", {426.75, 7253.25});
        row("s4", "LT", {9813.25, 7253.25});
        row("V1", "LTH", {2460, 1920, 7680});
        row("V2", "LTH", {12800, 1920, 7680});
        row("Cp", "LTWH", {6528, 9600, 2304, 576});
        row("L2", "LT", {1692, 1344});
        row("L3", "LT", {12032, 1344});
        row("L4", "LT", {3037, 1344});
        row("L5", "LT", {13467, 1344});
        row("Label1", "LT", {0, 230.4f});
        row("T6(0)", "LTWH", {768, 3360, 1455, 495});
        row("T6(3)", "LT", {768, 6000});
        row("L6(0)", "LT", {307.2f, 3240});
        row("L6(3)", "LT", {307.2f, 5880});
        row("list", "LTWH", {5760, 240, 6015, 675});
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, props);
        QFETCH(QList<float>, expected);
        if (name.endsWith('\''))
            ui::Screen::overrideSize(QSize(1280, 1024));
        Form1 form;
        form.start();
        QCOMPARE(read(form, name.remove('\''), props), expected);
        form.Form_Activate(); // a second activation lays the window out the same
        QCOMPARE(read(form, name, props), expected);
        QVERIFY(form.P.autoRedraw());
    }

    void look_data()
    {
        // On 1280 x 1024 pixels, where the hint does not cross the captions of the bars.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QList<double>>("pointsBold");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QPoint>("at"); // the label's top-left pixel; none for control windows
        const QString serif = "Times New Roman", sans = "MS Sans Serif";
        const QList<double> captions {21.75, 1}, bars {14.25, 1};
        const QRgb magenta = qRgb(192, 0, 192), blue = qRgb(0, 0, 255), orange = qRgb(255, 128, 0);
        QTest::newRow("a=") << "a=" << serif << captions << magenta << QPoint(26, 216);
        QTest::newRow("b=") << "b=" << serif << captions << magenta << QPoint(26, 280);
        QTest::newRow("d=") << "d=" << serif << captions << magenta << QPoint(26, 392);
        QTest::newRow("title") << "Curvanta" << serif << QList<double> {20.25, 1} << qRgb(255, 0, 0)
                               << QPoint(0, 20);
        QTest::newRow("-X values") << "-X values" << serif << bars << blue << QPoint(143, 119);
        QTest::newRow("+x limit") << "+x limit" << serif << bars << blue << QPoint(1003, 119);
        QTest::newRow("L4 after V1 moved") << "-12" << serif << bars << orange << QPoint(232, 119);
        QTest::newRow("L5 after V2 moved") << "12" << serif << bars << orange << QPoint(1098, 119);
        QTest::newRow("hint") << "Double click on plotted region to clear screen" << serif
                              << QList<double> {15.75, 1} << magenta << QPoint();
        QTest::newRow("list") << "Select Function" << sans << QList<double> {24, 1}
                              << qRgb(0, 192, 0) << QPoint();
        QTest::newRow("Plot") << "Plot" << serif << captions << 0u << QPoint();
        QTest::newRow("T6(0)") << "1" << sans << QList<double> {18, 0} << 0u << QPoint();
    }

    void look()
    {
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(QList<double>, pointsBold);
        QFETCH(QRgb, colour);
        QFETCH(QPoint, at);
        ui::Screen::overrideSize(QSize(1280, 1024));
        Form1 form;
        form.start();
        form.V1.setValue(-12);
        form.V2.setValue(12);
        const QRect expected = inkOf(text, family, pointsBold[0], pointsBold[1] != 0, colour);
        const QRect area = at.isNull()
                ? control(form, QTest::currentDataTag())->widget()->geometry()
                : QRect(at - QPoint(3, 3), expected.bottomRight() + QPoint(6, 6) + at);
        const QRect found = ink(form.w->grab().toImage(), area, colour);
        QCOMPARE(found.size(), expected.size());
        if (!at.isNull())
            QCOMPARE(found.topLeft(), at + expected.topLeft());
    }

    void graphPaperAndCredit()
    {
        // On 1600 x 1200 the plot area (1067 x 800 pixels) is larger than its picture.
        ui::Screen::overrideSize(QSize(1600, 1200));
        Form1 form;
        form.start();
        const QImage &paper = form.P.image();
        QCOMPARE(QList<int>({qRed(paper.pixel(4, 150)), qRed(paper.pixel(5, 150)) / 200}),
                 QList<int>({0, 1})); // a cyan rule ends at x = 4, white follows
        QCOMPARE(QList<int>({qRed(paper.pixel(150, 3)), qRed(paper.pixel(150, 4)) / 200}),
                 QList<int>({0, 1}));
        QCOMPARE(paper.pixel(1040, 150), qRgb(0, 255, 255)); // the background beyond
        QCOMPARE(paper.pixel(100, 700), qRgb(0, 255, 255));
        // The credit wraps within a width no smaller than its longest word.
        const QRect credit
                = ink(form.w->grab().toImage(), form.mes.widget()->geometry(), qRgb(255, 0, 255));
        const QRect word = inkOf("Orvendale", "Algerian", 18, true, qRgb(255, 0, 255));
        QVERIFY(credit.width() >= word.width() && credit.height() > 2 * word.height());
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
            QWidget *now = QApplication::focusWidget();
            QVERIFY(now == c->widget() || c->widget()->isAncestorOf(now));
            QTest::keyClick(now, Qt::Key_Tab);
        }
        // The bars step 1 and 3 (arrow and page, either way round), end at Min and Max and
        // never pass them; moving one bar leaves the other's label alone.
        const auto press = [&](ui::VScrollBar &bar, Qt::Key key, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(bar.widget(), key);
            return form.L4.caption() + ' ' + form.L5.caption();
        };
        const QString page = press(form.V1, Qt::Key_PageUp);
        QVERIFY(page == "-3 " || page == "-1 ");
        QCOMPARE(press(form.V1, Qt::Key_Up), QStringLiteral("-4 "));
        QCOMPARE(press(form.V1, Qt::Key_Up, 40), QStringLiteral("-30 "));
        QCOMPARE(press(form.V1, Qt::Key_End), QStringLiteral("0 "));
        QCOMPARE(press(form.V2, Qt::Key_End), QStringLiteral("0 30"));
        QCOMPARE(press(form.V2, Qt::Key_Home), QStringLiteral("0 0"));
        QCOMPARE(press(form.V2, Qt::Key_PageDown), page == "-3 " ? "0 3" : "0 1");
        QCOMPARE(press(form.V2, Qt::Key_Down), QStringLiteral("0 4"));
    }

    void timers()
    {
        // Each animation first changes after its timer's interval, then once every interval.
        Form1 form;
        QList<float> before;
        QList<int> changes[4];
        for (int ms = 0; ms <= 10000; ++ms) {
            const QList<float> now {form.Label1.left(), form.mes.fontSize(),
                                    float(form.s1.backColor()), float(form.window.backColor())};
            for (int i = 0; i < before.size(); ++i)
                if (now[i] != before[i] && changes[i].size() < 2)
                    changes[i] << ms;
            before = now;
            ui::Timer::advanceTestClock(1);
        }
        QCOMPARE(changes[0], (QList<int> {10, 20}));
        QCOMPARE(changes[1], (QList<int> {200, 400}));
        QCOMPARE(changes[2], (QList<int> {100, 200}));
        QCOMPARE(changes[3], (QList<int> {5000, 10000}));
    }

    void animations()
    {
        Form1 form;
        // The title steps 10 twips a tick from its designed 1200 and starts over on reaching 5000.
        ui::Timer::advanceTestClock(20);
        QCOMPARE(form.Label1.left(), 1220.0f);
        form.Label1.setLeft(4980);
        ui::Timer::advanceTestClock(20);
        QCOMPARE(form.Label1.left(), 0.0f);
        // What is shown every 100 ms for 6 s: the credit pulses 17, 16, 18 points every 200 ms;
        // the corner blocks, all four alike, step through red, green, blue, turquoise, olive and
        // grey; the window steps on from its designed light green, which is not in its cycle.
        QList<QRgb> credit, blocks, background;
        for (int tick = 1; tick <= 60; ++tick) {
            ui::Timer::advanceTestClock(100);
            credit << QRgb(form.mes.fontSize());
            const QRgb block = form.s1.widget()->grab().toImage().pixel(3, 3);
            for (ui::Label *s : {&form.s2, &form.s3, &form.s4})
                QCOMPARE(s->widget()->grab().toImage().pixel(3, 3), block);
            blocks << (block & 0xffffff);
            background << (form.w->grab().toImage().pixel(1, 1) & 0xffffff);
        }
        QCOMPARE(credit.mid(0, 6), (QList<QRgb> {18, 17, 17, 16, 16, 18}));
        QCOMPARE(blocks.mid(0, 7),
                 (QList<QRgb> {0x00ff00, 0x0000ff, 0x00e6ff, 0x646400, 0x646464, 0xff0000,
                               0x00ff00}));
        QCOMPARE(background.mid(47, 4), (QList<QRgb> {0x80ff80, 0x80ff80, 0x00ff00, 0x00ff00}));
        for (int tick = 0; tick < 6; ++tick) {
            ui::Timer::advanceTestClock(5000);
            background << (form.w->grab().toImage().pixel(1, 1) & 0xffffff);
        }
        QCOMPARE(background.mid(60),
                 (QList<QRgb> {0x001900, 0x00000b, 0x001919, 0xc8c800, 0xc8c8fa, 0x00ff00}));
        // A colour outside the cycle in s1 turns all four red; one in s2 alone changes nothing.
        form.s1.setBackColor(rgb(1, 2, 3));
        form.s2.setBackColor(rgb(1, 2, 3));
        ui::Timer::advanceTestClock(100);
        QCOMPARE(form.s2.backColor(), rgb(255, 0, 0));
        form.s2.setBackColor(rgb(1, 2, 3));
        ui::Timer::advanceTestClock(100);
        QCOMPARE(form.s2.backColor(), rgb(0, 255, 0));
    }

    void errorDialogAndReactivation()
    {
        ui::resetErrorReporter(); // the real dialog
        Form1 form;
        form.start();
        QVERIFY(!form.Text1.widget()->isVisible() && !form.Text2.widget()->isVisible());
        QCOMPARE(form.Text2.text(), QStringLiteral("18")); // the credit's font size
        form.Label1.setLeft(2500);
        form.window.setBackColor(rgb(0, 0, 11));
        form.P.line(0, 1000, 10240, 1000, rgb(255, 0, 0)); // across the y axis
        form.T6[3].setText(QString());
        QTest::mouseClick(form.Cp.widget(), Qt::LeftButton);
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Type mismatch"));
        QVERIFY(box->informativeText().contains("\"d=\" is empty"));
        box->accept();
        // Back in the window, activation puts back the title, the background and the axes.
        form.Form_Activate();
        QCOMPARE(form.Label1.left(), 0.0f);
        QCOMPARE(form.window.backColor(), rgb(0, 255, 0));
        QCOMPARE(form.P.pixelAt(5120, 1000), qRgb(0, 0, 0));
        QCOMPARE(form.P.pixelAt(2000, 1000), qRgb(255, 0, 0));
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
        QTest::keyClick(form.l1.widget(), Qt::Key_Down);
        QTest::keyClick(form.l1.widget(), Qt::Key_Down);
        static_cast<QComboBox *>(form.l1.widget())->setEditText("typed, not chosen");
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

    // What reaches the screen: drawing until a clear; transparent labels that show the window
    // behind them, also after its colour changes, while they slide and over another label.
    void screen()
    {
        Form1 form;
        form.start();
        QVERIFY(QTest::qWaitForWindowExposed(form.w));
        QWidget *w = form.w;
        const QPoint inP = form.P.widget()->pos() + QPoint(300, 100);
        QCOMPARE(shown(w, inP), qRgb(255, 255, 255));
        form.P.setDrawWidth(5);
        form.P.line(0, 1500, 10240, 1500, rgb(255, 0, 0));
        QCOMPARE(shown(w, inP), qRgb(255, 0, 0));
        form.P.cls();
        QCOMPARE(shown(w, inP), qRgb(255, 255, 255));
        QCOMPARE(shown(w, QPoint(150, 18)), qRgb(0, 255, 0)); // beside the title's text
        form.window.setBackColor(rgb(0, 25, 0));
        QCOMPARE(shown(w, QPoint(150, 18)), qRgb(0, 25, 0));
        form.Label1.setLeft(1500);
        QCOMPARE(shown(w, QPoint(30, 18)), qRgb(0, 25, 0));
        QCOMPARE(shown(w, QPoint(250, 18)), qRgb(0, 25, 0));
        const QRect caption = form.L6[0].widget()->geometry();
        const QImage before = w->grab(caption).toImage();
        form.Label1.setTop(form.L6[0].top());
        form.Label1.setLeft(form.L6[0].left());
        const QImage after = w->grab(caption).toImage();
        int hidden = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                hidden += before.pixel(x, y) == qRgb(192, 0, 192)
                        && after.pixel(x, y) != before.pixel(x, y);
        QCOMPARE(hidden, 0);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
