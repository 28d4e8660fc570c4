#pragma once

#include <QString>

#include <functional>

namespace ui {

class RuntimeError;

// Receives every runtime error that ends a handler. The default shows a message dialog and lets
// the program carry on; tests install their own to see the errors instead of a modal dialog.
using ErrorReporter = std::function<void(const QString &handler, const RuntimeError &error)>;

void setErrorReporter(ErrorReporter reporter);
void resetErrorReporter();

// Runs `work` as the handler `handlerName`: whatever it throws ends it there and is reported once
// (running out of memory in plain words), and the program carries on. Also for the program's code
// that Qt calls from its own event handlers, where no exception may escape.
void dispatch(const QString &handlerName, const std::function<void()> &work);

// One event of a control, bound to at most one handler. raise() is the dispatch boundary: an
// error thrown inside the handler ends it there and is reported once; the next event is handled
// as usual.
class Event
{
public:
    void connect(const QString &handlerName, std::function<void()> handler);
    bool isConnected() const { return static_cast<bool>(m_handler); }
    void raise() const;

private:
    QString m_name;
    std::function<void()> m_handler;
};

} // namespace ui
