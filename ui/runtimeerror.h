#pragma once

#include <QPointer>
#include <QString>

#include <stdexcept>

class QWidget;

namespace ui {

// The one kind of failure a handler can raise. It ends the running handler at the point where it
// is thrown; what the handler already did or drew stays. Any other exception that ends a handler
// is reported as one of these too: running out of memory as OutOfMemory, the rest as Unexpected.
class RuntimeError : public std::runtime_error
{
public:
    enum class Kind {
        TypeMismatch,
        Overflow,
        DivisionByZero,
        InvalidOperation,
        ToolkitError,
        OutOfMemory,
        Unexpected,
        FileError
    };

    // `about`: the control whose content the error is about, where there is one; the user is
    // taken to it once the error has been shown.
    RuntimeError(Kind kind, const QString &detail, QWidget *about = nullptr);

    Kind kind() const { return m_kind; }
    // What went wrong, in a few plain words ("Type mismatch", "Overflow", ...).
    QString title() const;
    // Which value or control was involved, and what the user can do about it.
    const QString &detail() const { return m_detail; }
    // The control the error is about, or null where it is about none or that control is gone.
    QWidget *about() const;

    static QString kindName(Kind kind);

private:
    Kind m_kind;
    QString m_detail;
    QPointer<QWidget> m_about;
};

} // namespace ui
