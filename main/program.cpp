#include "program.h"

#include "access/account.h"
#include "access/listening.h"

#include <utility>

Program::Program() : Program(std::make_unique<sound::Player>(), std::make_unique<sound::Player>())
{ }

Program::Program(std::unique_ptr<sound::Player> player, std::unique_ptr<sound::Player> tones)
    : player(std::move(player)), tones(std::move(tones))
{
    plotExport.keepWithClear([this] { return drawn.keepForUndo(); });
    plotExport.keepWithClear([this] { return accessibility.keepForUndo(); });
    plotExport.addToMenu(listening.action());
    plotExport.readWith(
            {[](const std::vector<plot::PlotRecord> &plots) { return plotAccount(plots); },
             [](const Drawn &kept) { return listenedPlots(kept); }},
            [this] { return accessibility.story().description(); });
}
