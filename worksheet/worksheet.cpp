#include "worksheet.h"

#include "style.h"

#include "drawn/drawn.h"
#include "sheet/paper.h"

#include <QPainter>

namespace worksheet {

Layout layOut(const Drawn &drawn, const Annotations &annotations, bool dashed)
{
    Layout layout;
    const std::vector<plot::PlotRecord> &plots = drawn.plots();
    for (auto it = plots.rbegin(); it != plots.rend() && !layout.scale; ++it) {
        if (it->mapping && it->mapping->invertible())
            layout.scale = it->mapping;
    }
    if (layout.scale)
        layout.axes = numberAxes(*layout.scale, drawn.mapping(), drawn.area(), annotations.locale);
    layout.legend = placeLegend(annotations.title,
                                legendLines(plots, layout.scale, annotations.locale, dashed), plots,
                                drawn.mapping(), drawn.area());
    return layout;
}

void paintWorksheet(QPainter &painter, const Drawn &drawn, double scale,
                    const Annotations &annotations, bool dashed)
{
    const QSize area = drawn.area();
    sheet::paintPaper(painter, scale, QRectF(QPointF(), QSizeF(area)), area);
    const Layout layout = layOut(drawn, annotations, dashed);
    const bool legend = !layout.legend.lines.empty() || !layout.legend.title.isEmpty();
    // The numbers under the drawing, which they would otherwise cut into: every dot shows.
    painter.save();
    painter.scale(scale, scale);
    paintAxes(painter, layout.axes,
              legend ? layout.legend.box.adjusted(-kGap, -kGap, kGap, kGap) : QRectF());
    painter.restore();
    std::vector<CurvePen> pens;
    for (const LegendLine &line : layout.legend.lines)
        pens.push_back(line.pen);
    drawn.paint(painter, scale, pens);
    painter.save();
    painter.scale(scale, scale);
    paintLegend(painter, layout.legend);
    painter.restore();
}

sheet::SheetPainter worksheetPainter(const Annotations &annotations, bool dashed)
{
    return [annotations, dashed](QPainter &painter, const Drawn &drawn, double scale) {
        paintWorksheet(painter, drawn, scale, annotations, dashed);
    };
}

sheet::Drawing worksheetDrawing(const Annotations &annotations)
{
    sheet::Drawing drawing;
    drawing.title = documentTitle(annotations);
    drawing.description = annotations.description;
    drawing.back = ui::rgb(255, 255, 255);
    drawing.paint = worksheetPainter(annotations, true);
    return drawing;
}

QString documentTitle(const Annotations &annotations)
{
    QString description = annotations.description;
    description.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return annotations.title.isEmpty() ? description
                                       : annotations.title + QStringLiteral(": ") + description;
}

} // namespace worksheet
