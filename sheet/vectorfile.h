#pragma once

#include "sheet.h"

#include <QString>

class QIODevice;

class Drawn;

namespace sheet {

// What a drawing of the sheet holds beyond the sheet: the words a reader that cannot see it is
// given, its document's title and description ("Curvanta plot" where they are empty); the colour
// of the fraction of a point a PDF's page holds beyond the sheet; and what paints the sheet.
struct Drawing
{
    QString title;
    QString description;
    ui::Colour back = kBackColour;
    SheetPainter paint = paintSheet;
};

// The sheet of what `drawn` holds as an SVG document, and as a PDF file of one page the sheet's
// size (to the next whole point): drawn, not pictured, so that they stay sharp at any size, and as
// large as the plot area shows on the screen. Each is written to `device`, open for writing, in one
// piece; the result is an empty string when it was all written, otherwise the reason in plain
// words, and then nothing was written where the sheet cannot be drawn.
QString writeSvg(QIODevice *device, const Drawn &drawn, const Drawing &drawing = {});
QString writePdf(QIODevice *device, const Drawn &drawn, const Drawing &drawing = {});

} // namespace sheet
