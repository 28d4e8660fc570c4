#include "imageoutput.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

namespace ui {

namespace {

struct ImageFormat
{
    const char *extension;
    const char *format; // as QImageWriter names it
};
constexpr ImageFormat kImageFormats[]
        = {{"png", "png"}, {"jpg", "jpeg"}, {"jpeg", "jpeg"}, {"bmp", "bmp"}};

} // namespace

QByteArray imageFormatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const ImageFormat &known : kImageFormats) {
        if (suffix.compare(QLatin1String(known.extension), Qt::CaseInsensitive) == 0)
            return known.format;
    }
    return {};
}

QStringList imageExtensions()
{
    QStringList extensions;
    for (const ImageFormat &known : kImageFormats)
        extensions << QLatin1Char('.') + QLatin1String(known.extension);
    return extensions;
}

QString saveImage(const QImage &image, const QString &path, QByteArray format)
{
    if (format.isEmpty())
        format = imageFormatFor(path);
    if (format.isEmpty())
        return QCoreApplication::translate(
                "ui::ImageOutput",
                "the file name does not end in .png, .jpg or .bmp, so there is no image format "
                "to write it in");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        file.cancelWriting();
        return file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
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

bool printImage(QPrinter &printer, const QImage &image)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintFitted(painter, image);
    return painter.end();
}

} // namespace ui
