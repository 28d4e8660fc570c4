#include "sentences.h"

#include "plot/plotroutine.h"
#include "ui/runtimeerror.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace {

QString number(double value, const QLocale &locale)
{
    // Steps of 0.001 add up to values such as 3.1999999; the walk means 3.2.
    const double rounded = std::round(value * 1000) / 1000;
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'g', 6);
}

QString requested(const plot::PlotRecord &record, const QLocale &locale)
{
    // The bars show the limits; the walk covers each of them divided by 1.2, and the sentence
    // says so, or a listener is left to wonder why the numbers differ from the bars'.
    const QString range
            = QCoreApplication::translate(
                      "Accessibility", "for x from %1 to %2 (the limits %3 and %4 divided by 1.2)")
                      .arg(number(record.from, locale), number(record.to, locale),
                           number(record.lower, locale), number(record.upper, locale));
    if (!record.function)
        return QCoreApplication::translate("Accessibility", "No function chosen, %1").arg(range);
    return QCoreApplication::translate("Accessibility", "%1, %2").arg(plotName(record), range);
}

} // namespace

QString plotName(const plot::PlotRecord &record)
{
    if (!record.function)
        return QCoreApplication::translate("Accessibility", "No function chosen");
    QStringList coefficients;
    for (const auto &[letter, typed] : record.coefficients)
        coefficients << QCoreApplication::translate("Accessibility", "%1 = %2")
                                .arg(letter)
                                .arg(typed.trimmed());
    return QCoreApplication::translate("Accessibility", "%1 with %2")
            .arg(record.function->text, coefficients.join(QStringLiteral(", ")));
}

QString plotSentence(const plot::PlotRecord &record, const ui::RuntimeError *error,
                     const QLocale &locale)
{
    if (!error)
        return requested(record, locale);
    return QCoreApplication::translate("Accessibility", "%1, stopped at x = %2: %3")
            .arg(requested(record, locale), number(record.x, locale), error->title().toLower());
}
