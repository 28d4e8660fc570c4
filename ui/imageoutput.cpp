#include "imageoutput.h"

#include "atomicfile.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace ui {

// Encoded in memory first: an image plugin that meets a failed write mid-way (libpng) leaks and
// prints its own complaint, and the file is written whole or not at all either way.
QString saveImage(const QImage &image, const QString &path, const QByteArray &format)
{
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, format);
    if (!writer.write(image))
        return writer.errorString();
    return writeAtomically(path,
                           [&encoded](QIODevice &file) { return writeAll(&file, encoded.data()); });
}

void copyImage(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
}

QRectF fitted(const QSizeF &image, const QRectF &area)
{
    QRectF rect(QPointF(0, 0), image.scaled(area.size(), Qt::KeepAspectRatio));
    rect.moveCenter(area.center());
    return rect;
}

void paintFitted(QPainter &painter, const QImage &image)
{
    const QRectF page(0, 0, painter.device()->width(), painter.device()->height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fitted(image.size(), page), image);
}

QString printImage(QPrinter &printer, const QImage &image)
{
    return printPage(printer, [&image](QPainter &painter) { paintFitted(painter, image); });
}

QString printPage(QPrinter &printer, const std::function<void(QPainter &)> &paint)
{
    const auto print = [&paint](QPaintDevice *device) {
        QPainter painter;
        if (!painter.begin(device))
            return false;
        paint(painter);
        return painter.end();
    };
    const QString failed
            = QCoreApplication::translate("ui::ImageOutput", "the printer reported a failure");
    if (printer.outputFileName().isEmpty())
        return print(&printer) ? QString() : failed;

    // Printing to a file makes a PDF. The printer would write it straight onto the file, emptying
    // an earlier one as soon as it starts, and says nothing of a failed write; the same page
    // goes through a PDF writer into a file written all-or-nothing instead.
    return writeAtomically(printer.outputFileName(), [&](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setPdfVersion(printer.pdfVersion());
        pdf.setResolution(printer.resolution());
        pdf.setPageLayout(printer.pageLayout());
        pdf.setTitle(printer.docName());
        pdf.setCreator(printer.creator());
        return print(&pdf) ? QString() : failed;
    });
}

} // namespace ui
