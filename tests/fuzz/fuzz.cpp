// The libFuzzer targets, picked by the target's name: no text crashes a conversion or a formula,
// and none gives a number that is not finite.
#include "plot/catalogue.h"
#include "plot/convert.h"
#include "ui/runtimeerror.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double x = plot::lenientNumber(text);
    double y = 0;
    try {
#if defined(FUZZ_STRICT)
        y = plot::strictNumber(text, QLocale(QLocale::German)).value;
#elif defined(FUZZ_CATALOGUE)
        y = plot::evaluate(size % 13, x, {x / 3, x * 7, -x, x + 1}).value_or(0);
#endif
    } catch (const ui::RuntimeError &) { // an arithmetic error ends a plot, as it should
    }
    if (!std::isfinite(x) || !std::isfinite(y))
        std::abort();
    return 0;
}
