#include "vectorfile.h"

#include "sheet.h"
#include "ui/atomicfile.h"

#include "drawn/drawn.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace sheet {

namespace {

QString orPlain(const QString &words)
{
    return !words.isEmpty() ? words
                            : QCoreApplication::translate("sheet::VectorFile", "Curvanta plot");
}

QString cannotDraw()
{
    return QCoreApplication::translate("sheet::VectorFile", "the drawing could not be made");
}

} // namespace

// The generators report no failure of the device they write to, so they write to memory, and
// that goes to the device in one checked write.
QString writeSvg(QIODevice *device, const Drawn &drawn, const Drawing &drawing)
{
    if (const QString reason = drawn.unavailable(); !reason.isEmpty())
        return reason;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(drawn.area());
    generator.setViewBox(QRect(QPoint(), drawn.area()));
    // Its width and height in millimetres then make it as large as the plot area shows.
    generator.setResolution(int(std::lround(1440 / drawn.mapping().toTwips(1.0))));
    generator.setTitle(orPlain(drawing.title));
    generator.setDescription(orPlain(drawing.description));
    QPainter painter;
    if (!painter.begin(&generator))
        return cannotDraw();
    drawing.paint(painter, drawn, 1);
    if (!painter.end())
        return cannotDraw();
    return ui::writeAll(device, buffer.data());
}

QString writePdf(QIODevice *device, const Drawn &drawn, const Drawing &drawing)
{
    if (const QString reason = drawn.unavailable(); !reason.isEmpty())
        return reason;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // A page is a whole number of points: the sheet lies in its top-left corner at the size
        // the plot area has on the screen, and its back colour fills the fraction beyond.
        constexpr double kTwipsPerPoint = 20;
        const double pointsPerPixel = drawn.mapping().toTwips(1.0) / kTwipsPerPoint;
        const QSizeF points = QSizeF(drawn.area()) * pointsPerPixel;
        const QSize page(int(std::ceil(points.width())), int(std::ceil(points.height())));
        writer.setPageLayout(QPageLayout(QPageSize(page, QString(), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(1200);
        writer.setTitle(orPlain(drawing.title));
        writer.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&writer))
            return cannotDraw();
        painter.fillRect(QRect(0, 0, writer.width() + 1, writer.height() + 1),
                         ui::toQColor(drawing.back));
        drawing.paint(painter, drawn, writer.resolution() * pointsPerPixel / 72);
        if (!painter.end())
            return cannotDraw();
    }
    return ui::writeAll(device, buffer.data());
}

} // namespace sheet
