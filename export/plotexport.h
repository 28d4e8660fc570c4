#pragma once

#include <QByteArray>

class Form1;
class QImage;
class QString;

// What the plot area draws, as it stands: graph paper, axes, markers and dots at the screen's
// device pixel ratio. The controls lying over it (the corner blocks) are not part of it.
QImage plotImage(const Form1 &form);

// Writes the plot image to `path`, in `format` or else the one its extension names. Throws
// ui::RuntimeError naming the path and the reason where it cannot; any earlier file there then
// stays as it was.
void savePlot(const Form1 &form, const QString &path, const QByteArray &format = {});

// Brings back the drawing that the last clear of the plot area erased. One level: after a plot,
// a further clear or an undo there is nothing more to bring back.
void undoClear(Form1 &form);

// The plot area's context menu (right click, the Menu key or Shift+F10) with Save Plot As, Copy
// Plot, Print and Undo Clear, whose standard shortcuts work anywhere in the window where a text
// field does not take the key; and Delete on the focused plot area, which clears it as a
// double-click does.
void addPlotExport(Form1 &form);
