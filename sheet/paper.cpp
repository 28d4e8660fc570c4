#include "paper.h"

#include <QColor>
#include <QList>
#include <QPainter>
#include <QRectF>

namespace sheet {

namespace {

// n / d rounded to the nearest whole number, halves up, for n, d >= 0.
int roundedQuotient(int n, int d)
{
    return (2 * n + d) / (2 * d);
}

} // namespace

int Paper::column(int i)
{
    return left + roundedQuotient(i * ruledWidth, columns - 1);
}

int Paper::row(int i)
{
    return top + roundedQuotient(i * ruledHeight, rows - 1);
}

void paintPaper(QPainter &painter, double scale, const QRectF &bounds, QSize paper)
{
    const auto scaled = [&](const QRectF &pixels) {
        const QRectF part = pixels & bounds;
        return QRectF(part.topLeft() * scale, part.size() * scale);
    };
    const QSizeF size(paper);
    QList<QRectF> lines;
    for (int i = 0; Paper::column(i) < paper.width(); ++i)
        lines.append(scaled(QRectF(Paper::column(i), 0, Paper::lineWidth, size.height())));
    for (int i = 0; Paper::row(i) < paper.height(); ++i)
        lines.append(scaled(QRectF(0, Paper::row(i), size.width(), Paper::lineWidth)));
    lines.removeIf([](const QRectF &line) { return line.isEmpty(); });
    // All lines in one go: a vector device writes them as one group.
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(scaled(QRectF(QPointF(), size)));
    painter.setBrush(QColor(0, 255, 255));
    painter.drawRects(lines);
    painter.restore();
}

} // namespace sheet
