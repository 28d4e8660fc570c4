#include "account.h"

#include "sentences.h"

#include "plot/plotroutine.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kListed = 3; // of each kind in a summary

// What a kind is called, in the order a point's kinds are told.
constexpr std::pair<Interest::Kind, const char *> kKindWords[] = {
        {Interest::Start, QT_TRANSLATE_NOOP("Interest", "start")},
        {Interest::End, QT_TRANSLATE_NOOP("Interest", "end")},
        {Interest::Gap, QT_TRANSLATE_NOOP("Interest", "gap")},
        {Interest::Stopped, QT_TRANSLATE_NOOP("Interest", "the walk stopped")},
        {Interest::Maximum, QT_TRANSLATE_NOOP("Interest", "maximum")},
        {Interest::Minimum, QT_TRANSLATE_NOOP("Interest", "minimum")},
        {Interest::Crossing, QT_TRANSLATE_NOOP("Interest", "crosses zero")},
        {Interest::Touch, QT_TRANSLATE_NOOP("Interest", "touches zero")},
        {Interest::YAxis, QT_TRANSLATE_NOOP("Interest", "crosses the y axis")},
        {Interest::Leaves, QT_TRANSLATE_NOOP("Interest", "leaves the sheet")},
        {Interest::Enters, QT_TRANSLATE_NOOP("Interest", "enters the sheet")},
};

// The value a listener is told: y to six significant digits, and none of the noise that keeps a
// dot a hair off the axis.
double told(double y)
{
    return std::abs(y) < 1e-9 ? 0.0 : QString::number(y, 'g', 6).toDouble();
}

// The language's numbers without the separators of thousands, which lists of numbers separated
// by commas would make ambiguous: "y 10000; ...", not "y 10,000; ...".
QString number(double value, int digits, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', digits);
}

QString xNumber(double x, const QLocale &locale)
{
    // Steps of 0.001 add up to values such as 3.1999999; the walk means 3.2.
    const double rounded = std::round(x * 1000) / 1000;
    return number(rounded == 0 ? 0.0 : rounded, 7, locale);
}

QString yNumber(double y, const QLocale &locale)
{
    return number(told(y), 6, locale);
}

// The x of the first few of `points`: "-9.425, -6.283, -3.142 and 4 more".
QString listed(const std::vector<const Interest *> &points, const QLocale &locale)
{
    QStringList xs;
    for (std::size_t i = 0; i < points.size() && i < kListed; ++i)
        xs << xNumber(points[i]->x, locale);
    const QString shown = xs.join(QLatin1String(", "));
    if (points.size() <= kListed)
        return shown;
    return QCoreApplication::translate("Account", "%1 and %2 more")
            .arg(shown, locale.toString(qlonglong(points.size() - kListed)));
}

} // namespace

QString pointText(const Interest &point, const QLocale &locale)
{
    QStringList words;
    for (const auto &[kind, word] : kKindWords) {
        if (point.kinds & kind)
            words << QCoreApplication::translate("Interest", word);
    }
    // On the axis or at a break, y says nothing that the kind has not said.
    const bool valued = !(point.kinds & (Interest::kBreaks | Interest::Crossing | Interest::Touch));
    const QString at = valued
            ? QCoreApplication::translate("Interest", "x %1, y %2")
                      .arg(xNumber(point.x, locale), yNumber(point.y, locale))
            : QCoreApplication::translate("Interest", "x %1").arg(xNumber(point.x, locale));
    return words.join(QLatin1String(", ")) + QLatin1String(", ") + at;
}

QString stepText(double x, double y, const QLocale &locale)
{
    if (std::isnan(y))
        return QCoreApplication::translate("Interest", "no dot, x %1").arg(xNumber(x, locale));
    return QCoreApplication::translate("Interest", "x %1, y %2")
            .arg(xNumber(x, locale), yNumber(y, locale));
}

QString plotSummary(const std::vector<Interest> &points, const QLocale &locale)
{
    if (points.empty() || !std::isfinite(points.front().y))
        return {};
    std::vector<const Interest *> crossings, touches, turns, gaps;
    for (const Interest &point : points) {
        if (point.kinds & Interest::Crossing)
            crossings.push_back(&point);
        if (point.kinds & Interest::Touch)
            touches.push_back(&point);
        if (point.kinds & (Interest::Maximum | Interest::Minimum))
            turns.push_back(&point);
        if (point.kinds & Interest::Gap)
            gaps.push_back(&point);
    }
    QStringList sentences;
    sentences << (crossings.empty()
                          ? QCoreApplication::translate("Account", "It does not cross y = 0.")
                          : QCoreApplication::translate("Account",
                                                        "Crossings of y = 0: %1, at x %2.")
                                    .arg(locale.toString(qlonglong(crossings.size())),
                                         listed(crossings, locale)));
    if (!touches.empty())
        sentences << QCoreApplication::translate("Account", "It touches y = 0 at x %1.")
                             .arg(listed(touches, locale));
    if (turns.empty()) {
        sentences << QCoreApplication::translate("Account", "No turning points.");
    } else if (turns.size() == 1) {
        sentences << QCoreApplication::translate("Account", "One turning point: %1.")
                             .arg(pointText(*turns.front(), locale));
    } else {
        // Of turning points equally high as told, the first.
        const auto lower
                = [](const Interest *a, const Interest *b) { return told(a->y) < told(b->y); };
        const Interest *highest = *std::max_element(turns.begin(), turns.end(), lower);
        const Interest *lowest = *std::min_element(turns.begin(), turns.end(), lower);
        sentences << QCoreApplication::translate(
                             "Account", "Turning points: %1; the highest: %2; the lowest: %3.")
                             .arg(locale.toString(qlonglong(turns.size())),
                                  pointText(*highest, locale), pointText(*lowest, locale));
    }
    if (!gaps.empty())
        sentences << QCoreApplication::translate("Account", "Gaps at x %1.")
                             .arg(listed(gaps, locale));
    return sentences.join(QLatin1Char(' '));
}

QString plotAccount(const std::vector<plot::PlotRecord> &plots, const QLocale &locale)
{
    if (plots.empty())
        return QCoreApplication::translate("Account",
                                           "Nothing has been plotted since the last clear.")
                + QLatin1Char('\n');
    QStringList paragraphs;
    for (std::size_t i = 0; i < plots.size(); ++i) {
        const std::vector<Interest> points = pointsOfInterest(plots[i]);
        QStringList told;
        for (const Interest &point : points)
            told << pointText(point, locale);
        const QString head = QCoreApplication::translate("Account", "Plot %1: %2.")
                                     .arg(locale.toString(qlonglong(i + 1)),
                                          plotSentence(plots[i], nullptr, locale));
        paragraphs << head + QLatin1Char(' ')
                        + (told.isEmpty()
                                   ? QCoreApplication::translate("Account", "It drew no dots.")
                                   : QCoreApplication::translate("Account",
                                                                 "Points of interest: %1.")
                                             .arg(told.join(QLatin1String("; "))));
    }
    return paragraphs.join(QLatin1String("\n\n")) + QLatin1Char('\n');
}
