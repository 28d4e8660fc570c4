// Any text, in the C, German and French number formats: the strict conversion either fails or
// gives a finite number, and never crashes.
#include "plot/convert.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    static const QLocale locales[]
            = {QLocale::c(), QLocale(QLocale::German), QLocale(QLocale::French)};
    for (const QLocale &locale : locales) {
        const plot::StrictNumber n = plot::strictNumber(text, locale);
        if (n.status == plot::StrictNumber::Status::Ok && !std::isfinite(n.value))
            std::abort();
    }
    return 0;
}
