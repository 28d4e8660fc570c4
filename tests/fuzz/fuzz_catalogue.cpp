// Any code, x and coefficients: a finite value, no entry outside 1..11, or an arithmetic error.
#include "plot/catalogue.h"
#include "ui/runtimeerror.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    double v[5] = {};
    if (size < sizeof v + 1)
        return 0;
    std::memcpy(v, data + 1, sizeof v);
    for (double d : v)
        if (!std::isfinite(d))
            return 0; // the walk never hands on a value that is not finite
    const double code = data[0] % 13;
    try {
        const auto y = plot::evaluate(code, v[0], {v[1], v[2], v[3], v[4]});
        if (y ? !std::isfinite(*y) : code >= 1 && code <= 11)
            std::abort();
    } catch (const ui::RuntimeError &error) {
        if (error.kind() == ui::RuntimeError::Kind::TypeMismatch)
            std::abort();
    }
    return 0;
}
