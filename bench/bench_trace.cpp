// A trace key in the window, from the key event to the place told to the screen reader and its
// tone handed to the player: over a full-range plot of bsin(ax) (50,001 dots) with one of btan(ax)
// before it, the window on Qt's offscreen platform unless another is named.
#include "heldplayer.h"
#include "main/program.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// Notes when a tone was handed to it.
struct TimedPlayer : HeldPlayer
{
    void play(const sound::Samples &samples) override
    {
        handed = clock.nsecsElapsed();
        HeldPlayer::play(samples);
        played.clear();
    }
    QElapsedTimer clock;
    qint64 handed = -1;
};

Program *window = nullptr;
TimedPlayer *tones = nullptr;

// Presses `key` and `back` in turn, timing each from its event to its tone.
void BM_TraceKey(benchmark::State &state, Qt::Key key, Qt::Key back, Qt::KeyboardModifiers held)
{
    QWidget *area = window->form.P.widget();
    QWidget *told = window->accessibility.announcer();
    bool forth = true;
    for (auto _ : state) {
        tones->handed = -1;
        tones->clock.start();
        QTest::keyClick(area, forth ? key : back, held);
        const qint64 end = tones->clock.nsecsElapsed();
        if (tones->handed < 0
            || QAccessible::queryAccessibleInterface(told)->text(QAccessible::Name).isEmpty())
            state.SkipWithError("no tone or nothing told");
        state.SetIterationTime(std::max(tones->handed, end) / 1e9);
        forth = !forth;
    }
}
BENCHMARK_CAPTURE(BM_TraceKey, Right and Left, Qt::Key_Right, Qt::Key_Left, Qt::NoModifier)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_TraceKey, Ctrl + Right and Left, Qt::Key_Right, Qt::Key_Left,
                  Qt::ControlModifier)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_TraceKey, Page Down and Page Up, Qt::Key_PageDown, Qt::Key_PageUp,
                  Qt::NoModifier)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_TraceKey, Up and Down
                  : the other plot, Qt::Key_Up, Qt::Key_Down, Qt::NoModifier)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tones = new TimedPlayer;
    Program program(std::make_unique<HeldPlayer>(), std::unique_ptr<sound::Player>(tones));
    window = &program;
    program.form.start();
    Form1 &form = program.form;
    for (const int code : {3, 2}) {
        form.l1.choose(code - 1);
        form.V1.setValue(-30);
        form.V2.setValue(30);
        form.Cp.click.raise();
    }
    QTest::keyClick(form.P.widget(), Qt::Key_T);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
