#include "plotroutine.h"

#include "catalogue.h"
#include "checked.h"
#include "convert.h"
#include "random.h"
#include "vectorstate.h"

#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/textbox.h"

#include <QCoreApplication>

#include <cmath>

namespace plot {

namespace {

// The bars allow at most 50,001 steps. Far beyond that lies only a range whose ends are so large
// that adding 0.001 no longer moves x, and the walk would never end.
constexpr long kMaxSteps = 1'000'000;

QString quoted(const QString &text)
{
    constexpr int kShown = 40;
    const QString shown = text.size() > kShown ? text.left(kShown) + QChar(0x2026) : text;
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

double coefficient(const ui::TextBox &box, const char *name, const QLocale &locale)
{
    const QString text = box.text();
    const StrictNumber number = strictNumber(text, locale);
    const QString boxName = QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"');
    switch (number.status) {
    case StrictNumber::Status::Ok:
        return checked::div(number.value, 1.5);
    case StrictNumber::Status::TooLarge:
        throw ui::RuntimeError(ui::RuntimeError::Kind::Overflow,
                               QCoreApplication::translate(
                                       "PlotRoutine", "The number in the box %1, %2, is too large.")
                                       .arg(boxName, quoted(text)),
                               box.widget());
    case StrictNumber::Status::NotANumber:
        break;
    }
    const QString detail = text.trimmed().isEmpty()
            ? QCoreApplication::translate("PlotRoutine",
                                          "The box %1 is empty. Type a number into it.")
                      .arg(boxName)
            : QCoreApplication::translate("PlotRoutine",
                                          "The box %1 holds %2, which is not a number. Type a "
                                          "number such as %3 into it.")
                      .arg(boxName, quoted(text), locale.toString(1.5));
    throw ui::RuntimeError(ui::RuntimeError::Kind::TypeMismatch, detail, box.widget());
}

double functionCode(const ui::TextBox &Text1, const QLocale &locale)
{
    const QString text = Text1.text();
    const StrictNumber number = strictNumber(text, locale);
    if (number.status == StrictNumber::Status::Ok)
        return number.value;
    const QString detail = text.trimmed().isEmpty()
            ? QCoreApplication::translate(
                    "PlotRoutine",
                    "No function has been chosen yet. Choose one from the list first.")
            : QCoreApplication::translate("PlotRoutine", "The function code %1 is not a number.")
                      .arg(quoted(text));
    throw ui::RuntimeError(ui::RuntimeError::Kind::TypeMismatch, detail);
}

ui::Colour markerColour()
{
    Random &random = Random::shared();
    int component[3];
    for (int &c : component)
        c = int(std::lrint(random.next() * 255.0f));
    return ui::rgb(component[0], component[1], component[2]);
}

// What the plot is asked for, noted before anything can end it.
void noteRequest(const PlotControls &c, double lower, double upper, double from, double to)
{
    PlotRecord &record = *c.record;
    record.function = entryOfCode(c.Text1.text());
    record.coefficients.clear();
    for (const char *letter = record.function ? record.function->uses : ""; *letter; ++letter)
        record.coefficients.emplace_back(QLatin1Char(*letter), c.T6[*letter - 'a']->text());
    record.from = from;
    record.to = to;
    record.lower = lower;
    record.upper = upper;
    record.values.reset();
    record.marker.reset();
    record.mapping.reset();
    record.dots.clear();
}

} // namespace

DotSegment dotSegment(const GraphMapping &map, double x, double y)
{
    const double X = map.toX(x);
    const double Y = map.toY(y);
    return {checked::toSingle(X), checked::toSingle(Y), checked::toSingle(checked::sub(X, 0.001)),
            checked::toSingle(checked::add(Y, 0.001))};
}

void Cp_Click(const PlotControls &c)
{
    c.P.setDrawWidth(kPenWidth);
    GraphMapping map;
    map.cx = c.P.width() / 2.0f;
    map.cy = c.P.height() / 2.0f;
    const double lower = lenientNumber(c.L4.caption());
    const double upper = lenientNumber(c.L5.caption());
    const double x0 = checked::div(lower, 1.2);
    const double x1 = checked::div(upper, 1.2);
    const ui::Colour marker = markerColour();
    if (c.record) {
        noteRequest(c, lower, upper, x0, x1);
        c.record->centre = QPointF(map.cx, map.cy);
    }
    c.P.circle(map.cx, map.cy, kMarkerRadius, marker);
    if (c.record)
        c.record->marker = marker;

    double y = 0;
    // The texts cannot change while the walk runs, so they are converted once, at the first
    // step, where a bad one ends the walk; every step then uses the same values.
    Coefficients k;
    double code = 0;
    bool first = true;
    long steps = 0;
    clearUpperVectorState();
    double x = x0;
    try {
        for (; x <= x1; x = checked::add(x, 0.001)) {
            if (++steps > kMaxSteps)
                throw ui::RuntimeError(
                        ui::RuntimeError::Kind::Overflow,
                        QCoreApplication::translate("plot::Cp_Click",
                                                    "The x range from %1 to %2 holds too many "
                                                    "steps of 0.001 to plot.")
                                .arg(c.L4.caption(), c.L5.caption()));
            if (first) {
                k.a = coefficient(*c.T6[0], "a=", c.locale);
                k.b = coefficient(*c.T6[1], "b=", c.locale);
                k.c = coefficient(*c.T6[2], "c=", c.locale);
                k.d = coefficient(*c.T6[3], "d=", c.locale);
                code = functionCode(c.Text1, c.locale);
                if (c.record)
                    c.record->values = k;
            }
            if (const auto value = evaluate(code, x, k))
                y = *value;
            if (x == upper)
                break;
            if (first) {
                map.s = GraphMapping::scale(upper, c.P.height());
                first = false;
                if (c.record)
                    c.record->mapping = map;
            }
            const DotSegment dot = dotSegment(map, x, y);
            c.P.line(dot.x1, dot.y1, dot.x2, dot.y2, kDotColour);
            if (c.record)
                c.record->dots.push_back(y);
        }
    } catch (const ui::RuntimeError &) {
        if (c.record)
            c.record->x = x;
        throw;
    }
    if (c.record)
        c.record->x = x;
}

} // namespace plot
