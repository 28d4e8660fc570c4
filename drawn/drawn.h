#pragma once

#include "plot/plotroutine.h"
#include "sound/generator.h"
#include "ui/picturebox.h"
#include "ui/twips.h"

#include <QSize>
#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

class Form1;
class QPainter;

// How the dots of one plot are drawn: the window draws every plot's red and solid.
struct CurvePen
{
    ui::Colour colour = plot::kDotColour;
    Qt::PenStyle style = Qt::SolidLine; // where dots join into a curve
};

// What the plot area holds since its last clear, kept beside its pixels for whatever draws it
// again elsewhere or in another form: each plot with its centre marker and the dots it drew in
// graph units, and the lines drawn beside the plots (the axes), in the order drawn.
//
// Memory stays bounded however long the program runs: what is kept takes about 8 bytes a dot,
// and past `limit` bytes since the last clear nothing is kept until the next clear (a line drawn
// again exactly over an earlier one replaces it). Whatever needs what was drawn must then be
// refused, never given a part: the picture on the screen stays exact all along.
class Drawn : private ui::PictureBox::Observer
{
public:
    static constexpr std::size_t kDefaultLimit = std::size_t(4) << 20; // ten plots of the widest
                                                                       // range
    explicit Drawn(Form1 &form, std::size_t limit = kDefaultLimit);
    ~Drawn() override;
    Drawn(const Drawn &) = delete;
    Drawn &operator=(const Drawn &) = delete;

    // Why what was drawn cannot be given whole, in plain words to follow "could not be saved:"
    // and the like; empty where it can.
    QString unavailable() const;

    // The plots in the order drawn; none where more was drawn than is kept.
    const std::vector<plot::PlotRecord> &plots() const { return m_now.plots; }
    QSize area() const { return m_area; } // the plot area's, in pixels
    const ui::TwipsMapping &mapping() const { return m_mapping; }

    // Paints what was drawn with the plot area's top-left corner at the painter's origin,
    // `scale` device units to a pixel, in the painter's render hints: dots, lines and markers as
    // the area drew them, sharp at any scale, the dots of plot i (from 0, as in plots()) with
    // pens[i] where it is given. Nothing where it is unavailable.
    void paint(QPainter &painter, double scale, const std::vector<CurvePen> &pens = {}) const;

    // The plots kept, as their sound is made.
    std::vector<sound::Plot> sounds() const;

    // What brings back what is kept now, once the clear about to happen is undone.
    std::function<void()> keepForUndo();

private:
    void lineDrawn(float x1, float y1, float x2, float y2, int width, ui::Colour colour) override;
    void circleDrawn(float, float, float, int, ui::Colour) override { }
    void cleared() override;
    void resized(QSize pixels) override;
    void plotted(const plot::PlotRecord &record);
    void keep(std::size_t bytes);

    // A line of the area, a change of its size, or a plot: its marker and dots.
    struct Mark
    {
        enum class Kind { Line, Area, Plot } kind;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // twips; a Line's ends
        int width = 0;                        // pixels
        ui::Colour colour = 0;
        QSize area;           // an Area's new size, in pixels
        std::size_t plot = 0; // a Plot's place in `plots`
        bool sameLine(const Mark &other) const;
    };
    struct State
    {
        QSize start; // the area's size when the first mark was drawn
        QSize last;  // ... and after the last
        std::vector<Mark> marks;
        std::vector<plot::PlotRecord> plots;
        std::size_t bytes = 0;
        bool gaveUp = false;
    };

    Form1 &m_form;
    std::size_t m_limit;
    ui::TwipsMapping m_mapping;
    QSize m_area;
    bool m_plotting = false; // what a plot draws is kept from its record
    State m_now;
};

// The sound of one plot: its walk, the sheet from its bottom to its top edge in the plot's scale
// (the middle pitch only where that scale has no height), and its dots.
sound::Plot soundOf(const plot::PlotRecord &record);
