#pragma once

#include "worksheet/worksheet.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

class Drawn;
class Form1;
class QPrinter;

// What the plot area draws, as it stands: graph paper, axes, markers and dots at the screen's
// device pixel ratio. The controls lying over it (the corner blocks) are not part of it.
QImage plotImage(const Form1 &form);

// What a file of the plot holds, named by its extension in any case: the plot image (.png,
// .jpg, .jpeg, .bmp), the sheet drawn as an SVG drawing (.svg) or a PDF document (.pdf), the dots
// as a table of values (.csv), or the plots' sound (.wav). None for any other extension.
enum class PlotFormat { None, Image, Svg, Pdf, Table, Sound };
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

// Whether writing `path` at `scale`, perhaps as a worksheet, needs what the plot area holds
// beyond its picture.
bool needsWhatWasDrawn(const QString &path, int scale, const Worksheet &worksheet = {});

// Writes the plot to `path` in the format its extension names, all-or-nothing. An image is the
// plot image where `scale` is 1, otherwise the sheet drawn anew at `scale` (up to
// sheet::kMaxScale) times as many pixels across and down. As a worksheet, every format that
// draws draws the worksheet, and the others are refused. `drawn` may be null where
// needsWhatWasDrawn says it is not needed. Throws ui::RuntimeError naming the path and the reason
// where it cannot, also where what the format needs was not kept (too much plotted since the last
// clear); any earlier file there then stays as it was.
void savePlot(const Form1 &form, const Drawn *drawn, const QString &path, int scale = 1,
              const Worksheet &worksheet = {});

// Prints the sheet on `printer`, drawn, not pictured, centred and as large as fits the page (the
// plot image where the drawing was not kept, except for a worksheet, which is then refused); to a
// file, all-or-nothing as savePlot. Throws ui::RuntimeError naming the output file and the reason
// where it cannot.
void printPlot(const Form1 &form, const Drawn &drawn, QPrinter &printer,
               const Worksheet &worksheet = {});
