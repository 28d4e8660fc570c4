#pragma once

#include "plot/plotroutine.h"

#include <QList>
#include <QString>

#include <optional>

class Form1;

namespace ui {
class RuntimeError;
}

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

// Names, roles and label relations for every control of the window; hides the decorations from
// assistive technology and describes the plot area as holding only the axes.
void nameControls(Form1 &form);

// After a plot: what it drew, with the function, the coefficients as typed and the range, and
// where it stopped when an error ended it. Says it aloud unless an error dialog will.
void describePlot(Form1 &form, const plot::PlotRecord &record, const ui::RuntimeError *error);

// After the plot area has been cleared: only the axes are drawn.
void describeEmptyPlot(Form1 &form);

// After the last clear was undone: the plot area holds again what it held before it.
void describeUndoneClear(Form1 &form);

// Has a screen reader say `text` now, without moving the focus.
void announce(Form1 &form, const QString &text);
