#pragma once

#include "interest.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace plot {
struct PlotRecord;
}

// A point of interest in words, as the trace says it and the account writes it: its kinds, then
// where it is: "maximum, x 1.571, y 1"; "crosses zero, x 3.142"; "gap, x 1.571". x to the walk's
// step, y as the dot has it (to six significant digits), in the language's numbers.
QString pointText(const Interest &point, const QLocale &locale = QLocale());

// A step of the walk that is no point of interest, "x 0.1, y 0.0998334", or where the walk drew
// no dot (`y` NaN): "no dot, x 1.3".
QString stepText(double x, double y, const QLocale &locale = QLocale());

// A plot's points of interest in a few sentences for the plot area's description: how many
// crossings of y = 0 and where the first few lie, the touches, the highest and the lowest turning
// points, the gaps; each list capped ("and 4 more"). Empty where the plot drew no dots.
QString plotSummary(const std::vector<Interest> &points, const QLocale &locale = QLocale());

// Every plot told in full, one paragraph each, in the order drawn: what was plotted, then every
// point of interest in the order of the walk.
QString plotAccount(const std::vector<plot::PlotRecord> &plots, const QLocale &locale = QLocale());
