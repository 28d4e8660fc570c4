#include "catalogue.h"

#include "checked.h"

#include <cmath>
#include <utility>

namespace plot {

namespace {

// The constants of the formulas, as evaluate computes them and formula writes them.
constexpr double kGuard = 0.0001;    // added to the denominators of cosec and cot
constexpr double kSecAtZero = 0.001; // sec where its denominator is exactly 0
constexpr double kAxDivisor = 1.5;   // ax divides once more
constexpr double kBase = 1.71432;    // the base of a(e^bx)

const QString kTimes = QStringLiteral("\u00b7");

// A coefficient to two decimals, which tell the curves of a sheet apart; one that two decimals
// would show as 0 keeps two significant digits.
QString shown(double k, const QLocale &locale)
{
    const double rounded = std::round(k * 100) / 100;
    if (!std::isfinite(rounded) || std::abs(k) >= 1e6)
        return locale.toString(k, 'g', 6);
    if (rounded == 0 && k != 0)
        return locale.toString(k, 'g', 2);
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'g', 15);
}

// k times `factor`, with `join` between a number and it: "2x²", "-x²", "0.67·sin(2x)", "0".
QString times(double k, const QString &factor, const QString &join, const QLocale &locale)
{
    const QString number = shown(k, locale);
    if (number == shown(0, locale))
        return number;
    if (number == shown(1, locale))
        return factor;
    if (number == shown(-1, locale))
        return locale.negativeSign() + factor;
    return number + join + factor;
}

QString polynomial(const Coefficients &k, const QLocale &locale)
{
    const std::pair<double, QString> terms[] = {{k.d, QStringLiteral("x\u00b3")},
                                                {k.a, QStringLiteral("x\u00b2")},
                                                {k.b, QStringLiteral("x")},
                                                {k.c, QString()}};
    QString sum;
    for (const auto &[coefficient, power] : terms) {
        if (coefficient == 0)
            continue;
        const QString term = power.isEmpty() ? shown(std::abs(coefficient), locale)
                                             : times(std::abs(coefficient), power, {}, locale);
        const QString sign = coefficient < 0 ? locale.negativeSign() : QStringLiteral("+");
        sum += sum.isEmpty() ? (coefficient < 0 ? sign : QString()) + term
                             : QLatin1Char(' ') + sign + QLatin1Char(' ') + term;
    }
    return sum.isEmpty() ? shown(0, locale) : sum;
}

} // namespace

const std::array<Entry, 11> &catalogue()
{
    static const std::array<Entry, 11> entries {{
            {1, QStringLiteral("bcos(ax)"), "ab"},
            {2, QStringLiteral("bsin(ax)"), "ab"},
            {3, QStringLiteral("btan(ax)"), "ab"},
            {4, QStringLiteral("bcosec(ax)"), "ab"},
            {5, QStringLiteral("bsec(ax)"), "ab"},
            {6, QStringLiteral("bcot(ax)"), "ab"},
            {7, QStringLiteral("ax"), "a"},
            {8, QStringLiteral("ax^2"), "a"},
            {9, QStringLiteral("ax^3"), "a"},
            {10, QStringLiteral("(dx^3)+(ax^2)+bx+c"), "abcd"},
            {11, QStringLiteral("a(e^bx)"), "ab"},
    }};
    return entries;
}

const Entry *entryOfCode(const QString &text)
{
    for (const Entry &entry : catalogue()) {
        if (text == QString::number(entry.code))
            return &entry;
    }
    return nullptr;
}

std::optional<double> evaluate(double code, double x, const Coefficients &k)
{
    // The codes are compared in catalogue order for exact equality, as the stored text reads.
    for (int n = 1; n <= 11; ++n) {
        if (code != n)
            continue;
        switch (n) {
        case 1:
            return checked::mul(k.b, std::cos(checked::mul(k.a, x)));
        case 2:
            return checked::mul(k.b, std::sin(checked::mul(k.a, x)));
        case 3:
            return checked::mul(k.b, std::tan(checked::mul(k.a, x)));
        case 4:
            return checked::div(
                    1, checked::add(checked::mul(k.b, std::sin(checked::mul(k.a, x))), kGuard));
        case 5: {
            const double denominator = checked::mul(k.b, std::cos(checked::mul(k.a, x)));
            return denominator == 0 ? kSecAtZero : checked::div(1, denominator);
        }
        case 6:
            return checked::div(
                    1, checked::add(checked::mul(k.b, std::tan(checked::mul(k.a, x))), kGuard));
        case 7:
            return checked::div(checked::mul(k.a, x), kAxDivisor);
        case 8:
            return checked::mul(k.a, checked::pow(x, 2));
        case 9:
            return checked::mul(k.a, checked::pow(x, 3));
        case 10:
            return checked::add(checked::add(checked::add(checked::mul(k.d, checked::pow(x, 3)),
                                                          checked::mul(k.a, checked::pow(x, 2))),
                                             checked::mul(k.b, x)),
                                k.c);
        default:
            return checked::mul(k.a, checked::pow(kBase, checked::mul(k.b, x)));
        }
    }
    return std::nullopt;
}

QString formula(const Entry &entry, const Coefficients &k, const QLocale &locale)
{
    const QString ax
            = QLatin1Char('(') + times(k.a, QStringLiteral("x"), {}, locale) + QLatin1Char(')');
    const auto of = [&](const char *function) {
        return times(k.b, QLatin1String(function) + ax, kTimes, locale);
    };
    const QString guard = QStringLiteral(" + ") + locale.toString(kGuard, 'g', 6);
    QString y;
    switch (entry.code) {
    case 1:
        y = of("cos");
        break;
    case 2:
        y = of("sin");
        break;
    case 3:
        y = of("tan");
        break;
    case 4:
        y = QStringLiteral("1/(") + of("sin") + guard + QLatin1Char(')');
        break;
    case 5: {
        // b·cos(ax) is exactly 0 where b is: the cosine of a double is never exactly 0.
        const QString denominator = of("cos");
        y = k.b == 0 ? locale.toString(kSecAtZero, 'g', 6)
                : denominator.startsWith(QLatin1String("cos"))
                ? QStringLiteral("1/") + denominator
                : QStringLiteral("1/(") + denominator + QLatin1Char(')');
        break;
    }
    case 6:
        y = QStringLiteral("1/(") + of("tan") + guard + QLatin1Char(')');
        break;
    case 7:
        y = times(k.a / kAxDivisor, QStringLiteral("x"), {}, locale);
        break;
    case 8:
        y = times(k.a, QStringLiteral("x\u00b2"), {}, locale);
        break;
    case 9:
        y = times(k.a, QStringLiteral("x\u00b3"), {}, locale);
        break;
    case 10:
        y = polynomial(k, locale);
        break;
    default:
        y = times(k.a,
                  locale.toString(kBase, 'g', 6) + QStringLiteral("^(")
                          + times(k.b, QStringLiteral("x"), {}, locale) + QLatin1Char(')'),
                  kTimes, locale);
        break;
    }
    return QStringLiteral("y = ") + y;
}

} // namespace plot
