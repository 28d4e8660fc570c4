#pragma once

#include "drawn/drawn.h"
#include "plot/frame.h"

#include <QLocale>
#include <QRectF>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace plot {
struct PlotRecord;
}

namespace worksheet {

// One plot in the legend: its pen, the formula it computed ("y = 2x²"; the catalogue's, whose
// powers "^(…)" are written raised) and a note: the x range it walked (up to its last dot where
// it stopped early), or why it drew no dots, and whether it is drawn at a scale other than the
// axes'.
struct LegendLine
{
    CurvePen pen;
    QString formula;
    QString note;
};

// A line for each of `plots`, with the pens of curvePen, the numbers as `locale` writes them;
// `axes` is the mapping the axes are numbered in, if they are.
std::vector<LegendLine> legendLines(const std::vector<plot::PlotRecord> &plots,
                                    const std::optional<plot::GraphMapping> &axes,
                                    const QLocale &locale, bool dashed);

// The legend laid out on a sheet, in its pixels: `title` above the lines, the box around them in
// the corner of the sheet that hides fewest dots (the first of top left, top right, bottom left
// and bottom right where several hide as few), made smaller where it would otherwise reach
// beyond a quarter of the sheet.
struct Legend
{
    QString title;
    std::vector<LegendLine> lines;
    QRectF box;
    double zoom = 1; // of the fonts and lengths
};
Legend placeLegend(const QString &title, std::vector<LegendLine> lines,
                   const std::vector<plot::PlotRecord> &plots, const ui::TwipsMapping &twips,
                   QSize area);

void paintLegend(QPainter &painter, const Legend &legend);

} // namespace worksheet
