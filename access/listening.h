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
// the order drawn, each turning point marked; L again or Escape stops it, and so does the next
// plot or clear. 1 to 9 on the focused plot area set the speed, from about 9 seconds for the full
// range to 1 (5, 3 seconds, at first), kept until the window closes; while the plots play they
// play again from their start at the new speed. The screen reader hears "Playing" and "Stopped",
// the speed, and in words why nothing can be heard where that is so, which a sighted user reads
// in a tooltip at the plot area. And the crosshair sings: each move of it by the keyboard plays a
// short tone at the height of the latest plot at its x.
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
    // The speed, 1 (slowest) to 9.
    void setSpeed(int speed);

private:
    void listen();
    void play();
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
    bool m_replaying = false; // stopped and started again at another speed: nothing to tell
    int m_speed = 5;
};

// The crosshair's tone at `twips` (from the plot area's top-left corner) over a plot area
// `width` twips wide: at the height, on the latest plot's sheet, of that plot's dot at the
// crosshair's x, and placed across from left to right as the crosshair is. Empty where that plot
// drew no dot at that x (beyond its walk, after the error that ended it) or has no scale.
sound::Samples crosshairSound(const plot::PlotRecord &latest, QPointF twips, double width);

// The same tone for the dot at `step` of the walk of `plot`, placed across as that dot is.
sound::Samples dotSound(const plot::PlotRecord &plot, double step, double width);

// The plots `drawn` keeps, as Listen to the Plot plays them: each with its turning points.
std::vector<sound::Plot> listenedPlots(const Drawn &drawn);
