#pragma once

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

} // namespace plot
