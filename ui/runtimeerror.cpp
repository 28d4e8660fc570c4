#include "runtimeerror.h"

#include <QCoreApplication>
#include <QWidget>

namespace ui {

RuntimeError::RuntimeError(Kind kind, const QString &detail, QWidget *about)
    : std::runtime_error((kindName(kind) + QLatin1String(": ") + detail).toStdString()),
      m_kind(kind), m_detail(detail), m_about(about)
{ }

QWidget *RuntimeError::about() const
{
    return m_about;
}

QString RuntimeError::title() const
{
    return kindName(m_kind);
}

QString RuntimeError::kindName(Kind kind)
{
    switch (kind) {
    case Kind::TypeMismatch:
        return QCoreApplication::translate("ui::RuntimeError", "Type mismatch");
    case Kind::Overflow:
        return QCoreApplication::translate("ui::RuntimeError", "Overflow");
    case Kind::DivisionByZero:
        return QCoreApplication::translate("ui::RuntimeError", "Division by zero");
    case Kind::InvalidOperation:
        return QCoreApplication::translate("ui::RuntimeError", "Invalid floating-point operation");
    case Kind::FileError:
        return QCoreApplication::translate("ui::RuntimeError", "File error");
    case Kind::ToolkitError:
        break;
    case Kind::OutOfMemory:
        return QCoreApplication::translate("ui::RuntimeError", "Out of memory");
    case Kind::Unexpected:
        return QCoreApplication::translate("ui::RuntimeError", "Unexpected error");
    }
    return QCoreApplication::translate("ui::RuntimeError", "Window system error");
}

} // namespace ui
