#pragma once

#include <QLocale>
#include <QString>

namespace plot {
struct PlotRecord;
}
namespace ui {
class RuntimeError;
}

// A plot named by its function and its coefficients as typed, only those that the function uses:
// "bsin(ax) with a = 1.5, b = 1.5"; "No function chosen" where there was none.
QString plotName(const plot::PlotRecord &record);

// A plot told in one sentence: "bsin(ax) with a = 1.5, b = 1.5, for x from -10 to 10 (the limits
// -12 and 12 divided by 1.2)", and where it stopped when `error` ended it: ", stopped at x = 1.2:
// overflow". Numbers as `locale` writes them.
QString plotSentence(const plot::PlotRecord &record, const ui::RuntimeError *error,
                     const QLocale &locale = QLocale());
