#pragma once

#include "ui/runtimeerror.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

// Double-precision arithmetic that tests each result as it is produced: an overflow, a division
// by zero or an invalid operation raises the runtime error of that kind, so that no infinity or
// NaN ever reaches a later step or the screen.
namespace checked {

// `operation` names the operation in English, marked for translation: "An addition", ...
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
    return result(a + b, QT_TRANSLATE_NOOP("CheckedArithmetic", "An addition"));
}

inline double sub(double a, double b)
{
    return result(a - b, QT_TRANSLATE_NOOP("CheckedArithmetic", "A subtraction"));
}

inline double mul(double a, double b)
{
    return result(a * b, QT_TRANSLATE_NOOP("CheckedArithmetic", "A multiplication"));
}

inline double div(double a, double b)
{
    if (b == 0) [[unlikely]]
        fail(ui::RuntimeError::Kind::DivisionByZero,
             QT_TRANSLATE_NOOP("CheckedArithmetic", "A division"));
    return result(a / b, QT_TRANSLATE_NOOP("CheckedArithmetic", "A division"));
}

inline double pow(double base, double exponent)
{
    return result(std::pow(base, exponent),
                  QT_TRANSLATE_NOOP("CheckedArithmetic", "Raising to a power"));
}

// A double rounded to single precision; beyond the single range it is an overflow.
inline float toSingle(double value)
{
    const float single = static_cast<float>(value);
    if (std::isinf(single)) [[unlikely]]
        fail(ui::RuntimeError::Kind::Overflow,
             QT_TRANSLATE_NOOP("CheckedArithmetic", "A conversion to single precision"));
    return single;
}

} // namespace checked
