#pragma once

#include <array>

namespace ui {
class Label;
class Window;
} // namespace ui

namespace decor {

// Each tick reads the animated property back, works out the next value from it and writes it:
// the property is the animation's only state.

// The title slides right 10 twips a tick and starts over at the left edge on reaching 5000.
void Timer1_Timer(ui::Label &Label1);

// The credit pulses 18, 17, 16, 18, ... points.
void Timer2_Timer(ui::Label &mes);

// The corner blocks step together through red, green, blue, turquoise, olive and grey; only the
// colour of the first is looked at.
void Timer4_Timer(const std::array<ui::Label *, 4> &blocks);

// The window's background steps through six colours, 30 seconds a cycle.
void Timer5_Timer(ui::Window &Form1);

} // namespace decor
