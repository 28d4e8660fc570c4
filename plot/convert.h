#pragma once

#include <QLocale>
#include <QString>

namespace plot {

// The strict conversion of a typed number: the whole text, blanks around it aside, must be a
// decimal number in the locale's format.
struct StrictNumber
{
    enum class Status { Ok, NotANumber, TooLarge };
    Status status = Status::NotANumber;
    double value = 0;
};
StrictNumber strictNumber(const QString &text, const QLocale &locale);

// The lenient conversion of a limit caption: the leading number of the text, '.' as the decimal
// point, blanks before it skipped; 0 where the text starts with no number or with one beyond the
// double range. Never fails.
double lenientNumber(QStringView text);

} // namespace plot
