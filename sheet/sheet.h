#pragma once

#include "ui/control.h"

#include <QImage>
#include <QString>

#include <functional>

class QPainter;
class QRectF;

class Drawn;

namespace sheet {

// The plot area's back colour, which shows where the area is larger than the paper.
constexpr ui::Colour kBackColour = ui::rgb(0, 255, 255);

// The sheet is the plot area as drawn: its back colour, the paper in its top-left corner and
// what has been drawn on it since it was cleared, at the size the area has in pixels.

// Paints the sheet with its top-left corner at the painter's origin, `scale` device units to a
// pixel. Nothing of the drawing where it was not kept.
void paintSheet(QPainter &painter, const Drawn &drawn, double scale);

// What paints a sheet as paintSheet does, perhaps in another style.
using SheetPainter = std::function<void(QPainter &painter, const Drawn &drawn, double scale)>;

// Paints the sheet centred in `page` (device units), as large as fits keeping its proportions,
// and nothing beyond its edges.
void paintSheetFitted(QPainter &painter, const Drawn &drawn, const QRectF &page,
                      const SheetPainter &paint = paintSheet);

constexpr int kMaxScale = 8;

// The sheet with `scale` (1 to kMaxScale) times as many pixels across and down, drawn at that
// resolution, and as many dots per inch more, so that it prints as large as the plot area shows.
// A null image where it cannot be made, also where the drawing was not kept, with the reason in
// `failure`.
QImage renderSheet(const Drawn &drawn, int scale, QString *failure = nullptr,
                   const SheetPainter &paint = paintSheet);

} // namespace sheet
