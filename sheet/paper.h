#pragma once

#include <QSize>

class QPainter;
class QRectF;

namespace sheet {

// The graph paper behind the plot area, in pixels at its natural size: a white sheet ruled with
// 33 vertical and 20 horizontal cyan lines, each 2 pixels wide, spread evenly over a ruled span
// (the first line's edge to the last line's edge) with the positions rounded to whole pixels,
// halves up. assets/draw-assets.sh draws assets/graphpaper.jpg and its @2x variant from these
// same numbers; at a scale s every coordinate is s times as large.
struct Paper
{
    static constexpr QSize size {1016, 606};
    static constexpr int columns = 33;
    static constexpr int rows = 20;
    static constexpr int lineWidth = 2;
    static constexpr int left = 3;          // the first vertical line's left edge
    static constexpr int top = 2;           // the first horizontal line's top edge
    static constexpr int ruledWidth = 1007; // from the first vertical line to the last
    static constexpr int ruledHeight = 598; // from the first horizontal line to the last

    // The left edge of vertical line i (0 to 32) and the top edge of horizontal line i (0 to 19);
    // further ones at the same spacing on a larger paper.
    static int column(int i);
    static int row(int i);
};

// Paints the paper with its top-left corner at the painter's origin, `scale` device units to a
// pixel, as far as `bounds` (pixels) reaches. A paper of another `size` (pixels) is ruled in the
// same way as far as it reaches: every line at Paper::column(i) or Paper::row(i) that starts on it.
void paintPaper(QPainter &painter, double scale, const QRectF &bounds, QSize size = Paper::size);

} // namespace sheet
