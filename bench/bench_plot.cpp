// The whole Plot handler over the full range (-30 to 30: 50,001 steps) on a plot area of
// 10240 x 7680 twips, dots going into the persistent image, for each of the eleven families; and
// saving the window's plot as PNG.
#include "app/form1.h"
#include "export/plotexport.h"
#include "plot/catalogue.h"
#include "tests/plotarea.h"
#include "ui/screen.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_CpClick(benchmark::State &state)
{
    const plot::Entry &entry = plot::catalogue()[state.range(0) - 1];
    PlotArea area(QString::number(entry.code), QStringLiteral("-30 30"),
                  {"1.5", "1.5", "1.5", "1.5"});
    area.P.setDrawWidth(5);
    state.SetLabel(entry.text.toStdString());
    for (auto _ : state) {
        area.plot();
        benchmark::DoNotOptimize(area.P.image().constBits());
    }
}
BENCHMARK(BM_CpClick)
        ->DenseRange(1, 11)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);

// Save Plot As after one plot of bsin(ax) over -30..30, in the window laid out for 1024 x 768.
void BM_SavePlot(benchmark::State &state)
{
    ui::Screen::overrideSize(QSize(1024, 768));
    Form1 form;
    form.start();
    form.l1.choose(1);
    form.V1.setValue(-30);
    form.V2.setValue(30);
    form.Cp.click.raise();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plot.png"));
    for (auto _ : state)
        savePlot(form, path);
}
BENCHMARK(BM_SavePlot)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
