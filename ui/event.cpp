#include "event.h"

#include "runtimeerror.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

namespace ui {

namespace {

void showErrorDialog(const QString &handler, const RuntimeError &error)
{
    // Application-modal but not blocking: the handler has already ended, and a nested event loop
    // here would let the next event run inside this one. The dialog belongs to the window the
    // user was working in, which takes the focus back afterwards, also where no window manager
    // would hand it back.
    QPointer<QWidget> owner = QApplication::activeWindow();
    auto *box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                error.title(), QMessageBox::Ok, owner);
    box->setInformativeText(error.detail());
    //: %1 is the name of the event handler that failed, such as Cp_Click.
    box->setDetailedText(QCoreApplication::translate("ErrorDialog", "Raised in %1.").arg(handler));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [owner] {
        if (owner)
            owner->activateWindow();
    });
    box->show();
}

ErrorReporter &reporter()
{
    static ErrorReporter current = showErrorDialog;
    return current;
}

} // namespace

void setErrorReporter(ErrorReporter r)
{
    reporter() = std::move(r);
}

void resetErrorReporter()
{
    reporter() = showErrorDialog;
}

void Event::connect(const QString &handlerName, std::function<void()> handler)
{
    m_name = handlerName;
    m_handler = std::move(handler);
}

void Event::raise() const
{
    if (!m_handler)
        return;
    try {
        m_handler();
    } catch (const RuntimeError &error) {
        reporter()(m_name, error);
    }
}

} // namespace ui
