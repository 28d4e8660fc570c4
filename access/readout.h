#pragma once

#include <QLocale>
#include <QObject>
#include <QPointF>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class Announcer;
class AreaMark;
class PlotStory;

namespace plot {
struct GraphMapping;
}
namespace ui {
class PictureBox;
class TwipsMapping;
} // namespace ui

// The graph coordinates of a point of the plot area (twips), as "x = 1.25   y = -0.50" in the
// locale's numbers, with as many decimals (two to four) as one pixel of `screen` can tell apart.
QString readoutText(const plot::GraphMapping &mapping, QPointF twips,
                    const ui::TwipsMapping &screen, const QLocale &locale = QLocale());

// Shows the coordinates under the pointer over the plot area in a tooltip that follows it, and
// lets the arrow keys move a crosshair over the focused area one grid cell at a time, the readout
// spoken; both in the scale of the story's latest plot, and only while there is one.
class Readout : public QObject
{
public:
    Readout(ui::PictureBox &area, const PlotStory &story, Announcer &announcer);

    // After a clear: no readout, no crosshair.
    void hide();
    const std::optional<QPointF> &crosshair() const; // twips
    // `moved` is told of each move of the crosshair by the keyboard, where it now is (twips).
    void onMove(std::function<void(QPointF)> moved) { m_moved = std::move(moved); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const plot::GraphMapping *mapping() const;
    void pointerAt(QPointF pixels);
    bool keyPressed(int key);

    ui::PictureBox &m_area;
    const PlotStory &m_story;
    Announcer &m_announcer;
    AreaMark *m_crosshair;
    std::function<void(QPointF)> m_moved;
};
