#include "app/form1.h"
#include "decor/animations.h"

#include <QtTest>

using ui::Colour;
using ui::rgb;

class TestDecor : public QObject
{
    Q_OBJECT

private slots:
    void titleSlide()
    {
        // Ticks before activation slide on from the designed 1200: 1210, ..., 4990, then 0 on the
        // tick that reaches 5000; a full sweep from 0 follows: 10, 20, ..., 4990, 0.
        Form1 form;
        float expected = 1200;
        for (int tick = 0; tick < 380 + 500; ++tick) {
            decor::Timer1_Timer(form.Label1);
            expected = expected == 4990 ? 0 : expected + 10;
            QCOMPARE(form.Label1.left(), expected);
        }
        QCOMPARE(form.Label1.left(), 0.0f);
    }

    void creditPulse()
    {
        Form1 form;
        QCOMPARE(form.mes.fontSize(), 18.0f);
        for (float expected : {17.0f, 16.0f, 18.0f, 17.0f, 16.0f, 18.0f}) {
            decor::Timer2_Timer(form.mes);
            QCOMPARE(form.mes.fontSize(), expected);
        }
    }

    void colourCycles_data()
    {
        QTest::addColumn<bool>("blocks");         // the corner blocks, else the window
        QTest::addColumn<QList<Colour>>("start"); // s1..s4, or the window's colour
        QTest::addColumn<QList<Colour>>("shown"); // after each tick
        const QList<Colour> blocks {rgb(0, 255, 0),   rgb(0, 0, 255),     rgb(0, 230, 255),
                                    rgb(100, 100, 0), rgb(100, 100, 100), rgb(255, 0, 0)};
        const QList<Colour> window {rgb(0, 25, 0),    rgb(0, 0, 11),      rgb(0, 25, 25),
                                    rgb(200, 200, 0), rgb(200, 200, 250), rgb(0, 255, 0)};
        const Colour red = rgb(255, 0, 0);
        QTest::newRow("blocks: two cycles from the designed red")
                << true << QList<Colour> {} << blocks + blocks;
        QTest::newRow("blocks: s1 outside the table turns all four red")
                << true << QList<Colour> {rgb(1, 2, 3), red, red, red}
                << QList<Colour> {red} + blocks;
        QTest::newRow("window: two cycles from green")
                << false << QList<Colour> {rgb(0, 255, 0)} << window + window;
        QTest::newRow("window: the designed light green is outside the table")
                << false << QList<Colour> {} << QList<Colour> {rgb(0, 255, 0)} + window;
    }

    void colourCycles()
    {
        QFETCH(bool, blocks);
        QFETCH(QList<Colour>, start);
        QFETCH(QList<Colour>, shown);
        Form1 form; // an empty start keeps the designed colours
        const std::array<ui::Label *, 4> s {&form.s1, &form.s2, &form.s3, &form.s4};
        for (int i = 0; i < start.size(); ++i)
            blocks ? s[i]->setBackColor(start[i]) : form.window.setBackColor(start[i]);
        for (Colour expected : shown) {
            if (blocks) {
                decor::Timer4_Timer(s);
                for (ui::Label *block : s)
                    QCOMPARE(block->backColor(), expected);
            } else {
                decor::Timer5_Timer(form.window);
                QCOMPARE(form.window.backColor(), expected);
            }
        }
    }
};

QTEST_MAIN(TestDecor)
#include "tst_decor.moc"
