#pragma once

#include "plot/frame.h"

#include <QList>
#include <QString>

#include <optional>

// What the plot area holds, told in sentences for a screen reader: the plots drawn since the last
// clear in the order they were drawn, a plot repeated at once counted rather than told again, and
// only the latest few kept. It also keeps the mapping of the latest plot for the coordinate
// readout, and what it all was before the last clear, so that an undone clear can be told.
class PlotStory
{
public:
    void plotted(const QString &sentence, std::optional<plot::GraphMapping> mapping);
    void cleared();
    // False when there is no clear to undo.
    bool undoClear();

    QString description() const;
    const std::optional<plot::GraphMapping> &mapping() const { return m_now.mapping; }

    static constexpr int kKept = 3;

private:
    struct Line
    {
        QString sentence;
        int times = 1;
    };
    struct State
    {
        QList<Line> lines;
        int dropped = 0;
        std::optional<plot::GraphMapping> mapping;
    };
    State m_now;
    std::optional<State> m_beforeClear;
};
