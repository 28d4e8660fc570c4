#pragma once

#include "ui/control.h"

#include <QImage>
#include <QString>

class QPainter;
class QRectF;

namespace ui {
class DrawingRecord;
}

namespace sheet {

// The plot area's back colour, which shows where the area is larger than the paper.
constexpr ui::Colour kBackColour = ui::rgb(0, 255, 255);

// The sheet is the plot area as drawn: its back colour, the paper in its top-left corner and
// what has been drawn on it since it was cleared, at the size the area has in pixels. It can be
// drawn from the record where the record is complete; otherwise this gives the reason it cannot,
// in plain words, to be shown after "could not be saved:" and the like.
QString unavailable(const ui::DrawingRecord &drawing);

// Paints the sheet with its top-left corner at the painter's origin, `scale` device units to a
// pixel. Nothing of the drawing where the record is not complete.
void paintSheet(QPainter &painter, const ui::DrawingRecord &drawing, double scale);

// Paints the sheet centred in `page` (device units), as large as fits keeping its proportions,
// and nothing beyond its edges.
void paintSheetFitted(QPainter &painter, const ui::DrawingRecord &drawing, const QRectF &page);

constexpr int kMaxScale = 8;

// The sheet with `scale` (1 to kMaxScale) times as many pixels across and down, drawn at that
// resolution, and as many dots per inch more, so that it prints as large as the plot area shows.
// A null image where it cannot be made, with the reason in `failure`.
QImage renderSheet(const ui::DrawingRecord &drawing, int scale, QString *failure = nullptr);

} // namespace sheet
