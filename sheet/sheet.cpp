#include "sheet.h"

#include "paper.h"

#include "drawn/drawn.h"
#include "ui/imageoutput.h"

#include <QCoreApplication>
#include <QPainter>

#include <cmath>

namespace sheet {

void paintSheet(QPainter &painter, const Drawn &drawn, double scale)
{
    const QRectF bounds(QPointF(), QSizeF(drawn.area()));
    painter.fillRect(QRectF(QPointF(), bounds.size() * scale), ui::toQColor(kBackColour));
    paintPaper(painter, scale, bounds);
    drawn.paint(painter, scale);
}

void paintSheetFitted(QPainter &painter, const Drawn &drawn, const QRectF &page,
                      const SheetPainter &paint)
{
    const QSizeF size(drawn.area());
    if (size.isEmpty())
        return;
    const QRectF place = ui::fitted(size, page);
    painter.save();
    painter.setClipRect(place);
    painter.translate(place.topLeft());
    paint(painter, drawn, place.width() / size.width());
    painter.restore();
}

QImage renderSheet(const Drawn &drawn, int scale, QString *failure, const SheetPainter &paint)
{
    const auto fail = [failure](const QString &reason) {
        if (failure)
            *failure = reason;
        return QImage();
    };
    if (scale < 1 || scale > kMaxScale)
        return fail(QCoreApplication::translate("sheet::Sheet",
                                                "the scale must be a whole number from 1 to %1")
                            .arg(kMaxScale));
    if (const QString reason = drawn.unavailable(); !reason.isEmpty())
        return fail(reason);
    const QSize size = drawn.area() * scale;
    if (size.isEmpty())
        return fail(QCoreApplication::translate("sheet::Sheet", "the plot area has no size yet"));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return fail(QCoreApplication::translate("sheet::Sheet",
                                                "there is not enough memory for an image of %1 x "
                                                "%2 pixels")
                            .arg(size.width())
                            .arg(size.height()));
    constexpr double kMetresPerInch = 0.0254;
    const double dotsPerInch = 1440 / drawn.mapping().toTwips(1.0) * scale;
    image.setDotsPerMeterX(int(std::lround(dotsPerInch / kMetresPerInch)));
    image.setDotsPerMeterY(int(std::lround(dotsPerInch / kMetresPerInch)));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, drawn, scale);
    return image;
}

} // namespace sheet
