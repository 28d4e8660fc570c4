#pragma once

#include "plotfiles.h"

#include <QImage>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class Drawn;
class Form1;
class QAction;
class QMenu;

// The plot area's context menu (right click, the Menu key or Shift+F10) with Save Plot As, Copy
// Plot, Print and Undo Clear, whose standard shortcuts work anywhere in the window where a text
// field does not take the key, and Save Worksheet As and Print Worksheet beside them, which take
// the plot out as a worksheet to hand out; and Delete on the focused plot area, which clears it as
// a double-click does.
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
    // What tells the plots in words and sound (for Save Plot As a text description or the
    // plots' sound) and what the plot area holds in words (for a worksheet's document).
    void readWith(PlotReading reading, std::function<QString()> description)
    {
        m_reading = std::move(reading);
        m_description = std::move(description);
    }

private:
    worksheet::Annotations worksheet() const; // as the plot area holds it now
    struct Snapshot
    {
        QImage image;
        std::vector<Restore> parts;
    };
    Form1 &m_form;
    QMenu *m_menu = nullptr;
    PlotReading m_reading;
    std::vector<std::function<Restore()>> m_keepers;
    std::function<QString()> m_description;
    // What the last clear erased, kept until the next plot.
    std::optional<Snapshot> m_erased;
    Snapshot m_clearing;
};
