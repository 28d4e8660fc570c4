#include "event.h"

#include "runtimeerror.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <cstdio>
#include <new>

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
    box->setDetailedText(QStringLiteral("Raised in %1.").arg(handler));
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

namespace {

// Called inside a catch block.
void reportCurrentException(const QString &handler)
{
    try {
        try {
            throw;
        } catch (const RuntimeError &error) {
            reporter()(handler, error);
        } catch (const std::bad_alloc &) {
            reporter()(handler,
                       RuntimeError(RuntimeError::Kind::OutOfMemory,
                                    QCoreApplication::translate(
                                            "ui::Event",
                                            "There was not enough memory to finish. Close other "
                                            "programs and try again.")));
        } catch (const std::exception &error) {
            reporter()(handler,
                       RuntimeError(RuntimeError::Kind::Unexpected,
                                    QString::fromLocal8Bit(error.what())));
        } catch (...) {
            reporter()(handler, RuntimeError(RuntimeError::Kind::Unexpected, QString()));
        }
    } catch (...) {
        // Nothing is left to show a dialog with; at least say so on the terminal.
        std::fputs("curvanta: an error could not be reported\n", stderr);
    }
}

} // namespace

void dispatch(const QString &handlerName, const std::function<void()> &work)
{
    try {
        work();
    } catch (...) {
        reportCurrentException(handlerName);
    }
}

void Event::connect(const QString &handlerName, std::function<void()> handler)
{
    m_name = handlerName;
    m_handler = std::move(handler);
}

void Event::raise() const
{
    if (m_handler)
        dispatch(m_name, m_handler);
}

} // namespace ui
