#pragma once

#include "ui/control.h"
#include "ui/twips.h"

#include <QRectF>
#include <QSize>

#include <cstddef>
#include <unordered_map>
#include <vector>

class QPainter;
class QPainterPath;

// A drawing of the plot area as drawing rather than as pixels, so that it can be painted again
// onto any device at any resolution. It takes the operations as the surface takes them:
// coordinates in twips from the surface's top-left corner, y downwards, pen widths in pixels.
//
// A segment shorter than a pixel is a dot of the pen's width, as the surface shows it. Dots that
// follow one another in the same colour and width, each overlapping the one before (a flat curve:
// centres a fraction of a pixel apart), are kept as one stroked run with round caps and joins;
// a vertex is kept only where leaving it out would move the run by more than a hundredth of a
// pixel. Dots further apart (a steep curve, where the run would fill the notches between them by
// more than a twentieth of a pixel) stay separate dots. Whatever lies wholly outside the
// surface's area is left out, and a shape drawn again exactly where an earlier one lies covers it
// whatever its colour, so the earlier one is dropped (unless the new one is broken by a pattern).
//
// A pen style other than solid draws lines and runs in its dashes, with flat ends; dots apart stay
// round dots.
class DrawingRecord
{
public:
    explicit DrawingRecord(ui::TwipsMapping mapping) : m_mapping(mapping) { }

    // The surface's Line and Circle. `width` is the pen width in pixels.
    void line(float x1, float y1, float x2, float y2, int width, ui::Colour colour,
              Qt::PenStyle style = Qt::SolidLine);
    void circle(float x, float y, float radius, int width, ui::Colour colour);

    // The surface's size in pixels from now on. What was drawn before stays clipped to the sizes
    // the surface has had since, as its image does.
    void setArea(QSize pixels);
    QSize area() const { return m_area; }

    // Paints the drawing with the surface's top-left corner at the painter's origin, `scale`
    // device units to a pixel, in the painter's render hints.
    void paint(QPainter &painter, double scale) const;

private:
    struct Point
    {
        float x, y; // twips
    };
    enum class Kind : quint8 { Line, Circle, Dots, Run };
    struct Item
    {
        Kind kind;
        bool live;
        quint8 style; // Qt::PenStyle
        int width;    // pixels
        ui::Colour colour;
        float radius;  // twips; circles only
        quint32 first; // into m_points
        quint32 count;
    };
    // Items before `items` were drawn while the surface was `area` pixels, and are clipped to it.
    struct Clip
    {
        std::size_t items;
        QRectF area;
    };

    QPointF pixels(Point p) const;
    bool reaches(const QRectF &pixelBounds) const;
    void dot(Point p, int width, ui::Colour colour, Qt::PenStyle style);
    void extendRun(Point p);
    void openItem(Kind kind, int width, ui::Colour colour, float radius, Point p,
                  Qt::PenStyle style = Qt::SolidLine);
    void seal();
    void dropCovered(quint32 index);
    bool sameShape(const Item &a, const Item &b) const;
    std::size_t shapeHash(const Item &item) const;
    QRectF bounds(const Item &item) const; // pixels
    void paintItem(QPainter &painter, const Item &item, double scale) const;
    QPainterPath outline(const Item &item, double scale) const;

    ui::TwipsMapping m_mapping;
    QSize m_area;
    std::vector<Item> m_items;
    std::vector<Point> m_points;
    std::vector<Clip> m_clips;
    std::unordered_multimap<std::size_t, quint32> m_sealed; // shape hash -> item
    std::size_t m_live = 0;                                 // items

    // The last item while it can still grow: a run of dots or a group of separate dots.
    bool m_open = false;
    QPointF m_lastDot; // pixels
    // A run keeps its last vertex floating while the dots after it stay close to the straight
    // line from the vertex before (the anchor): the cone of directions from the anchor that keeps
    // each dot passed within the tolerance, and the furthest such dot.
    bool m_floating = false;
    QPointF m_anchor;             // pixels
    double m_direction = 0;       // radians
    double m_low = 0, m_high = 0; // radians, relative to m_direction
    double m_reach = 0;           // pixels
};
