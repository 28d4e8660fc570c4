#pragma once

#include "announcer.h"
#include "plotstory.h"
#include "readout.h"

#include <functional>
#include <utility>

class Form1;

namespace plot {
struct PlotRecord;
}
namespace ui {
class RuntimeError;
}

// The window made readable by everyone: its controls named for screen readers, each plot, clear
// and error told as it happens, the plot area's description telling what is drawn, and the
// coordinate readout with its crosshair over the plot area.
class Accessibility
{
public:
    explicit Accessibility(Form1 &form);
    Accessibility(const Accessibility &) = delete;
    Accessibility &operator=(const Accessibility &) = delete;

    // What tells again what the plot area holds now, once a clear of it is undone: kept with the
    // drawing the clear erases, so that the words always go with the pixels.
    std::function<void()> keepForUndo();

    const PlotStory &story() const { return m_story; }
    QWidget *announcer() const { return m_announcer.widget(); }
    const std::optional<QPointF> &crosshair() const { return m_readout.crosshair(); } // twips
    // Has a screen reader say `text` now.
    void say(const QString &text) { m_announcer.say(text); }
    // Tells `moved` of each move of the crosshair by the keyboard, where it now is (twips).
    void onCrosshairMoved(std::function<void(QPointF)> moved)
    {
        m_readout.onMove(std::move(moved));
    }

private:
    // What a plot drew, said aloud unless an error dialog will.
    void plotted(const plot::PlotRecord &record, const ui::RuntimeError *error);
    void cleared();
    void retell();

    Form1 &m_form;
    PlotStory m_story;
    Announcer m_announcer;
    Readout m_readout;
};
