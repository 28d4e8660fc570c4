#include "event.h"

#include "runtimeerror.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>

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
    // would hand it back.
    QPointer<QWidget> owner = QApplication::activeWindow();
    auto *box = new QMessageBox(QMessageBox::Critical, QApplication::applicationName(),
                                error.title(), QMessageBox::Ok, owner);
    box->setInformativeText(error.detail());
    box->setDetailedText(QStringLiteral("Raised in %1.").arg(handler));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // Swapped before the button is first drawn, so the icon it came with never reaches the cache.
    if (QAbstractButton *ok = box->button(QMessageBox::Ok); ok && !ok->icon().isNull())
        ok->setIcon(okIcon(ok));
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
