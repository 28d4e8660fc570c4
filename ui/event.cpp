#include "event.h"

#include "runtimeerror.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>

#include <cstdio>
#include <new>

namespace ui {

namespace {

// Holds the OK button's icon for as long as the application lives.
class KeptIcon : public QObject
{
public:
    KeptIcon(QObject *owner, const QIcon &icon) : QObject(owner), icon(icon) { }
    const QIcon icon;
};

// The icon of the error dialog's OK button, made once. A button box makes that icon afresh for
// every dialog, and each new icon leaves its pixmap in Qt's pixmap cache under a key of its own:
// a dialog after a dialog, the cache kept growing until it reached its limit of ten megabytes.
QIcon okIcon(const QWidget *button)
{
    static QPointer<KeptIcon> kept;
    if (!kept) {
        kept = new KeptIcon(
                qApp, button->style()->standardIcon(QStyle::SP_DialogOkButton, nullptr, button));
    }
    return kept->icon;
}

void showErrorDialog(const QString &handler, const RuntimeError &error)
{
    // Application-modal but not blocking: the handler has already ended, and a nested event loop
    // here would let the next event run inside this one. The dialog belongs to the window the
    // user was working in, which takes the focus back afterwards, also where no window manager
    // would hand it back. Right after another dialog has closed no window may be active yet:
    // then it is the window of the control the error is about.
    QPointer<QWidget> owner = QApplication::activeWindow();
    if (!owner && error.about())
        owner = error.about()->window();
    auto *box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                error.title(), QMessageBox::Ok, owner);
    box->setInformativeText(error.detail());
    //: %1 is the name of the event handler that failed, such as Cp_Click.
    box->setDetailedText(QCoreApplication::translate("ui::Event", "Raised in %1.").arg(handler));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Swapped before the button is first drawn, so the icon it came with never reaches the cache.
    if (QAbstractButton *ok = box->button(QMessageBox::Ok); ok && !ok->icon().isNull())
        ok->setIcon(okIcon(ok));
    // Where the error is about a box, the user is taken to it with its text selected, to type
    // the right value over it at once.
    QObject::connect(box, &QMessageBox::finished, box, [owner, about = QPointer(error.about())] {
        if (owner)
            owner->activateWindow();
        if (!about)
            return;
        about->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(about))
            edit->selectAll();
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
