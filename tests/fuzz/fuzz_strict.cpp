// Any text, in the C, German and French number formats: the strict conversion fails or gives a
// finite number.
#include "plot/convert.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale :
         {QLocale::c(), QLocale(QLocale::German), QLocale(QLocale::French)}) {
        const plot::StrictNumber n = plot::strictNumber(text, locale);
        if (n.status == plot::StrictNumber::Status::Ok && !std::isfinite(n.value))
            std::abort();
    }
    return 0;
}
