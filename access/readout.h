#pragma once

#include "plot/frame.h"

#include <QLocale>
#include <QPointF>
#include <QString>

class Form1;

// The graph coordinates of a point of the plot area (twips), as "x = 1.25   y = -0.50" in the
// locale's numbers, with as many decimals (two to four) as one pixel of the scale can tell apart.
QString readoutText(const plot::GraphMapping &mapping, QPointF twips, double twipsPerPixel,
                    const QLocale &locale = QLocale());

// Shows the coordinates under the pointer in a tooltip that follows it, and lets the arrow keys
// move a crosshair over the focused plot area one grid cell at a time, the readout spoken; both in
// the scale of the latest plot, and only while there is one.
void attachReadout(Form1 &form);

// After a clear: no readout, no crosshair.
void hideReadout(Form1 &form);
