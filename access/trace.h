#pragma once

#include "interest.h"

#include <QObject>

#include <vector>

class Accessibility;
class AreaMark;
class Drawn;
class Form1;

namespace plot {
struct PlotRecord;
}
namespace sound {
class Player;
}

// Tracing along the curve, for a user who cannot see it. T on the focused plot area starts on
// the latest plot, at its dot nearest x = 0 or, where the crosshair is shown, nearest the
// crosshair's x, and rings that dot. Left and Right step a tenth of a unit along the walk,
// Ctrl+Left and Ctrl+Right a whole unit, Page Up and Page Down go to the previous and the next
// point of interest, Home and End to the walk's ends, Up and Down to the previous and the next
// plot since the last clear, at the same x. Each move is spoken ("maximum, x 1.571, y 1";
// "x 0.1, y 0.0998334"; "no dot, x 3") and sounds the plot's tone at that height and place, as
// the crosshair's does; silence where there is no dot. T again or Escape ends it, and so does the
// next plot or clear. The plot area's other keys keep their work: L plays, and where the plots
// play, Escape stops them first.
class Trace : public QObject
{
public:
    Trace(Form1 &form, const Drawn &drawn, Accessibility &accessibility, sound::Player &tones);

    bool isTracing() const { return m_tracing; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void start();
    void end();
    void onPlot(std::size_t plot);
    void step(qint64 by);
    void point(int way);
    void plot(int way);
    // Tells where the trace is, after `before`; rings the dot and sounds it.
    void tell(const QString &before = {});
    const plot::PlotRecord &record() const;
    const Interest *here() const;
    qint64 lastStep() const;

    Form1 &m_form;
    const Drawn &m_drawn;
    Accessibility &m_accessibility;
    sound::Player &m_tones;
    AreaMark *m_ring;
    bool m_tracing = false;
    std::size_t m_plot = 0;
    qint64 m_step = 0;    // of the walk: the dot's place among the plot's dots, or past them
    bool m_break = false; // at the break before that step, not at its dot
    std::vector<Interest> m_points; // the plot's
    std::vector<double> m_xs;       // the plot's dots'
};
