#pragma once

#include <QLocale>

#include <array>

namespace ui {
class Label;
class PictureBox;
class TextBox;
} // namespace ui

namespace plot {

struct PlotControls
{
    ui::PictureBox &P;               // drawn on
    ui::Label &L4;                   // lower end of the x range, as text
    ui::Label &L5;                   // upper end of the x range, as text
    std::array<ui::TextBox *, 4> T6; // coefficients a, b, c, d
    ui::TextBox &Text1;              // code of the chosen family
    QLocale locale = QLocale();      // the user's number format, unless the program set another
};

// What a walk that ran to its end drew: the number of dots and the x of the last one.
struct Walk
{
    int dots = 0;
    double lastX = 0;
};

// The Plot button: a centre marker in a random colour, then one red dot per step of 0.001 along
// x, from the lower limit / 1.2 to the upper limit / 1.2, on top of what the plot area shows.
// Errors end the walk at the step where they arise; the dots before it stay.
Walk Cp_Click(const PlotControls &controls);

} // namespace plot
