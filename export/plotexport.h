#pragma once

#include <QByteArray>
#include <QImage>

#include <functional>

class Form1;
class QString;

// What the plot area draws, as it stands: graph paper, axes, markers and dots at the screen's
// device pixel ratio. The controls lying over it (the corner blocks) are not part of it.
QImage plotImage(const Form1 &form);

// Writes the plot image to `path`, in `format` or else the one its extension names. Throws
// ui::RuntimeError naming the path and the reason where it cannot; any earlier file there then
// stays as it was.
void savePlot(const Form1 &form, const QString &path, const QByteArray &format = {});

// The plot area's context menu (right click, the Menu key or Shift+F10) with Save Plot As, Copy
// Plot, Print and Undo Clear, whose standard shortcuts work anywhere in the window where a text
// field does not take the key; and Delete on the focused plot area, which clears it as a
// double-click does.
class PlotExport
{
public:
    explicit PlotExport(Form1 &form);
    PlotExport(const PlotExport &) = delete;
    PlotExport &operator=(const PlotExport &) = delete;

    // Brings back the drawing that the last clear of the plot area erased. One level: after a
    // plot, a further clear or an undo there is nothing more to bring back.
    void undoClear();
    // Runs `hook` after each clear undone.
    void afterUndo(std::function<void()> hook);

private:
    Form1 &m_form;
    // The drawing the last clear erased, kept until the next plot.
    QImage m_erased;
    std::function<void()> m_afterUndo;
};
