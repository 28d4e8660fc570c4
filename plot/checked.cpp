#include "checked.h"

#include <QCoreApplication>

namespace checked {

void fail(ui::RuntimeError::Kind kind, const char *operation)
{
    QString detail;
    switch (kind) {
    case ui::RuntimeError::Kind::Overflow:
        //: %1 names the operation, such as "An addition".
        detail = QCoreApplication::translate("CheckedArithmetic",
                                             "%1 gave a number too large to hold. Try smaller "
                                             "coefficients or a narrower x range.");
        break;
    case ui::RuntimeError::Kind::DivisionByZero:
        detail = QCoreApplication::translate(
                "CheckedArithmetic", "A division by zero was asked for. Change the coefficients.");
        break;
    default:
        //: %1 names the operation, such as "A subtraction".
        detail = QCoreApplication::translate("CheckedArithmetic",
                                             "%1 has no numeric result. Change the coefficients.");
        break;
    }
    throw ui::RuntimeError(kind,
                           detail.arg(QCoreApplication::translate("CheckedArithmetic", operation)));
}

} // namespace checked
