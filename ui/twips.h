#pragma once

#include <QPointF>
#include <QRect>

namespace ui {

// Twips are 1/1440 inch. Positions and sizes are kept in twips exactly as written and projected
// onto the screen in pixels only where a widget is placed or a point is drawn; a drawing goes into
// an image of device pixels, devicePixelRatio of them to a pixel each way.
class TwipsMapping
{
public:
    explicit TwipsMapping(double twipsPerPixel = 15.0, double devicePixelRatio = 1.0)
        : m_perPixel(twipsPerPixel), m_ratio(devicePixelRatio),
          m_devicePerTwip(m_ratio / m_perPixel)
    { }

    // The same mapping onto device pixels `ratio` to a pixel each way.
    TwipsMapping withDevicePixelRatio(double ratio) const
    {
        return TwipsMapping(m_perPixel, ratio);
    }
    double devicePixelRatio() const { return m_ratio; }

    double toPixels(double twips) const { return twips / m_perPixel; }
    QPointF toPixels(QPointF twips) const { return twips / m_perPixel; }
    double toTwips(double pixels) const { return pixels * m_perPixel; }
    QPointF toTwips(QPointF pixels) const { return pixels * m_perPixel; }
    double toDevice(double twips) const { return twips * m_devicePerTwip; }
    QPointF toDevice(QPointF twips) const { return twips * m_devicePerTwip; }

    // The nearest whole pixel, kept within the coordinates a widget can take: a length far beyond
    // the screen, either way, stays far beyond it instead of wrapping round; NaN gives 0.
    int pixel(double twips) const;

    // The widget rectangle of a box given in twips: both edges are rounded, so neighbouring boxes
    // that touch in twips touch on the screen too.
    QRect pixelRect(double left, double top, double width, double height) const;

private:
    double m_perPixel;
    double m_ratio;
    double m_devicePerTwip;
};

} // namespace ui
