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
        return QStringLiteral("Type mismatch");
    case Kind::Overflow:
        return QStringLiteral("Overflow");
    case Kind::DivisionByZero:
        return QStringLiteral("Division by zero");
    case Kind::InvalidOperation:
        return QStringLiteral("Invalid floating-point operation");
    case Kind::FileError:
        return QCoreApplication::translate("ui::RuntimeError", "File error");
    case Kind::ToolkitError:
        break;
    case Kind::OutOfMemory:
        return QCoreApplication::translate("ui::RuntimeError", "Out of memory");
    case Kind::Unexpected:
        return QCoreApplication::translate("ui::RuntimeError", "Unexpected error");
    }
    return QStringLiteral("Window system error");
}

} // namespace ui
