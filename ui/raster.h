#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

// Drawing into an image pixel by pixel, in the image's own device pixels.
namespace ui {

// Clips the segment p-q to `bounds` (Liang-Barsky); false when nothing of it is inside.
bool clipSegment(QPointF &p, QPointF &q, const QRectF &bounds);

// Sets the pixels of a round dot `diameter` pixels wide, centred on `centre`, to `colour`, as far
// as the dot lies in `image` (32 bits a pixel). Returns the dot's square where it touched the
// image, and an empty rectangle where it lies wholly outside or `centre` is no number.
QRect stampDot(QImage &image, QPointF centre, int diameter, QRgb colour);

} // namespace ui
