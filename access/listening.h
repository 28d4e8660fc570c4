#pragma once

#include "sound/generator.h"

#include <QPointF>

class Accessibility;
class Drawn;
class Form1;
class QAction;
class QShortcut;
class QString;

namespace plot {
struct PlotRecord;
}
namespace sound {
class Player;
}

// The plots heard, for a user who cannot see them. "Listen to the Plot" (in the plot area's
// context menu, or L on the focused plot area) plays every plot drawn since the last clear, in
// the order drawn; L again or Escape stops it, and so does the next plot or clear. The screen
// reader hears "Playing" and "Stopped", and in words why nothing can be heard where that is so,
// which a sighted user reads in a tooltip at the plot area. And the crosshair sings: each move
// of it by the keyboard plays a short tone at the height of the latest plot at its x.
class Listening
{
public:
    // `plots` plays the plots, `tones` the crosshair's tones; neither is owned.
    Listening(Form1 &form, const Drawn &drawn, Accessibility &accessibility, sound::Player &plots,
              sound::Player &tones);
    Listening(const Listening &) = delete;
    Listening &operator=(const Listening &) = delete;

    // "Listen to the Plot", for the plot area's context menu; L on the focused plot area.
    QAction *action() const { return m_action; }
    // Plays the plots, or stops them where they are playing.
    void toggle();
    bool isPlaying() const { return m_playing; }

private:
    void listen();
    void stop();
    void tellWhyNot(const QString &why);
    void crosshairAt(QPointF twips);
    void setPlaying(bool playing);

    Form1 &m_form;
    const Drawn &m_drawn;
    Accessibility &m_accessibility;
    sound::Player &m_plots;
    sound::Player &m_tones;
    QAction *m_action;
    QShortcut *m_escape;
    bool m_playing = false;
};

// The crosshair's tone at `twips` (from the plot area's top-left corner) over a plot area
// `width` twips wide: at the height, on the latest plot's sheet, of that plot's dot at the
// crosshair's x, and placed across from left to right as the crosshair is. Empty where that plot
// drew no dot at that x (beyond its walk, after the error that ended it) or has no scale.
sound::Samples crosshairSound(const plot::PlotRecord &latest, QPointF twips, double width);
