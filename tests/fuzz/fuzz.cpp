// The libFuzzer targets, one per conversion and one for the formulas, picked by the target's
// name: whatever the input, a finite number, no entry or an error of the right kind, no crash.
#include "plot/catalogue.h"
#include "plot/convert.h"
#include "ui/runtimeerror.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    [[maybe_unused]] const QString text
            = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
#if defined(FUZZ_STRICT) // in the C, German and French number formats
    for (const QLocale &locale :
         {QLocale::c(), QLocale(QLocale::German), QLocale(QLocale::French)}) {
        const plot::StrictNumber n = plot::strictNumber(text, locale);
        if (n.status == plot::StrictNumber::Status::Ok && !std::isfinite(n.value))
            std::abort();
    }
#elif defined(FUZZ_LENIENT) // the leading number does not depend on what follows it
    const double value = plot::lenientNumber(text);
    if (!std::isfinite(value) || plot::lenientNumber(text + QStringLiteral("x")) != value)
        std::abort();
#else                       // a code and finite x and coefficients, as the walk hands them on
    double v[5] = {};
    if (size < sizeof v + 1)
        return 0;
    std::memcpy(v, data + 1, sizeof v);
    for (double d : v)
        if (!std::isfinite(d))
            return 0;
    const double code = data[0] % 13;
    try {
        const auto y = plot::evaluate(code, v[0], {v[1], v[2], v[3], v[4]});
        if (y ? !std::isfinite(*y) : code >= 1 && code <= 11)
            std::abort();
    } catch (const ui::RuntimeError &error) {
        if (error.kind() == ui::RuntimeError::Kind::TypeMismatch)
            std::abort();
    }
#endif
    return 0;
}
