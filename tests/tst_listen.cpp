// The plots heard in the window, what the screen reader is told, and the crosshair's tones.
#include "access/listening.h"
#include "heldplayer.h"
#include "main/program.h"
#include "signals.h"
#include "window.h"

#include <QMenu>
#include <QTest>
#include <QToolTip>

class TstListen : public QObject
{
    Q_OBJECT
    HeldPlayer *player = new HeldPlayer, *tones = new HeldPlayer;
    Program program {std::unique_ptr<sound::Player>(player), std::unique_ptr<sound::Player>(tones)};
    Form1 &form = program.form;
    QWidget *const area = form.P.widget();

private slots:
    void initTestCase()
    {
        form.start();
        QVERIFY(QTest::qWaitForWindowActive(form.w));
        QVERIFY(area->findChild<QMenu *>()->actions().contains(program.listening.action()));
        ui::setErrorReporter([](const QString &, const ui::RuntimeError &) { QFAIL("an error"); });
    }

    void init()
    {
        form.P.dblClick.raise();
        player->output = true;
        QToolTip::hideText();
        area->setFocus();
    }

    // Whether the plots play, and what was said last, after the steps: a "plot", no sound output
    // ("none") or a key pressed where the keyboard is (on the plot area at first; Delete clears).
    void listenAndStop_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("heard"); // its start
        QTest::newRow("L plays") << "plot plot L" << true << "Playing";
        QTest::newRow("L again stops") << "plot L L" << false << "Stopped";
        QTest::newRow("Escape stops") << "plot L Escape" << false << "Stopped";
        QTest::newRow("a plot stops") << "plot L plot" << false << "Plotted";
        QTest::newRow("a clear stops") << "plot L Delete" << false << "Cleared";
        QTest::newRow("L on the Plot button is the button's") << "plot Tab L" << false << "Plotted";
        QTest::newRow("nothing plotted, in words") << "plot Delete L" << false << "Nothing";
        QTest::newRow("no sound output, in words") << "plot none L" << false << "No sound output";
    }

    void listenAndStop()
    {
        QFETCH(QString, steps);
        QFETCH(bool, playing);
        QFETCH(QString, heard);
        for (const QString &step : steps.split(' ')) {
            if (step == "plot")
                plotOn(form, 2);
            else if (step == "none")
                player->output = false;
            else
                QTest::keyClick(QApplication::focusWidget(), QKeySequence(step)[0].key());
        }
        const QString said = program.accessibility.announcer()->accessibleName();
        QVERIFY2(said.startsWith(heard), qPrintable(said));
        QVERIFY(player->playing == playing && program.listening.isPlaying() == playing);
        QVERIFY(!playing
                || player->played.back() == sound::plotSound(listenedPlots(program.drawn)));
        // What the user is told of in words, a sighted user reads at the plot area.
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(),
                 heard.startsWith("No") ? said : QString());
    }

    // The crosshair's tone: at the latest plot's height at the crosshair's x, placed from left to
    // right as it stands, none before or beyond the walk; the arrow keys that move it play it.
    void crosshairSings()
    {
        plotOn(form, 7, "-1.5");
        plotOn(form, 7, "1.5"); // the latest: y = x
        const plot::PlotRecord &line = program.drawn.plots().back();
        const auto tone = [&](double x, double y = 0) {
            return crosshairSound(line, {line.mapping->toX(x), line.mapping->toY(y)},
                                  form.P.width());
        };
        QVERIFY(pitch(tone(2)) > pitch(tone(1)) * 1.02);
        QVERIFY(tone(1, 3) == tone(1)); // the plot's height, not the crosshair's
        QVERIFY(qAbs(pitch(tone(0)) / std::sqrt(200.0 * 1600) - 1) < 0.02); // y = 0: the middle
        QVERIFY(balance(tone(-3)) > 1.2 && balance(tone(3)) < 1 / 1.2);
        QVERIFY(tone(-10.1).empty() && tone(10.1).empty() && !tone(9.9).empty()); // the walk's ends
        QTest::keyClick(area, Qt::Key_Right); // shows the crosshair at the centre
        QTest::keyClick(area, Qt::Key_Right);
        QVERIFY(pitch(tones->played.back()) > pitch(tone(0)) * 1.02 && !player->playing);
    }
};

QTEST_MAIN(TstListen)
#include "tst_listen.moc"
