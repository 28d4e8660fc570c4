// The whole Plot handler over the full range (-30 to 30: 50,001 steps) on a plot area of
// 10240 x 7680 twips, dots going into the persistent image, for each of the eleven families.
#include "plot/catalogue.h"
#include "plot/plotroutine.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/textbox.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

struct PlotArea
{
    QWidget window;
    ui::PictureBox P {&window};
    ui::Label L4 {&window};
    ui::Label L5 {&window};
    std::array<ui::TextBox, 4> T6 {{ui::TextBox {&window}, ui::TextBox {&window},
                                    ui::TextBox {&window}, ui::TextBox {&window}}};
    ui::TextBox Text1 {&window};

    PlotArea()
    {
        P.place(2560, 1920, 10240, 7680);
        P.setDrawWidth(5);
        L4.setCaption(QStringLiteral("-30"));
        L5.setCaption(QStringLiteral("30"));
        for (ui::TextBox &box : T6)
            box.setText(QStringLiteral("1.5"));
    }
};

void BM_CpClick(benchmark::State &state)
{
    static PlotArea area;
    const plot::Entry &entry = plot::catalogue()[state.range(0) - 1];
    area.Text1.setText(QString::number(entry.code));
    state.SetLabel(entry.text.toStdString());
    for (auto _ : state) {
        plot::Cp_Click({area.P,
                        area.L4,
                        area.L5,
                        {&area.T6[0], &area.T6[1], &area.T6[2], &area.T6[3]},
                        area.Text1});
        benchmark::DoNotOptimize(area.P.image().constBits());
    }
}
BENCHMARK(BM_CpClick)
        ->DenseRange(1, 11)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);

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
