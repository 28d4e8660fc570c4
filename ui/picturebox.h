#pragma once

#include "control.h"
#include "event.h"
#include "twips.h"

#include <QImage>

namespace ui {

class Surface;

// The drawing surface. Everything drawn goes into a persistent image at the screen's device
// pixel ratio, so it survives covering, repainting and resizing until Cls wipes it back to the
// background: the BackColor with the picture at its natural size in the top-left corner.
// Drawing coordinates are twips from the box's top-left corner, y downwards; pen widths are
// pixels. Whatever falls outside the box is clipped.
class PictureBox : public Control
{
public:
    explicit PictureBox(QWidget *container);
    ~PictureBox() override;

    void setDrawWidth(int pixels);
    bool autoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    Colour foreColor() const;

    void cls();
    void line(float x1, float y1, float x2, float y2);
    void line(float x1, float y1, float x2, float y2, Colour colour);
    void circle(float x, float y, float radius, Colour colour);

    // Design time.
    void setBackColor(Colour colour);
    // Loads the picture; where the screen is denser than one device pixel per pixel and a
    // "name@2x" variant exists, that one is used so the picture stays sharp.
    void setPicture(const QString &path);

    // The widget that contains the controls placed inside the box.
    QWidget *container() const;
    // The persistent image, in device pixels.
    const QImage &image() const { return m_image; }
    // Puts back a drawing taken from image(); one of another size is laid over the background
    // from the top-left corner.
    void restore(const QImage &drawing);

    Event dblClick;

    // Lays `overlay` over the drawing, beneath the controls placed in the box, as large as the
    // box; it takes no mouse input. What it paints never enters the image.
    void addOverlay(QWidget *overlay);
    // Told of every Line, Circle and Cls as the box takes them (twips, pen widths in pixels), and
    // of each new size of the box's drawing area (pixels), from the moment it is set.
    class Observer
    {
    public:
        virtual ~Observer() = default;
        virtual void lineDrawn(float x1, float y1, float x2, float y2, int width, Colour colour)
                = 0;
        virtual void circleDrawn(float x, float y, float radius, int width, Colour colour) = 0;
        virtual void cleared() = 0;
        virtual void resized(QSize pixels) = 0;
    };
    // Sets the one observer (or none); the box does not own it.
    void setObserver(Observer *observer);
    // For tests: the next image the box needs cannot be allocated, as when memory runs out.
    static void failNextImageAllocation();

protected:
    void geometryApplied() override;

private:
    // Remakes the background for the current size; a resize keeps what was drawn.
    // Throws, leaving the box as it was, where the images cannot be allocated.
    void rebuildBackground(bool keepDrawing);
    // The image size, in device pixels, that the widget's size needs at `dpr`.
    QSize deviceSize(double dpr) const;
    // A copy of `image` that shares nothing with it; throws where it cannot be allocated.
    QImage ownCopy(const QImage &image) const;
    // Makes the drawing its own copy before it is drawn on (after Undo it shares the kept one).
    void detachImage();
    void markDirty(const QRect &deviceRect);
    void flushDirty();

    Surface *m_surface;
    QImage m_background;
    QImage m_image;
    QImage m_picture;
    QRect m_dirty;
    bool m_flushPending = false;
    Colour m_backColor = rgb(255, 255, 255);
    int m_drawWidth = 1;
    bool m_autoRedraw = true;
    TwipsMapping m_map; // onto the image's device pixels
    Observer *m_observer = nullptr;
};

} // namespace ui
