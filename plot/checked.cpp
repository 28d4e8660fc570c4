#include "checked.h"

namespace checked {

void fail(ui::RuntimeError::Kind kind, const char *operation)
{
    QString detail;
    switch (kind) {
    case ui::RuntimeError::Kind::Overflow:
        detail = QStringLiteral("A %1 gave a number too large to hold. Try smaller coefficients "
                                "or a narrower x range.");
        break;
    case ui::RuntimeError::Kind::DivisionByZero:
        detail = QStringLiteral("A %1 by zero was asked for. Change the coefficients.");
        break;
    default:
        detail = QStringLiteral("A %1 has no numeric result. Change the coefficients.");
        break;
    }
    throw ui::RuntimeError(kind, detail.arg(QLatin1String(operation)));
}

} // namespace checked
