// The plots heard in the window: Listen to the Plot from its key and its menu entry, what stops
// it, what the screen reader is told, and the crosshair's tone at the latest plot's height.
#include "main/program.h"
#include "sound/player.h"
#include "ui/event.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>
#include <memory>

namespace {

// Plays nowhere: keeps what it was given and answers as a sound output would, or as none.
class HeldPlayer : public sound::Player
{
public:
    void play(const sound::Samples &samples) override
    {
        stop();
        played.push_back(samples);
        if (!output) {
            emit unavailable(QStringLiteral("No sound output here."));
            return;
        }
        playing = true;
        emit started();
    }
    void stop() override
    {
        if (std::exchange(playing, false))
            emit stopped();
    }

    bool output = true;
    bool playing = false;
    std::vector<sound::Samples> played;
};

// The pitch of a tone, from its rising zero crossings (left and right added).
double hertz(const sound::Samples &samples)
{
    std::vector<double> crossings;
    int before = 0;
    for (std::size_t k = 0; k + 1 < samples.size(); k += 2) {
        const int now = samples[k] + samples[k + 1];
        if (before < 0 && now >= 0)
            crossings.push_back(double(k / 2));
        before = now;
    }
    if (crossings.size() < 3)
        return 0;
    return (crossings.size() - 1) * sound::sampleRate / (crossings.back() - crossings.front());
}

// How much louder the left channel is than the right.
double leftOverRight(const sound::Samples &samples)
{
    double left = 0, right = 0;
    for (std::size_t k = 0; k + 1 < samples.size(); k += 2) {
        left += std::abs(samples[k]);
        right += std::abs(samples[k + 1]);
    }
    return left / right;
}

} // namespace

class TstListen : public QObject
{
    Q_OBJECT
    HeldPlayer *player = new HeldPlayer;
    HeldPlayer *tones = new HeldPlayer;
    Program program {std::unique_ptr<sound::Player>(player), std::unique_ptr<sound::Player>(tones)};
    Form1 &form = program.form;
    QStringList errors;

    QWidget *area() const { return form.P.widget(); }
    QString heard() const
    {
        return QAccessible::queryAccessibleInterface(program.accessibility.announcer())
                ->text(QAccessible::Name);
    }
    // Plots list entry `entry` (code - 1) with a = `a` as typed over `lower`..12.
    void plot(int entry, const QString &a = QStringLiteral("1.5"), int lower = -12)
    {
        plotOn(form, entry, a, lower);
    }
    static void plotOn(Form1 &form, int entry, const QString &a = QStringLiteral("1.5"),
                       int lower = -12)
    {
        form.T6[0].setText(a);
        form.T6[1].setText(QStringLiteral("1.5"));
        static_cast<QComboBox *>(form.l1.widget())->setCurrentIndex(entry);
        form.l1.click.raise();
        form.V1.setValue(lower);
        form.V2.setValue(12);
        form.Cp.click.raise();
    }
    void clear() { form.P.dblClick.raise(); }
    static void focusedKey(QWidget *widget, Qt::Key key)
    {
        widget->setFocus();
        QTest::keyClick(widget, key);
    }
    QAction *menuEntry() const
    {
        for (QAction *action : area()->findChild<QMenu *>()->actions())
            if (action->text() == QStringLiteral("Listen to the Plot"))
                return action;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        form.start();
        QVERIFY(QTest::qWaitForWindowActive(form.w));
        ui::setErrorReporter(
                [this](const QString &handler, const ui::RuntimeError &) { errors << handler; });
    }

    void init()
    {
        clear();
        for (ui::TextBox &box : form.T6)
            box.setText(QStringLiteral("1"));
        player->output = true;
        player->played.clear();
        tones->played.clear();
        QToolTip::hideText();
        area()->setFocus();
    }

    // What is playing and what was said last after the steps: "sine", "line" (plots), "clear",
    // "none" (the output gone), a key ("L", "Escape") on the plot area, "L on Plot", "menu".
    void listenAndStop_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("heard");
        const QString plotted = QStringLiteral("Plotted: bsin(ax) with a = 1.5, b = 1.5, for x "
                                               "from -10 to 10 (the limits -12 and 12 "
                                               "divided by 1.2).");
        const QString nothing = QStringLiteral(
                "Nothing to listen to: nothing has been plotted since the last clear.");
        QTest::newRow("L plays") << QStringList {"sine", "L"} << true << "Playing";
        QTest::newRow("the menu entry plays") << QStringList {"sine", "menu"} << true << "Playing";
        QTest::newRow("two plots, both played")
                << QStringList {"line", "sine", "L"} << true << "Playing";
        QTest::newRow("L again stops") << QStringList {"sine", "L", "L"} << false << "Stopped";
        QTest::newRow("the menu entry again stops")
                << QStringList {"sine", "L", "menu"} << false << "Stopped";
        QTest::newRow("Escape stops") << QStringList {"sine", "L", "Escape"} << false << "Stopped";
        QTest::newRow("a plot stops") << QStringList {"sine", "L", "sine"} << false << plotted;
        QTest::newRow("a clear stops") << QStringList {"sine", "L", "clear"} << false
                                       << "Cleared: only the axes are drawn.";
        QTest::newRow("Escape with nothing playing does nothing")
                << QStringList {"sine", "Escape"} << false << plotted;
        QTest::newRow("L elsewhere in the window is not the plot area's")
                << QStringList {"sine", "L on Plot"} << false << plotted;
        QTest::newRow("nothing plotted since the clear, in words")
                << QStringList {"sine", "clear", "L"} << false << nothing;
        QTest::newRow("no sound output, in words")
                << QStringList {"sine", "none", "L"} << false << "No sound output here.";
    }
    void listenAndStop()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, playing);
        QFETCH(QString, heard);
        for (const QString &step : steps) {
            if (step == "sine" || step == "line")
                plot(step == "sine" ? 1 : 6);
            else if (step == "clear")
                clear();
            else if (step == "none")
                player->output = false;
            else if (step == "menu")
                menuEntry()->trigger();
            else if (step == "L on Plot")
                focusedKey(form.Cp.widget(), Qt::Key_L);
            else
                focusedKey(area(), step == "L" ? Qt::Key_L : Qt::Key_Escape);
        }
        QCOMPARE(player->playing, playing);
        QCOMPARE(program.listening.isPlaying(), playing);
        QCOMPARE(this->heard(), heard);
        const bool told = !heard.startsWith("Playing") && !heard.startsWith("Stopped")
                && !heard.startsWith("Plotted") && !heard.startsWith("Cleared");
        // What the user is told of in words, a sighted user sees at the plot area.
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), told ? heard : QString());
        if (playing)
            QVERIFY(player->played.back() == sound::plotSound(program.drawn.sounds()));
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(' ')));
    }

    // Each keyboard move of the crosshair (R, L, U, D) over the plots of families `plots`
    // ("ax" with a as typed, from the lower limit -12 unless another follows after a space): the
    // last tone against the one before it, or what the last tone is alone ("middle": the pitch of
    // the middle of the sheet; "left", "right": which side sounds louder; "none": no tone).
    void crosshairSings_data()
    {
        QTest::addColumn<QStringList>("plots");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("heard");
        QTest::newRow("a rising line: right is higher") << QStringList {"1.5"} << "RR"
                                                        << "higher";
        QTest::newRow("a falling line: right is lower") << QStringList {"-1.5"} << "RR"
                                                        << "lower";
        QTest::newRow("the plot's y, not the crosshair's: up keeps the pitch")
                << QStringList {"1.5"} << "RRU"
                << "same";
        QTest::newRow("the latest plot sings") << QStringList {"1.5", "-1.5"} << "RR"
                                               << "lower";
        QTest::newRow("at the centre, y = 0 is the middle of the sheet")
                << QStringList {"1.5"} << "D"
                << "middle";
        QTest::newRow("left of the centre sounds left") << QStringList {"0.1"} << "LLLL"
                                                        << "left";
        QTest::newRow("right of the centre sounds right") << QStringList {"0.1"} << "RRRR"
                                                          << "right";
        QTest::newRow("before the walk, no tone") << QStringList {"1.5 0"} << "LL"
                                                  << "none";
        QTest::newRow("beyond the walk, no tone")
                << QStringList {"1.5"} << QString(12, 'R') << "none";
    }
    void crosshairSings()
    {
        QFETCH(QStringList, plots);
        QFETCH(QString, moves);
        QFETCH(QString, heard);
        for (const QString &ax : plots)
            plot(6, ax.section(' ', 0, 0),
                 ax.section(' ', 1).isEmpty() ? -12 : ax.section(' ', 1).toInt());
        const QHash<QChar, Qt::Key> keys {
                {'R', Qt::Key_Right}, {'L', Qt::Key_Left}, {'U', Qt::Key_Up}, {'D', Qt::Key_Down}};
        std::vector<sound::Samples> sung; // one each move, empty where none
        for (QChar move : moves) {
            const std::size_t before = tones->played.size();
            QTest::keyClick(area(), keys[move]);
            sung.push_back(tones->played.size() > before ? tones->played.back() : sound::Samples());
        }
        const double last = hertz(sung.back());
        const double previous = sung.size() > 1 ? hertz(sung[sung.size() - 2]) : 0;
        QCOMPARE(sung.back().empty(), heard == "none");
        if (heard == "higher")
            QVERIFY2(last > previous * 1.02, qPrintable(QString::number(last)));
        else if (heard == "lower")
            QVERIFY2(last < previous / 1.02, qPrintable(QString::number(last)));
        else if (heard == "same")
            QCOMPARE(last, previous);
        else if (heard == "middle") // 200 Hz at the bottom edge, 1600 at the top
            QVERIFY2(std::abs(last / std::sqrt(200.0 * 1600) - 1) < 0.02,
                     qPrintable(QString::number(last)));
        else if (heard == "left")
            QVERIFY(leftOverRight(sung.back()) > 1.2);
        else if (heard == "right")
            QVERIFY(leftOverRight(sung.back()) < 1 / 1.2);
        QVERIFY(!player->playing); // the tones are not the plots' sound
    }
};

QTEST_MAIN(TstListen)
#include "tst_listen.moc"
