#pragma once

namespace ui {
class ComboBox;
class TextBox;
} // namespace ui

namespace plot {

struct SelectionControls
{
    ui::ComboBox &l1;   // the function list
    ui::TextBox &Text1; // receives the chosen family's code
};

// An entry of the function list was chosen: store its code, as decimal text, in Text1. A text
// that matches no entry leaves Text1 as it was.
void l1_Click(const SelectionControls &controls);

} // namespace plot
