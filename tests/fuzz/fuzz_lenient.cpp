// Any text: the lenient conversion gives a finite number that does not depend on what follows.
#include "plot/convert.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = plot::lenientNumber(text);
    if (!std::isfinite(value) || plot::lenientNumber(text + QStringLiteral("x")) != value)
        std::abort();
    return 0;
}
