#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <functional>

class QImage;
class QPainter;
class QPrinter;

namespace ui {

// Writes `image` to `path` in `format` ("png", "jpeg", "bmp", as QImageWriter names them),
// all-or-nothing (see AtomicFile): a failure leaves any earlier file at `path` as it was and
// nothing partial beside it. Returns an empty string on success, otherwise the reason in plain
// words ("No space left on device").
QString saveImage(const QImage &image, const QString &path, const QByteArray &format);

// Puts `image` on the clipboard, where other programs can read it as PNG.
void copyImage(const QImage &image);

// The largest rectangle with the proportions of `image` that fits `area`, centred in it.
QRectF fitted(const QSizeF &image, const QRectF &area);

// Paints `image` fitted into the painter's whole device: a page, an image or any other.
void paintFitted(QPainter &painter, const QImage &image);

// Prints one page of `printer` with `paint`, given a painter on the page, the page's size in
// device units. Printing to a file (the printer has an output file name) writes a PDF of that
// page all-or-nothing, as saveImage does, with the printer's page layout, resolution, title and
// creator. Returns an empty string on success, otherwise the reason in plain words.
QString printPage(QPrinter &printer, const std::function<void(QPainter &)> &paint);

// Prints `image` on one page of `printer` with paintFitted, as printPage does.
QString printImage(QPrinter &printer, const QImage &image);

} // namespace ui
