#pragma once

#include <QString>

class QIODevice;

class Drawn;

namespace sheet {

// The sheet of what `drawn` holds as an SVG document, and as a PDF file of one page the sheet's
// size (to the next whole point): drawn, not pictured, so that they stay sharp at any size, and as
// large as the plot area shows on the screen. Each is written to `device`, open for writing, in one
// piece; the result is an empty string when it was all written, otherwise the reason in plain
// words, and then nothing was written where the sheet cannot be drawn.
QString writeSvg(QIODevice *device, const Drawn &drawn);
QString writePdf(QIODevice *device, const Drawn &drawn);

} // namespace sheet
