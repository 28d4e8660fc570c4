#pragma once

#include "plot/plotroutine.h"
#include "sheet/valuetable.h"
#include "sound/generator.h"
#include "ui/drawingrecord.h"

#include <cstddef>
#include <functional>
#include <vector>

class Form1;

// What the plot area holds since its last clear, kept beside its pixels for whatever draws it
// again elsewhere or in another form: the drawing as a record that paints it at any size, and
// each plot with the dots it drew in graph units, in the order drawn.
//
// The plots' dots take 8 bytes each. Past `dotLimit` of them since the last clear the plots stop
// being kept (the count of plots goes on) until the next clear, so memory stays bounded however
// long the program runs; whatever needs every dot must then be refused, never given a part.
class Drawn
{
public:
    static constexpr std::size_t kDefaultDotLimit = 500'000; // ten plots over the widest range

    explicit Drawn(Form1 &form, std::size_t dotLimit = kDefaultDotLimit);
    Drawn(const Drawn &) = delete;
    Drawn &operator=(const Drawn &) = delete;

    const ui::DrawingRecord &drawing() const { return m_now.drawing; }
    const std::vector<plot::PlotRecord> &plots() const { return m_now.plots; }
    // False once the plots drawn since the last clear held more dots than can be kept.
    bool plotsComplete() const { return !m_now.gaveUp; }
    // Why the plots cannot be given whole, in plain words to follow "could not be saved:" and the
    // like; empty where they can.
    QString plotsUnavailable() const;

    // What brings the drawing and the plots back as they are now, once the clear about to
    // happen is undone.
    std::function<void()> keepForUndo();

    // Every dot of every plot kept, one row each: the plot's number on the sheet (from 1), the
    // function as the list shows it, and the point.
    std::vector<sheet::TableRow> table() const;
    // The plots kept, as their sound is made: the walk, the sheet's height in graph units and
    // the dots.
    std::vector<sound::Plot> sounds() const;

private:
    void plotted(const plot::PlotRecord &record);
    void cleared();

    struct State
    {
        ui::DrawingRecord drawing;
        std::vector<plot::PlotRecord> plots;
        std::size_t dots = 0;
        bool gaveUp = false;
    };
    Form1 &m_form;
    std::size_t m_dotLimit;
    State m_now;
};

// The sound of one plot: its walk, the sheet from its bottom to its top edge in the plot's scale
// (the middle pitch only where that scale has no height), and its dots.
sound::Plot soundOf(const plot::PlotRecord &record);
