#include "catalogue.h"

#include "checked.h"

namespace plot {

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
                    1, checked::add(checked::mul(k.b, std::sin(checked::mul(k.a, x))), 0.0001));
        case 5: {
            const double denominator = checked::mul(k.b, std::cos(checked::mul(k.a, x)));
            return denominator == 0 ? 0.001 : checked::div(1, denominator);
        }
        case 6:
            return checked::div(
                    1, checked::add(checked::mul(k.b, std::tan(checked::mul(k.a, x))), 0.0001));
        case 7:
            return checked::div(checked::mul(k.a, x), 1.5);
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
            return checked::mul(k.a, checked::pow(1.71432, checked::mul(k.b, x)));
        }
    }
    return std::nullopt;
}

} // namespace plot
