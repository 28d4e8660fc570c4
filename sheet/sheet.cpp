#include "sheet.h"

#include "paper.h"

#include "ui/drawingrecord.h"
#include "ui/imageoutput.h"

#include <QCoreApplication>
#include <QPainter>

#include <cmath>

namespace sheet {

QString unavailable(const ui::DrawingRecord &drawing)
{
    if (drawing.isComplete())
        return {};
    return QCoreApplication::translate("sheet::Sheet",
                                       "so much has been plotted since the plot area was last "
                                       "cleared that only its picture on the screen was kept; "
                                       "clear the plot area and plot again");
}

void paintSheet(QPainter &painter, const ui::DrawingRecord &drawing, double scale)
{
    const QRectF bounds(QPointF(), QSizeF(drawing.area()));
    painter.fillRect(QRectF(QPointF(), bounds.size() * scale), ui::toQColor(kBackColour));
    paintPaper(painter, scale, bounds);
    drawing.paint(painter, scale);
}

void paintSheetFitted(QPainter &painter, const ui::DrawingRecord &drawing, const QRectF &page)
{
    const QSizeF size(drawing.area());
    if (size.isEmpty())
        return;
    const QRectF place = ui::fitted(size, page);
    painter.save();
    painter.setClipRect(place);
    painter.translate(place.topLeft());
    paintSheet(painter, drawing, place.width() / size.width());
    painter.restore();
}

QImage renderSheet(const ui::DrawingRecord &drawing, int scale, QString *failure)
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
    if (const QString reason = unavailable(drawing); !reason.isEmpty())
        return fail(reason);
    const QSize size = drawing.area() * scale;
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
    const double dotsPerInch = 1440 / drawing.mapping().toTwips(1.0) * scale;
    image.setDotsPerMeterX(int(std::lround(dotsPerInch / kMetresPerInch)));
    image.setDotsPerMeterY(int(std::lround(dotsPerInch / kMetresPerInch)));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSheet(painter, drawing, scale);
    return image;
}

} // namespace sheet
