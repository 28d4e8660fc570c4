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

namespace plot {

// Graph units ↔ drawing coordinates of the plot area (twips): the origin at the frame centre
// (cx, cy), y upwards, and one unit = s × 1000 twips, where s = upper limit / P.Height × 200.
// The forward mapping performs the plot walk's checked operations in the walk's order, so a dot
// lands where it always has and an out-of-range value raises the same error at the same step.
struct GraphMapping
{
    float cx = 0; // twips
    float cy = 0; // twips
    double s = 0; // twips per thousandth of a unit

    // s for an upper limit and the plot area's height (twips); checked like every plot step.
    static double scale(double upper, float height);

    double toX(double x) const;
    double toY(double y) const;
    // The inverse; meaningless where s is 0 (every point of the graph lands on the centre).
    bool invertible() const { return s != 0; }
    double toGraphX(double X) const { return (X - cx) / (s * 1000); }
    double toGraphY(double Y) const { return (cy - Y) / (s * 1000); }
};

} // namespace plot
