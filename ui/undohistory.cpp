#include "undohistory.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace ui {

namespace {

class UndoTrimmer : public QObject
{
public:
    explicit UndoTrimmer(QLineEdit *edit) : QObject(edit) { edit->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusOut)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        auto *edit = static_cast<QLineEdit *>(watched);
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
            || (!edit->isUndoAvailable() && !edit->isRedoAvailable()))
            return false;
        // Writing the same text starts a new history and emits no change.
        const int cursor = edit->cursorPosition();
        edit->setText(edit->text());
        edit->setCursorPosition(cursor);
        return false;
    }
};

} // namespace

void keepUndoToVisit(QLineEdit *edit)
{
    new UndoTrimmer(edit);
}

} // namespace ui
