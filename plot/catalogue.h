#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <optional>

namespace plot {

// One function family: the code stored when it is chosen, the text the list shows, and the
// coefficients its formula uses, by letter in alphabetical order.
struct Entry
{
    int code;
    QString text;
    const char *uses;
};

// The eleven families, in list order (code 1 first).
const std::array<Entry, 11> &catalogue();

// The family whose code `text` is, as the decimal text a choice stores; none for any other text.
const Entry *entryOfCode(const QString &text);

struct Coefficients
{
    double a = 0, b = 0, c = 0, d = 0;
};

// y of family `code` at x, by the family's formula exactly as grouped there. Empty when `code` is
// none of 1 to 11. Throws ui::RuntimeError on overflow, division by zero or an invalid operation.
std::optional<double> evaluate(double code, double x, const Coefficients &k);

// What `entry` computes for the coefficients `k` as used (each already divided by 1.5), written
// in ordinary notation with the numbers as `locale` writes them, to two decimals: "y = x²",
// "y = 2x²", "y = 0.67·sin(2x)". Where the computation is not what the family's name says, the
// formula says what it is: "y = 1/(2·sin(x) + 0.0001)" for bcosec(ax), "y = 1/(2·cos(x))" for
// bsec(ax) and "y = 0.001" where b is 0, "y = 0.67x" for ax with a = 1 (a / 1.5 again), and
// "y = 1.71432^(2x)" for a(e^bx): a power is written "^(…)", the exponent in the parentheses.
QString formula(const Entry &entry, const Coefficients &k, const QLocale &locale);

} // namespace plot
