// The floor under `curvanta --render plot.png --function "bsin(ax)"`: the least a Qt program does
// to make the same picture, with none of the window. A QApplication on the offscreen platform,
// the plot area's image (683 x 512 at 1024 x 768) in cyan with the graph paper, the two axes, the
// centre marker and 50,001 dots of bsin(ax) with a = b = 1 / 1.5 stamped as the surface stamps
// them, written as a PNG. Usage: render_floor OUT.png [--no-dots]
#include "ui/raster.h"

#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cmath>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QImage image(683, 512, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 255));
    QPainter painter(&image);
    painter.drawImage(0, 0, QImage(QStringLiteral(":/graphpaper.jpg")));
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(682.67, 256), QPointF(0, 256));
    painter.drawLine(QPointF(341.33, 512), QPointF(341.33, 0));
    painter.setPen(QPen(QColor(90, 160, 30), 5));
    painter.drawEllipse(QPointF(341.33, 256), 6.67, 6.67);
    painter.end();
    const double unit = 30.0 / 7680 * 200 * 1000 / 15; // pixels per unit of x and y
    const double upper = argc > 2 ? -26 : 25;          // --no-dots: none
    for (double x = -25; x <= upper; x += 0.001) {
        const double y = std::sin(x / 1.5) / 1.5;
        ui::stampDot(image, QPointF(341.33 + unit * x, 256 - unit * y), 5, qRgb(255, 0, 0));
    }
    return QImageWriter(QString::fromLocal8Bit(argv[1]), "png").write(image) ? 0 : 1;
}
