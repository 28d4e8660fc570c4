#pragma once

#include <QString>

#include <stdexcept>

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

    RuntimeError(Kind kind, const QString &detail);

    Kind kind() const { return m_kind; }
    // What went wrong, in a few plain words ("Type mismatch", "Overflow", ...).
    QString title() const;
    // Which value or control was involved, and what the user can do about it.
    const QString &detail() const { return m_detail; }

    static QString kindName(Kind kind);

private:
    Kind m_kind;
    QString m_detail;
};

} // namespace ui
