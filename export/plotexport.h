#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class Drawn;
class Form1;
class QAction;
class QMenu;
class QPrinter;
class QString;

// What the plot area draws, as it stands: graph paper, axes, markers and dots at the screen's
// device pixel ratio. The controls lying over it (the corner blocks) are not part of it.
QImage plotImage(const Form1 &form);

// What a file of the plot holds, named by its extension in any case: the plot image (.png,
// .jpg, .jpeg, .bmp), the sheet drawn as an SVG drawing (.svg) or a PDF document (.pdf), the dots
// as a table of values (.csv), or the plots' sound (.wav). None for any other extension.
enum class PlotFormat { None, Image, Svg, Pdf, Table, Sound };
PlotFormat plotFormatFor(const QString &path);

// The extensions plotFormatFor knows, each with its dot: ".png", ".jpg", ... ".wav".
QStringList plotExtensions();

// Writes the plot to `path` in the format its extension names, all-or-nothing. An image is the
// plot image where `scale` is 1, otherwise the sheet drawn anew at `scale` (up to
// sheet::kMaxScale) times as many pixels across and down. Throws ui::RuntimeError naming the path
// and the reason where it cannot, also where what the format needs was not kept (too much
// plotted since the last clear); any earlier file there then stays as it was.
void savePlot(const Form1 &form, const Drawn &drawn, const QString &path, int scale = 1);

// Prints the sheet on `printer`, drawn, not pictured, centred and as large as fits the page (the
// plot image where the drawing was not kept); to a file, all-or-nothing as savePlot. Throws
// ui::RuntimeError naming the output file and the reason where it cannot.
void printPlot(const Form1 &form, const Drawn &drawn, QPrinter &printer);

// The plot area's context menu (right click, the Menu key or Shift+F10) with Save Plot As, Copy
// Plot, Print and Undo Clear, whose standard shortcuts work anywhere in the window where a text
// field does not take the key; and Delete on the focused plot area, which clears it as a
// double-click does.
class PlotExport
{
public:
    PlotExport(Form1 &form, const Drawn &drawn);
    PlotExport(const PlotExport &) = delete;
    PlotExport &operator=(const PlotExport &) = delete;

    // Brings back what the last clear of the plot area erased: the drawing, together with what
    // each keeper took of it at that clear (what the plot area told of it). One level: after a
    // plot or an undo there is nothing to bring back, and after two clears only the bare axes
    // that the second one erased.
    void undoClear();
    bool canUndoClear() const { return m_erased.has_value(); }
    // At each clear, `keep` is asked for what brings its part of the plot area back; one undo
    // snapshot holds that with the erased drawing, and Undo Clear runs it after the drawing is
    // back.
    using Restore = std::function<void()>;
    void keepWithClear(std::function<Restore()> keep) { m_keepers.push_back(std::move(keep)); }
    // Adds an entry that another addition offers to the plot area's context menu, after its own.
    void addToMenu(QAction *action);

private:
    struct Snapshot
    {
        QImage image;
        std::vector<Restore> parts;
    };
    Form1 &m_form;
    QMenu *m_menu = nullptr;
    std::vector<std::function<Restore()>> m_keepers;
    // What the last clear erased, kept until the next plot.
    std::optional<Snapshot> m_erased;
    Snapshot m_clearing;
};
