// The whole Plot handler over the full range (-30 to 30: 50,001 steps) on a plot area of
// 10240 x 7680 twips, dots going into the persistent image, for each of the eleven families;
// saving the window's plot as PNG; and the full-range bsin(ax) sheet written as SVG, PDF and a
// table of values, with the size of each.
#include "app/form1.h"
#include "drawn/drawn.h"
#include "export/plotfiles.h"
#include "plot/catalogue.h"
#include "plot/frame.h"
#include "sheet/valuetable.h"
#include "sheet/vectorfile.h"
#include "tests/plotarea.h"
#include "ui/screen.h"

#include <QApplication>
#include <QBuffer>
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

// The same for bsin(ax) in the window, with what the plot area holds kept beside its image, as
// the sheet output and the sound need it.
void BM_CpClickKept(benchmark::State &state)
{
    ui::Screen::overrideSize(QSize(1024, 768));
    Form1 form;
    const Drawn drawn(form);
    form.window.load.raise();
    form.window.activate.raise();
    form.l1.choose(1);
    form.V1.setValue(-30);
    form.V2.setValue(30);
    for (auto _ : state) {
        form.P.dblClick.raise();
        form.Cp.click.raise();
        benchmark::DoNotOptimize(form.P.image().constBits());
    }
}
BENCHMARK(BM_CpClickKept)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);

// bsin(ax) with a = b = 1.5 typed (1 after the division by 1.5) over -30 to 30, on the axes, in
// the window laid out for 1024 x 768.
struct FullRangeSine
{
    Form1 form;
    Drawn drawn {form};

    FullRangeSine()
    {
        ui::Screen::overrideSize(QSize(1024, 768));
        form.window.load.raise();
        form.window.activate.raise();
        form.l1.choose(1);
        for (ui::TextBox &box : form.T6)
            box.setText(QStringLiteral("1.5"));
        form.V1.setValue(-30);
        form.V2.setValue(30);
        form.Cp.click.raise();
    }
};

// Save Plot As of that plot, as a PNG.
void BM_SavePlot(benchmark::State &state)
{
    const FullRangeSine sine;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plot.png"));
    for (auto _ : state)
        savePlot(sine.form, &sine.drawn, path);
}
BENCHMARK(BM_SavePlot)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void writeSheet(benchmark::State &state,
                QString (*write)(QIODevice *, const Drawn &, const sheet::Drawing &))
{
    const FullRangeSine sine;
    qint64 size = 0;
    for (auto _ : state) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        if (!write(&file, sine.drawn, {}).isEmpty())
            state.SkipWithError("not written");
        size = file.size();
    }
    state.counters["KB"] = double(size) / 1024;
}

void BM_WriteSvg(benchmark::State &state)
{
    writeSheet(state, sheet::writeSvg);
}
BENCHMARK(BM_WriteSvg)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_WritePdf(benchmark::State &state)
{
    writeSheet(state, sheet::writePdf);
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// One row per step of the walk the Plot button takes over the full range.
void BM_WriteTable(benchmark::State &state)
{
    std::vector<sheet::TableRow> rows;
    const plot::Coefficients k {1, 1, 1, 1};
    const QString function = plot::catalogue()[1].text;
    for (double x = -30 / 1.2; x <= 30 / 1.2; x += 0.001)
        rows.push_back({1, function, x, *plot::evaluate(2, x, k)});
    qint64 size = 0;
    for (auto _ : state) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        if (!sheet::writeTable(&file, rows).isEmpty())
            state.SkipWithError("not written");
        size = file.size();
    }
    state.counters["KB"] = double(size) / 1024;
    state.SetLabel(std::to_string(rows.size()) + " rows");
}
BENCHMARK(BM_WriteTable)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

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
