#pragma once

#include <QWidget>

namespace ui {

// The widget of a control drawn on its container's surface (a label or a shape), beneath every
// control window of that container.
//
// A transparent one paints as if opaque, filling with the container's plain background colour,
// while no other such control overlaps it: Qt then moves it by copying its pixels instead of
// repainting everything beneath, which matters for a title that slides a hundred times a second.
class LightweightWidget : public QWidget
{
public:
    explicit LightweightWidget(QWidget *container);

    // Whether this one fills its whole rectangle itself.
    virtual bool isOpaque() const = 0;

    // Call after this widget has been placed, resized or made (non-)opaque: decides again
    // whether it, and any such widget it overlapped before or overlaps now, can paint opaquely.
    void placed();

    // A container whose background is one plain colour says so here; others show a picture.
    static void setPlainBackground(QWidget *container, const QColor &colour);

protected:
    // Fills the rectangle with the container's colour where this transparent widget paints
    // opaquely; call first in paintEvent.
    void fillBeneath(class QPainter &painter) const;

private:
    template<typename Visit> void forEachSibling(Visit visit) const;
    void decideOpacity();

    QRect m_placed;
};

} // namespace ui
