// Any text: the lenient conversion always gives a finite number, and the leading number of a
// text does not depend on what follows it.
#include "plot/convert.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = plot::lenientNumber(text);
    if (!std::isfinite(value))
        std::abort();
    if (plot::lenientNumber(text + QStringLiteral("x")) != value)
        std::abort();
    return 0;
}
