#pragma once

#include "plot/frame.h"
#include "ui/twips.h"

#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;

namespace worksheet {

// A number on an axis, in pixels of the sheet: its value, where its tick crosses the axis, and
// the box its ink fills beside the tick; its text is drawn from ink.topLeft() + toBaseline.
struct AxisNumber
{
    double value = 0;
    bool onX = true;
    QPointF tick;
    QRectF ink;
    QPointF toBaseline;
    QString text;
};

// The axes of a sheet numbered: every whole multiple of `step` that has room on the sheet, beside
// its tick, below the x axis and to the left of the y axis, "0" below and to the left of the
// origin; the letters x and y at the axes' positive ends.
struct NumberedAxes
{
    double step = 0; // 0: no numbers
    std::vector<AxisNumber> numbers;
    AxisNumber x, y; // the letters
};

// The axes of a sheet `area` pixels large numbered in the scale of `map`, whose twips `twips`
// turns into pixels: the step is the smallest of 1, 2 or 5 times a power of ten with at most 12
// numbers across the sheet and room for each, apart from the others and from the axes. Numbers
// are written as `locale` writes them. None where the scale has no size.
NumberedAxes numberAxes(const plot::GraphMapping &map, const ui::TwipsMapping &twips, QSize area,
                        const QLocale &locale);

// Paints the ticks, numbers and letters, in pixels of the sheet, leaving out those whose ink
// would reach into `hidden`.
void paintAxes(QPainter &painter, const NumberedAxes &axes, const QRectF &hidden);

} // namespace worksheet
