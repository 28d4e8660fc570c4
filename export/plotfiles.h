#pragma once

#include "worksheet/worksheet.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class Drawn;
class Form1;
class QPrinter;

namespace plot {
struct PlotRecord;
}
namespace sound {
struct Plot;
}

// What the plot area draws, as it stands: graph paper, axes, markers and dots at the screen's
// device pixel ratio. The controls lying over it (the corner blocks) are not part of it.
QImage plotImage(const Form1 &form);

// What a file of the plot holds, named by its extension in any case: the plot image (.png,
// .jpg, .jpeg, .bmp), the sheet drawn as an SVG drawing (.svg) or a PDF document (.pdf), the dots
// as a table of values (.csv), the plots' sound (.wav), or the plots told in words (.txt). None
// for any other extension.
enum class PlotFormat { None, Image, Svg, Pdf, Table, Sound, Text };
PlotFormat plotFormatFor(const QString &path);

// Whether `format` draws the sheet (an image, SVG or PDF), and so can draw a worksheet.
bool plotFormatDraws(PlotFormat format);

// The extensions plotFormatFor knows, each with its dot: ".png", ".jpg", ... ".wav"; with
// `drawings`, only those of the formats that draw the sheet (images, SVG and PDF).
QStringList plotExtensions(bool drawings = false);

// The kinds of file for a file dialog, each with its extensions: "PNG image (*.png)", ...; with
// `drawings`, only those that draw the sheet.
QStringList plotFileFilters(bool drawings = false);

// A worksheet to hand out (see worksheet::paintWorksheet) rather than the plot as the window
// shows it, saying what `annotations` say.
using Worksheet = std::optional<worksheet::Annotations>;

// What the plots are in words and in sound where the plot is made readable, which this part of
// the program does not know: the program hands it in.
struct PlotReading
{
    std::function<QString(const std::vector<plot::PlotRecord> &)> account; // for .txt
    std::function<std::vector<sound::Plot>(const Drawn &)> sounds;         // for .wav
};

// How a plot file is written beyond its format: an image's scale (1 to sheet::kMaxScale), as a
// worksheet or as the window shows the plot, and what is handed in for words and sound.
struct SaveOptions
{
    int scale = 1;
    Worksheet worksheet;
    PlotReading reading;
};

// Whether writing `path` so needs what the plot area holds beyond its picture.
bool needsWhatWasDrawn(const QString &path, const SaveOptions &options = {});

// Writes the plot to `path` in the format its extension names, all-or-nothing. An image is the
// plot image where the scale is 1, otherwise the sheet drawn anew with that many times the pixels
// across and down. As a worksheet, every format that draws draws the worksheet, and the others
// are refused. `drawn` may be null where needsWhatWasDrawn says it is not needed. Throws
// ui::RuntimeError naming the path and the reason where it cannot, also where what the format
// needs was not kept (too much plotted since the last clear) or not handed in; any earlier file
// there then stays as it was.
void savePlot(const Form1 &form, const Drawn *drawn, const QString &path,
              const SaveOptions &options = {});

// Prints the sheet on `printer`, drawn, not pictured, centred and as large as fits the page (the
// plot image where the drawing was not kept, except for a worksheet, which is then refused); to a
// file, all-or-nothing as savePlot. Throws ui::RuntimeError naming the output file and the reason
// where it cannot.
void printPlot(const Form1 &form, const Drawn &drawn, QPrinter &printer,
               const Worksheet &worksheet = {});
