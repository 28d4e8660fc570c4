#pragma once

namespace ui {
class Label;
class VScrollBar;
} // namespace ui

namespace plot {

// The scroll bars of the two ends of the x range copy their value, as decimal text, into their
// value labels, which the plot routine reads.
void V1_Change(ui::VScrollBar &V1, ui::Label &L4);
void V2_Change(ui::VScrollBar &V2, ui::Label &L5);

} // namespace plot
