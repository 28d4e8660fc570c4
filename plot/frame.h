#pragma once

namespace ui {
class PictureBox;
}

namespace plot {

// Draws the x and y axes through the centre of the plot area, out to its edges, in its
// foreground colour and the pen width in force.
void DrawAxes(ui::PictureBox &P);

// Double-click on the plot area: wipe the drawing, draw the axes with the pen width in force
// (5 after a plot), then set the pen width back to 3.
void P_DblClick(ui::PictureBox &P);

} // namespace plot
