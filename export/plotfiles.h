#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class Drawn;
class Form1;
class QPrinter;

namespace plot {
struct PlotRecord;
}

// What the plot area draws, as it stands: graph paper, axes, markers and dots at the screen's
// device pixel ratio. The controls lying over it (the corner blocks) are not part of it.
QImage plotImage(const Form1 &form);

// What a file of the plot holds, named by its extension in any case: the plot image (.png,
// .jpg, .jpeg, .bmp), the sheet drawn as an SVG drawing (.svg) or a PDF document (.pdf), the dots
// as a table of values (.csv), the plots' sound (.wav), or the plots told in words (.txt). None
// for any other extension.
enum class PlotFormat { None, Image, Svg, Pdf, Table, Sound, Text };

// The plots told in words, for a text file. The words are made where the plot is made readable,
// which this part of the program does not know: the program hands them in.
using PlotWords = std::function<QString(const std::vector<plot::PlotRecord> &plots)>;
PlotFormat plotFormatFor(const QString &path);

// The extensions plotFormatFor knows, each with its dot: ".png", ".jpg", ... ".wav".
QStringList plotExtensions();

// The kinds of file for a file dialog, each with its extensions: "PNG image (*.png)", ...
QStringList plotFileFilters();

// Whether writing `path` at `scale` needs what the plot area holds beyond its picture.
bool needsWhatWasDrawn(const QString &path, int scale);

// Writes the plot to `path` in the format its extension names, all-or-nothing. An image is the
// plot image where `scale` is 1, otherwise the sheet drawn anew at `scale` (up to
// sheet::kMaxScale) times as many pixels across and down; text is what `words` makes of the
// plots, in UTF-8. `drawn` may be null where needsWhatWasDrawn says it is not needed. Throws
// ui::RuntimeError naming the path and the reason where it cannot, also where what the format
// needs was not kept (too much plotted since the last clear) or not given; any earlier file there
// then stays as it was.
void savePlot(const Form1 &form, const Drawn *drawn, const QString &path, int scale = 1,
              const PlotWords &words = {});

// Prints the sheet on `printer`, drawn, not pictured, centred and as large as fits the page (the
// plot image where the drawing was not kept); to a file, all-or-nothing as savePlot. Throws
// ui::RuntimeError naming the output file and the reason where it cannot.
void printPlot(const Form1 &form, const Drawn &drawn, QPrinter &printer);
