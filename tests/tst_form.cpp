#include "app/form1.h"
#include "ui/event.h"
#include "ui/runtimeerror.h"
#include "ui/screen.h"

#include <QtTest>

using ui::rgb;

namespace {

ui::Control *control(Form1 &f, const QString &name)
{
    const QStringList names = QStringLiteral("Text2 Text1 T6(0) T6(1) T6(2) T6(3) V2 V1 l1 Cp P s4 "
                                             "s3 s2 s1 cl Shape1(3) mes L6(3) L6(2) L6(1) L6(0) "
                                             "Label1 L5 L4 L3 L2 Form1")
                                      .split(' ');
    ui::Control *const controls[]
            = {&f.Text2, &f.Text1,  &f.T6[0],    &f.T6[1], &f.T6[2], &f.T6[3], &f.V2,
               &f.V1,    &f.l1,     &f.Cp,       &f.P,     &f.s4,    &f.s3,    &f.s2,
               &f.s1,    &f.cl,     &f.Shape1_3, &f.mes,   &f.L6[3], &f.L6[2], &f.L6[1],
               &f.L6[0], &f.Label1, &f.L5,       &f.L4,    &f.L3,    &f.L2,    &f.window};
    return controls[names.indexOf(name)];
}

// The properties named by `props` ("L"eft, "T"op, "W"idth, "H"eight) of the named control.
QList<float> read(Form1 &f, const QString &name, const QString &props)
{
    const ui::Control *c = control(f, name);
    const float all[] = {c->left(), c->top(), c->width(), c->height()};
    QList<float> values;
    for (QChar p : props)
        values << all[QStringLiteral("LTWH").indexOf(p)];
    return values;
}

// Rows of "name props value..." become test rows of the name, the properties and their values.
void addRows(const QString &table)
{
    for (const QString &row : table.trimmed().split('\n')) {
        QStringList words = row.simplified().split(' ');
        const QString name = words.takeFirst(), props = words.takeFirst();
        QList<float> values;
        for (const QString &w : words)
            values << w.toFloat();
        QTest::newRow(qPrintable(row.simplified())) << name << props << values;
    }
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ui::setErrorReporter([](const QString &handler, const ui::RuntimeError &error) {
            QFAIL(qPrintable(handler + ": " + error.title()));
        });
    }
    void cleanup() { ui::Screen::overrideSize(QSize()); }

    void designTime_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("props"); // the last value is the tab index
        QTest::addColumn<QList<float>>("expected");
        addRows(QStringLiteral(R"(
Text2 LTWH 480 1200 1335 285 20
Text1 LTWH 1560 1680 1335 375 17
T6(3) LTWH 1320 6000 1455 495 16
T6(2) LTWH 1320 5160 1455 495 15
T6(1) LTWH 1320 4320 1455 495 14
T6(0) LTWH 1320 3360 1455 495 10
V2 LTWH 14280 1680 495 6375 3
V1 LTWH 5160 1680 495 6495 2
l1 LTWH 5760 240 6015 675 18
Cp LTWH 6600 8520 4215 1095 1
P LTWH 5760 1680 8535 6375 0
s4 LTWH 7680 5640 855 735 24
s3 LTWH 0 5640 735 735 23
s2 LTWH 7920 0 615 855 22
s1 LTWH 0 0 615 615 21
cl LTWH 6600 1080 5970 360 25
Shape1(3) LTWH 13440 7440 735 615 -1
mes LTWH 15480 840 2685 1620 19
L6(3) LTWH 480 5880 735 615 13
L6(2) LTWH 480 5040 735 615 12
L6(1) LTWH 480 4200 735 615 11
L6(0) LTWH 480 3240 735 615 9
Label1 LTWH 1200 360 2715 465 8
L5 LTWH 14280 1200 1575 495 7
L4 LTWH 5400 1320 1095 495 6
L3 LTWH 13200 1200 1335 495 5
L2 LTWH 4080 1320 1245 330 4)"));
    }

    void designTime()
    {
        QFETCH(QString, name);
        QFETCH(QString, props);
        QFETCH(QList<float>, expected);
        Form1 form; // not started: no load, no activation
        QCOMPARE(read(form, name, props) << control(form, name)->tabIndex(), expected);
    }

    void load()
    {
        ui::Screen::overrideSize(QSize(1366, 768));
        Form1 form;
        form.Form_Load();
        const QStringList entries {"bcos(ax)", "bsin(ax)",           "btan(ax)", "bcosec(ax)",
                                   "bsec(ax)", "bcot(ax)",           "ax",       "ax^2",
                                   "ax^3",     "(dx^3)+(ax^2)+bx+c", "a(e^bx)"};
        QStringList list;
        for (int i = 0; i < form.l1.listCount(); ++i)
            list << form.l1.list(i);
        QCOMPARE(list, entries);
        QCOMPARE(form.l1.text(), QStringLiteral("Select Function"));
        QCOMPARE(form.P.drawWidth(), 3);
        // 90 characters: the name, 64 blanks and the credit.
        QCOMPARE(form.window.caption(), "Curvanta" + QString(64, ' ') + "Powerred by:Korvel");
        for (const char *block : {"s1", "s2", "s3", "s4"})
            QCOMPARE(read(form, block, "WH"), (QList<float> {426.75f, 426.75f}));
        // The hint stands on P's designed top edge, centred over it (single-precision sums).
        QVERIFY(qAbs(form.cl.top() + double(form.cl.height()) - 1680) < 0.01);
        QVERIFY(qAbs(form.cl.left() + form.cl.width() / 2.0 - 10027.5) < 0.01);
        // Half-way between P's right edge (14295) and the screen's (20490), plus half its width.
        QCOMPARE(form.mes.left(), float(17392.5 + form.mes.width() * 0.5));
    }

    void tabOrder()
    {
        ui::Screen::overrideSize(QSize(1024, 768));
        Form1 form;
        form.start();
        QVERIFY(QTest::qWaitForWindowActive(form.w));
        QCOMPARE(QApplication::focusWidget(), form.P.widget());
        // The Tab key follows the tab indexes, skips the hidden Text1 and Text2 and comes back
        // round to P.
        for (const char *name : {"Cp", "V1", "V2", "T6(0)", "T6(1)", "T6(2)", "T6(3)", "l1", "P"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *expected = control(form, name)->widget(), *now = QApplication::focusWidget();
            QVERIFY2(now == expected || expected->isAncestorOf(now), name);
        }
    }

    void activation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("props");
        QTest::addColumn<QList<float>>("expected"); // on 1024 x 768 pixels; P' on 1280 x 1024
        addRows(QStringLiteral(R"(
P' LTWH 3200 2560 12800 10240
Form1' WH 19200 15360
Form1 WH 15360 11520
P LTWH 2560 1920 10240 7680
s1 LTWH 426.75 0 426.75 426.75
s2 LT 9813.25 0
s3 LT 426.75 7253.25
s4 LT 9813.25 7253.25
V1 LTH 2460 1920 7680
V2 LTH 12800 1920 7680
Cp LTWH 6528 9600 2304 576
L2 LT 1692 1344
L3 LT 12032 1344
L4 LT 3037 1344
L5 LT 13467 1344
Label1 LT 0 230.4
T6(0) LT 768 3360
T6(1) LT 768 4320
T6(3) LT 768 6000
L6(0) LT 307.2 3240
L6(2) LT 307.2 5040)"));
    }

    void activation()
    {
        QFETCH(QString, name);
        QFETCH(QString, props);
        QFETCH(QList<float>, expected);
        const bool larger = name.endsWith('\'');
        ui::Screen::overrideSize(larger ? QSize(1280, 1024) : QSize(1024, 768));
        Form1 form;
        form.start();
        QCOMPARE(read(form, name.remove('\''), props), expected);
        form.Form_Activate(); // a second activation lays the form out the same
        QCOMPARE(read(form, name, props), expected);
    }

    void activationDetailsAndRepeat()
    {
        ui::Screen::overrideSize(QSize(1024, 768));
        Form1 form;
        form.start();
        QVERIFY(!form.Text1.widget()->isVisible());
        QVERIFY(!form.Text2.widget()->isVisible());
        QCOMPARE(form.Text2.text().toFloat(), 18.0f);
        QCOMPARE(form.window.backColor(), rgb(0, 255, 0));
        // V1 overlaps P's left edge and lies above it (at pixel 180, 300); V2 starts at P's right
        // edge.
        QCOMPARE(form.w->childAt(180, 300), form.V1.widget());
        QVERIFY(form.V2.left() >= form.P.left() + form.P.width());
        // The axes cross at (5120, 3840) in P.
        const QRgb ink = ui::toQColor(form.P.foreColor()).rgb();
        QCOMPARE(form.P.pixelAt(1000, 3840), ink);
        QVERIFY(form.P.pixelAt(5270, 1000) != ink);

        // A second activation puts back the title, the colour and the axes, over the drawing.
        form.P.setDrawWidth(5);
        form.P.line(0, 1000, 10240, 1000, rgb(255, 0, 0)); // across the vertical axis
        form.Label1.setLeft(2500);
        form.window.setBackColor(rgb(0, 0, 11));

        form.Form_Activate();
        QCOMPARE(form.Label1.left(), 0.0f);
        QCOMPARE(form.window.backColor(), rgb(0, 255, 0));
        QCOMPARE(form.P.pixelAt(5120, 1000), ink); // the axes are drawn again over it
        QCOMPARE(form.P.pixelAt(2000, 1000), qRgb(255, 0, 0));
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
