#include "runtimeerror.h"

#include <QCoreApplication>

namespace ui {

RuntimeError::RuntimeError(Kind kind, const QString &detail)
    : std::runtime_error((kindName(kind) + QLatin1String(": ") + detail).toStdString()),
      m_kind(kind), m_detail(detail)
{ }

QString RuntimeError::title() const
{
    return kindName(m_kind);
}

QString RuntimeError::kindName(Kind kind)
{
    switch (kind) {
    case Kind::TypeMismatch:
        return QCoreApplication::translate("RuntimeError", "Type mismatch");
    case Kind::Overflow:
        return QCoreApplication::translate("RuntimeError", "Overflow");
    case Kind::DivisionByZero:
        return QCoreApplication::translate("RuntimeError", "Division by zero");
    case Kind::InvalidOperation:
        return QCoreApplication::translate("RuntimeError", "Invalid floating-point operation");
    case Kind::ToolkitError:
        break;
    }
    return QCoreApplication::translate("RuntimeError", "Window system error");
}

} // namespace ui
