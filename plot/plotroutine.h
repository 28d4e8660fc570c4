#pragma once

#include "catalogue.h"
#include "frame.h"

#include "ui/control.h"

#include <QLocale>
#include <QPointF>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace ui {
class Label;
class PictureBox;
class TextBox;
} // namespace ui

namespace plot {

// What the Plot button draws with: the pen width in pixels, the centre marker's radius in twips,
// the colour of every dot.
inline constexpr int kPenWidth = 5;
inline constexpr float kMarkerRadius = 100;
inline constexpr ui::Colour kDotColour = ui::rgb(255, 0, 0);

// What a plot was asked for and what it got to: the family chosen (none where the code names
// none), the texts of the coefficients that family uses, as typed, and the x range of the walk;
// the mapping its dots were drawn with, once the walk had its scale, and the abscissa of the step
// it was at when it ended, by reaching its end or by an error.
struct PlotRecord
{
    const Entry *function = nullptr;
    std::vector<std::pair<QChar, QString>> coefficients; // letter, text
    std::optional<Coefficients> values; // all four as the walk used them, once it read them
    double from = 0;
    double to = 0;
    double lower = 0, upper = 0;      // the limits the range was made from: from = lower / 1.2
    QPointF centre;                   // twips: the frame centre
    std::optional<ui::Colour> marker; // the colour of the marker drawn around it, once drawn
    std::optional<GraphMapping> mapping;
    double x = 0;
    // The ordinate of each dot drawn, in the order drawn. The first dot lies at x = `from`, and
    // each next one a step of 0.001 further, added as the walk adds it: forEachDot gives both.
    std::vector<double> dots;
};

// Calls f(x, y) for each dot the walk drew, in order, at the graph coordinates it plotted.
template<typename F> void forEachDot(const PlotRecord &record, F &&f)
{
    double x = record.from;
    for (const double y : record.dots) {
        f(x, y);
        x += 0.001;
    }
}

// The segment the walk draws for the dot at (x, y), in twips: far shorter than a pixel, it shows
// as a dot of the pen's width centred on its first end. Throws where it lies beyond the single
// range, as the walk does.
struct DotSegment
{
    float x1, y1, x2, y2;
};
DotSegment dotSegment(const GraphMapping &map, double x, double y);

struct PlotControls
{
    ui::PictureBox &P;               // drawn on
    ui::Label &L4;                   // lower end of the x range, as text
    ui::Label &L5;                   // upper end of the x range, as text
    std::array<ui::TextBox *, 4> T6; // coefficients a, b, c, d
    ui::TextBox &Text1;              // code of the chosen family
    QLocale locale = QLocale();      // the user's number format, unless the program set another
    PlotRecord *record = nullptr;    // filled in as the walk goes, when given
};

// The Plot button: a centre marker in a random colour, then one red dot per step of 0.001 along
// x, from the lower limit / 1.2 to the upper limit / 1.2, on top of what the plot area shows.
// Errors end the walk at the step where they arise; the dots before it stay.
void Cp_Click(const PlotControls &controls);

} // namespace plot
