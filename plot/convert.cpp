#include "convert.h"

#include <charconv>
#include <cmath>
#include <string>

namespace plot {

StrictNumber strictNumber(const QString &text, const QLocale &locale)
{
    const QString number = text.trimmed();
    if (number.isEmpty())
        return {};
    bool ok = false;
    const double value = locale.toDouble(number, &ok);
    if (!ok)
        return {std::isinf(value) ? StrictNumber::Status::TooLarge
                                  : StrictNumber::Status::NotANumber,
                0};
    // Spellings of infinity and NaN are text, not numbers a user can plot with.
    if (!std::isfinite(value))
        return {};
    return {StrictNumber::Status::Ok, value};
}

double lenientNumber(QStringView text)
{
    qsizetype i = 0;
    const auto at = [&text](qsizetype k) { return k < text.size() ? text[k].unicode() : 0; };
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    while (at(i) == u' ' || at(i) == u'\t' || at(i) == u'\n' || at(i) == u'\r')
        ++i;
    bool negative = false;
    if (at(i) == u'+' || at(i) == u'-')
        negative = at(i++) == u'-';

    std::string digits;
    bool mantissa = false;
    for (; isDigit(at(i)); ++i, mantissa = true)
        digits += char(at(i));
    if (at(i) == u'.') {
        digits += '.';
        for (++i; isDigit(at(i)); ++i, mantissa = true)
            digits += char(at(i));
    }
    if (!mantissa)
        return 0;
    if (at(i) == u'e' || at(i) == u'E') {
        qsizetype k = i + 1;
        std::string exponent = "e";
        if (at(k) == u'+' || at(k) == u'-')
            exponent += char(at(k++));
        if (isDigit(at(k))) {
            for (; isDigit(at(k)); ++k)
                exponent += char(at(k));
            digits += exponent;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || !std::isfinite(value))
        return 0;
    return negative ? -value : value;
}

} // namespace plot
