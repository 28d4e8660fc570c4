// The sound of one plot over the full range (-30 to 30: the walk from -25 to 25, 50,000 dots) on
// a sheet from -5 to 5, for bsin(ax), which stays on the sheet, and btan(ax), which leaves it and
// jumps at its poles; and the crosshair's tone.
#include "plot/catalogue.h"
#include "sound/generator.h"

#include <benchmark/benchmark.h>

namespace {

sound::Plot fullRange(int code)
{
    sound::Plot plot {-25, 25, -5, 5, {}};
    for (double x = plot.x0; x <= plot.x1; x += 0.001)
        plot.dots.emplace_back(x, *plot::evaluate(code, x, {1, 1, 1, 1}));
    return plot;
}

void BM_PlotSound(benchmark::State &state)
{
    const std::vector<sound::Plot> plots {fullRange(int(state.range(0)))};
    state.SetLabel(plot::catalogue()[state.range(0) - 1].text.toStdString() + ", "
                   + std::to_string(plots[0].dots.size()) + " dots");
    for (auto _ : state)
        benchmark::DoNotOptimize(sound::plotSound(plots).data());
}
BENCHMARK(BM_PlotSound)
        ->Arg(2)
        ->Arg(3)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);

void BM_CrosshairTone(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sound::crosshairTone(0.7, 0.3).data());
}
BENCHMARK(BM_CrosshairTone)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
