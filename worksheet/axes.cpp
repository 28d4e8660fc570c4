#include "axes.h"

#include "style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace worksheet {

namespace {

constexpr int kMostAcross = 12;

// `text` with its ink's top-left corner at the origin.
AxisNumber inked(const QString &text, const QFont &font)
{
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    AxisNumber number;
    number.text = text;
    number.ink = QRectF(QPointF(), ink.size());
    number.toBaseline = -ink.topLeft();
    return number;
}

// Whether the numbers stand clear of each other and of the axes and their ticks.
bool apart(const std::vector<AxisNumber> &numbers, QPointF origin, QSize area)
{
    const double reach = kTick + 1;
    std::vector<QRectF> taken {QRectF(0, origin.y() - reach, area.width(), 2 * reach),
                               QRectF(origin.x() - reach, 0, 2 * reach, area.height())};
    for (const AxisNumber &number : numbers) {
        const QRectF ink = number.ink.adjusted(-kGap / 2, -kGap / 2, kGap / 2, kGap / 2);
        for (const QRectF &other : taken) {
            if (ink.intersects(other))
                return false;
        }
        taken.push_back(ink);
    }
    return true;
}

// The numbers at the multiples of `step` whose ink lies on the sheet, "0" first.
std::vector<AxisNumber> numbersAt(double step, const plot::GraphMapping &map,
                                  const ui::TwipsMapping &twips, QSize area, const QLocale &locale)
{
    const QFont font = numberFont();
    const QPointF origin(twips.toPixels(map.toX(0)), twips.toPixels(map.toY(0)));
    const double below = origin.y() + kTick + kGap;
    const double left = origin.x() - kTick - kGap;
    std::vector<AxisNumber> numbers {inked(locale.toString(0.0), font)};
    numbers.front().ink.moveTopRight(QPointF(left, below));
    const QRectF sheet {QPointF(), QSizeF(area)};
    const double right = map.toGraphX(twips.toTwips(area.width()));
    const double bottom = map.toGraphY(twips.toTwips(area.height()));
    const double top = map.toGraphY(0);
    for (const bool onX : {true, false}) {
        const double from = onX ? map.toGraphX(0) : bottom;
        const double to = onX ? right : top;
        for (double k = std::ceil(from / step); k <= std::floor(to / step); ++k) {
            if (k == 0)
                continue;
            AxisNumber number = inked(locale.toString(k * step), font);
            number.value = k * step;
            number.onX = onX;
            if (onX) {
                number.tick = QPointF(twips.toPixels(map.toX(number.value)), origin.y());
                number.ink.moveTopLeft(QPointF(number.tick.x() - number.ink.width() / 2, below));
            } else {
                number.tick = QPointF(origin.x(), twips.toPixels(map.toY(number.value)));
                number.ink.moveTopRight(QPointF(left, number.tick.y() - number.ink.height() / 2));
            }
            if (sheet.contains(number.ink))
                numbers.push_back(number);
        }
    }
    return numbers;
}

} // namespace

NumberedAxes numberAxes(const plot::GraphMapping &map, const ui::TwipsMapping &twips, QSize area,
                        const QLocale &locale)
{
    NumberedAxes axes;
    const QPointF origin(twips.toPixels(map.toX(0)), twips.toPixels(map.toY(0)));
    axes.x = inked(QStringLiteral("x"), letterFont());
    axes.x.ink.moveBottomRight(QPointF(area.width() - kGap, origin.y() - kTick - kGap));
    axes.y = inked(QStringLiteral("y"), letterFont());
    axes.y.ink.moveTopLeft(QPointF(origin.x() + kTick + kGap, kGap));
    if (!map.invertible())
        return axes;
    const double across = map.toGraphX(twips.toTwips(area.width())) - map.toGraphX(0);
    for (double power = std::pow(10.0, std::floor(std::log10(across / kMostAcross)));
         power < across * 10; power *= 10) {
        for (const double step : {power, 2 * power, 5 * power}) {
            if (across / step > 2 * kMostAcross)
                continue;
            std::vector<AxisNumber> numbers = numbersAt(step, map, twips, area, locale);
            int onX = 0;
            for (const AxisNumber &number : numbers)
                onX += number.onX && number.value != 0;
            if (onX <= kMostAcross && apart(numbers, origin, area)) {
                axes.step = step;
                axes.numbers = std::move(numbers);
                return axes;
            }
        }
    }
    return axes;
}

void paintAxes(QPainter &painter, const NumberedAxes &axes, const QRectF &hidden)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setFont(numberFont());
    for (const AxisNumber &number : axes.numbers) {
        if (number.ink.intersects(hidden))
            continue;
        const QPointF across = number.onX ? QPointF(0, kTick) : QPointF(kTick, 0);
        if (number.value != 0)
            painter.drawLine(number.tick - across, number.tick + across);
        // On a patch of its own, clear of the grid's lines.
        painter.fillRect(number.ink.adjusted(-1.5, -1.5, 1.5, 1.5), Qt::white);
        painter.drawText(number.ink.topLeft() + number.toBaseline, number.text);
    }
    painter.setFont(letterFont());
    for (const AxisNumber *letter : {&axes.x, &axes.y}) {
        if (!letter->ink.intersects(hidden))
            painter.drawText(letter->ink.topLeft() + letter->toBaseline, letter->text);
    }
    painter.restore();
}

} // namespace worksheet
