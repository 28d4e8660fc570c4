#include "legend.h"

#include "style.h"

#include "plot/plotroutine.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>

namespace worksheet {

namespace {

constexpr double kPadding = 8;
constexpr double kSample = 40; // the length of a curve's sample
constexpr double kSampleWidth = 4;
constexpr double kLeading = 5; // between two lines

// Steps of 0.001 add up to values such as 4.9999999; the walk means 5.
QString number(double x, const QLocale &locale)
{
    const double rounded = std::round(x * 1000) / 1000;
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'g', 6);
}

QFont raisedFont()
{
    QFont font = legendFont();
    font.setPixelSize(font.pixelSize() * 3 / 4);
    return font;
}

// Writes `formula` from `at`, on its baseline, with each "^(…)" as a raised exponent, where a
// painter is given; returns its width.
double writeFormula(QPainter *painter, QPointF at, const QString &formula)
{
    const QFont fonts[] = {legendFont(), raisedFont()};
    const double rise = QFontMetricsF(fonts[0]).ascent() * 0.4;
    double x = at.x();
    qsizetype from = 0;
    bool raised = false;
    while (from <= formula.size()) {
        qsizetype end = raised ? formula.indexOf(QLatin1Char(')'), from)
                               : formula.indexOf(QLatin1String("^("), from);
        if (end < 0)
            end = formula.size();
        const QString piece = formula.mid(from, end - from);
        if (painter) {
            painter->setFont(fonts[raised]);
            painter->drawText(QPointF(x, at.y() - (raised ? rise : 0)), piece);
        }
        x += QFontMetricsF(fonts[raised]).horizontalAdvance(piece);
        from = end + (raised ? 1 : 2);
        raised = !raised;
    }
    return x - at.x();
}

double lineHeight()
{
    return QFontMetricsF(legendFont()).height() + kLeading;
}

double titleHeight(const QString &title)
{
    return title.isEmpty() ? 0 : QFontMetricsF(titleFont()).height() + kLeading;
}

// How many dots of `plots` reach into each of `boxes` (pixels), each as wide as the pen draws it.
std::array<long, 4> dotsWithin(const std::vector<plot::PlotRecord> &plots,
                               const ui::TwipsMapping &twips, const std::array<QRectF, 4> &boxes)
{
    const double reach = plot::kPenWidth / 2.0;
    std::array<long, 4> dots {};
    for (const plot::PlotRecord &record : plots) {
        if (!record.mapping)
            continue;
        plot::forEachDot(record, [&](double x, double y) {
            const plot::DotSegment dot = plot::dotSegment(*record.mapping, x, y);
            const QPointF at(twips.toPixels(dot.x1), twips.toPixels(dot.y1));
            for (std::size_t i = 0; i < boxes.size(); ++i)
                dots[i] += boxes[i].adjusted(-reach, -reach, reach, reach).contains(at);
        });
    }
    return dots;
}

} // namespace

std::vector<LegendLine> legendLines(const std::vector<plot::PlotRecord> &plots,
                                    const std::optional<plot::GraphMapping> &axes,
                                    const QLocale &locale, bool dashed)
{
    std::vector<LegendLine> lines;
    for (std::size_t i = 0; i < plots.size(); ++i) {
        const plot::PlotRecord &record = plots[i];
        LegendLine line;
        line.pen = curvePen(i, dashed);
        line.formula = !record.function
                ? QCoreApplication::translate("worksheet::Legend", "no function chosen")
                : record.values ? plot::formula(*record.function, *record.values, locale)
                                : record.function->text;
        if (record.dots.empty() || !record.mapping) {
            line.note = QCoreApplication::translate("worksheet::Legend", "no dots drawn");
        } else {
            // A walk that ran to its end covers its range; one that stopped, up to its last dot.
            double last = record.to;
            if (record.x <= record.to)
                plot::forEachDot(record, [&last](double x, double) { last = x; });
            line.note = QCoreApplication::translate("worksheet::Legend", "for x from %1 to %2")
                                .arg(number(record.from, locale), number(last, locale));
            const plot::GraphMapping &map = *record.mapping;
            if (axes && (map.cx != axes->cx || map.cy != axes->cy || map.s != axes->s))
                line.note = QCoreApplication::translate("worksheet::Legend",
                                                        "%1, not to the axes' scale")
                                    .arg(line.note);
        }
        lines.push_back(line);
    }
    return lines;
}

Legend placeLegend(const QString &title, std::vector<LegendLine> lines,
                   const std::vector<plot::PlotRecord> &plots, const ui::TwipsMapping &twips,
                   QSize area)
{
    Legend legend {title, std::move(lines), {}, 1};
    const QFontMetricsF words(legendFont());
    double width = title.isEmpty() ? 0 : QFontMetricsF(titleFont()).horizontalAdvance(title);
    for (const LegendLine &line : legend.lines)
        width = std::max(width,
                         kSample + 2 * kGap + writeFormula(nullptr, {}, line.formula) + 2 * kGap
                                 + words.horizontalAdvance(line.note));
    const QSizeF natural(width + 2 * kPadding,
                         titleHeight(title) + legend.lines.size() * lineHeight() + 2 * kPadding);
    legend.zoom = std::clamp(std::min((area.width() / 2.0 - 2 * kMargin) / natural.width(),
                                      (area.height() / 2.0 - 2 * kMargin) / natural.height()),
                             0.1, 1.0);
    const QSizeF size = natural * legend.zoom;
    const QPointF last(area.width() - kMargin - size.width(),
                       area.height() - kMargin - size.height());
    const std::array<QRectF, 4> corners {
            QRectF(QPointF(kMargin, kMargin), size), QRectF(QPointF(last.x(), kMargin), size),
            QRectF(QPointF(kMargin, last.y()), size), QRectF(last, size)};
    const std::array<long, 4> dots = dotsWithin(plots, twips, corners);
    legend.box = corners[std::min_element(dots.begin(), dots.end()) - dots.begin()];
    return legend;
}

void paintLegend(QPainter &painter, const Legend &legend)
{
    if (legend.lines.empty() && legend.title.isEmpty())
        return;
    painter.save();
    painter.setPen(QPen(QColor(96, 96, 96), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(legend.box);
    painter.translate(legend.box.topLeft());
    painter.scale(legend.zoom, legend.zoom);
    double y = kPadding;
    if (!legend.title.isEmpty()) {
        painter.setPen(Qt::black);
        painter.setFont(titleFont());
        painter.drawText(QPointF(kPadding, y + QFontMetricsF(titleFont()).ascent()), legend.title);
        y += titleHeight(legend.title);
    }
    const QFontMetricsF words(legendFont());
    for (const LegendLine &line : legend.lines) {
        const double baseline = y + words.ascent();
        const double middle = baseline - words.xHeight() / 2;
        painter.setPen(
                QPen(ui::toQColor(line.pen.colour), kSampleWidth, line.pen.style, Qt::FlatCap));
        painter.drawLine(QPointF(kPadding, middle), QPointF(kPadding + kSample, middle));
        painter.setPen(Qt::black);
        const double x = kPadding + kSample + 2 * kGap;
        const double formula = writeFormula(&painter, QPointF(x, baseline), line.formula);
        painter.setPen(QColor(64, 64, 64));
        painter.setFont(legendFont());
        painter.drawText(QPointF(x + formula + 2 * kGap, baseline), line.note);
        y += lineHeight();
    }
    painter.restore();
}

} // namespace worksheet
