#pragma once

#include <QRect>

namespace ui {

// Twips are 1/1440 inch. Positions and sizes are kept in twips exactly as written and projected
// onto the screen in pixels only where a widget is placed or a point is drawn.
class TwipsMapping
{
public:
    explicit TwipsMapping(double twipsPerPixel = 15.0) : m_perPixel(twipsPerPixel) { }

    double perPixel() const { return m_perPixel; }
    double toPixels(double twips) const { return twips / m_perPixel; }
    double toTwips(double pixels) const { return pixels * m_perPixel; }
    // The nearest whole pixel, kept within the coordinates a widget can take: a length far beyond
    // the screen, either way, stays far beyond it instead of wrapping round; NaN gives 0.
    int pixel(double twips) const;

    // The widget rectangle of a box given in twips: both edges are rounded, so neighbouring boxes
    // that touch in twips touch on the screen too.
    QRect pixelRect(double left, double top, double width, double height) const;

private:
    double m_perPixel;
};

} // namespace ui
