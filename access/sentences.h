#pragma once

#include <QString>

namespace plot {
struct PlotRecord;
}
namespace ui {
class RuntimeError;
}

// A plot told in one sentence: "bsin(ax) with a = 1.5, b = 1.5, for x from -10 to 10 (the limits
// -12 and 12 divided by 1.2)", with the coefficients as typed and only those that the chosen
// function uses, and where it stopped when `error` ended it: ", stopped at x = 1.2: overflow".
QString plotSentence(const plot::PlotRecord &record, const ui::RuntimeError *error);
