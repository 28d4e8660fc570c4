#pragma once

#include "ui/runtimeerror.h"

#include <cmath>
#include <limits>

// Double-precision arithmetic that tests each result as it is produced: an overflow, a division
// by zero or an invalid operation raises the runtime error of that kind, so that no infinity or
// NaN ever reaches a later step or the screen.
namespace checked {

[[noreturn]] void fail(ui::RuntimeError::Kind kind, const char *operation);

inline double result(double value, const char *operation)
{
    if (std::isfinite(value)) [[likely]]
        return value;
    fail(std::isnan(value) ? ui::RuntimeError::Kind::InvalidOperation
                           : ui::RuntimeError::Kind::Overflow,
         operation);
}

inline double add(double a, double b)
{
    return result(a + b, "addition");
}

inline double sub(double a, double b)
{
    return result(a - b, "subtraction");
}

inline double mul(double a, double b)
{
    return result(a * b, "multiplication");
}

inline double div(double a, double b)
{
    if (b == 0) [[unlikely]]
        fail(ui::RuntimeError::Kind::DivisionByZero, "division");
    return result(a / b, "division");
}

inline double pow(double base, double exponent)
{
    return result(std::pow(base, exponent), "power");
}

// A double rounded to single precision; beyond the single range it is an overflow.
inline float toSingle(double value)
{
    const float single = static_cast<float>(value);
    if (std::isinf(single)) [[unlikely]]
        fail(ui::RuntimeError::Kind::Overflow, "conversion to single precision");
    return single;
}

} // namespace checked
