#pragma once

#include "axes.h"
#include "legend.h"

#include "sheet/vectorfile.h"

#include <QLocale>
#include <QString>

class QPainter;

class Drawn;

// The sheet as a worksheet to hand out: the paper over the whole of it, each curve in a colour of
// its own, the axes numbered in the scale of the latest plot that has one, and a legend with a
// line for each plot under an optional title.
namespace worksheet {

// What a worksheet says beyond its drawing: the title above the legend (none where empty), the
// words for a reader who cannot see it (the plot area's description), and the language its
// numbers are written in.
struct Annotations
{
    QString title;
    QString description;
    QLocale locale;
};

// What a worksheet adds to the sheet of `drawn`, laid out in the sheet's pixels. `dashed`: the
// second and later curves carry dash patterns, as drawings and print show them.
struct Layout
{
    std::optional<plot::GraphMapping> scale; // the axes are numbered in, if any
    NumberedAxes axes;
    Legend legend;
};
Layout layOut(const Drawn &drawn, const Annotations &annotations, bool dashed);

// Paints the worksheet of `drawn` as sheet::paintSheet paints the sheet.
void paintWorksheet(QPainter &painter, const Drawn &drawn, double scale,
                    const Annotations &annotations, bool dashed);

// What paints the worksheet for an image (`dashed` false) or for print (true).
sheet::SheetPainter worksheetPainter(const Annotations &annotations, bool dashed);

// The worksheet as an SVG or PDF drawing: dashed, its title the worksheet's title followed by
// the description, its description the description.
sheet::Drawing worksheetDrawing(const Annotations &annotations);

// The title of the worksheet's document: the title, then the description on one line.
QString documentTitle(const Annotations &annotations);

} // namespace worksheet
