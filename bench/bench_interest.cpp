// The points of interest of one plot over the full range (-30 to 30: the walk from -25 to 25,
// 50,001 dots) on the sheet of a 1024 x 768 screen, for bsin(ax), which stays on the sheet, and
// btan(ax), which leaves it and breaks at its poles; and the plot told in words from them.
#include "access/account.h"
#include "access/interest.h"
#include "plot/catalogue.h"
#include "plot/plotroutine.h"

#include <benchmark/benchmark.h>

namespace {

plot::PlotRecord fullRange(int code)
{
    plot::PlotRecord record;
    record.from = -25;
    record.to = 25;
    record.lower = -30;
    record.upper = 30;
    record.x = 25.0005;
    record.mapping = plot::GraphMapping {5120, 3840, plot::GraphMapping::scale(30, 7680)};
    for (double x = record.from; x <= record.to; x += 0.001)
        record.dots.push_back(*plot::evaluate(code, x, {1, 1, 1, 1}));
    return record;
}

void BM_PointsOfInterest(benchmark::State &state)
{
    const plot::PlotRecord record = fullRange(int(state.range(0)));
    state.SetLabel(plot::catalogue()[state.range(0) - 1].text.toStdString() + ", "
                   + std::to_string(record.dots.size()) + " dots, "
                   + std::to_string(pointsOfInterest(record).size()) + " points");
    for (auto _ : state)
        benchmark::DoNotOptimize(pointsOfInterest(record).data());
}
BENCHMARK(BM_PointsOfInterest)
        ->Arg(2)
        ->Arg(3)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);

void BM_Account(benchmark::State &state)
{
    const std::vector<plot::PlotRecord> plots {fullRange(2), fullRange(3)};
    for (auto _ : state)
        benchmark::DoNotOptimize(plotAccount(plots).size());
}
BENCHMARK(BM_Account)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
