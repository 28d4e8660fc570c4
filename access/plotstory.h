#pragma once

#include "plot/frame.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// What the plot area holds, told in sentences for a screen reader: the plots drawn since the last
// clear in the order they were drawn, each followed by a summary of its points of interest, a
// plot repeated at once counted rather than told again, and only the latest few kept. It also keeps
// the mapping of the latest plot for the coordinate readout. What it was before a clear is kept by
// the one who undoes clears, with the drawing.
class PlotStory
{
public:
    struct Line
    {
        QString sentence;
        int times = 1;
        QString summary;
    };
    struct State
    {
        QList<Line> lines;
        int dropped = 0;
        std::optional<plot::GraphMapping> mapping;
    };

    void plotted(const QString &sentence, std::optional<plot::GraphMapping> mapping,
                 const QString &summary = {});
    void cleared() { m_now = State(); }
    const State &state() const { return m_now; }
    void restore(State state) { m_now = std::move(state); }

    QString description() const;
    const std::optional<plot::GraphMapping> &mapping() const { return m_now.mapping; }

    static constexpr int kKept = 3;

private:
    State m_now;
};
