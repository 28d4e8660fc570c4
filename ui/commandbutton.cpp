#include "commandbutton.h"

#include <QKeyEvent>
#include <QPushButton>

namespace ui {

namespace {

// Enter and keypad Enter press the focused button, as Space does.
class EnterPresses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->isAutoRepeat())
            return true;
        static_cast<QPushButton *>(watched)->click();
        return true;
    }
};

} // namespace

CommandButton::CommandButton(QWidget *container, const QString &caption)
    : Control(new QPushButton(caption, container))
{
    auto *button = static_cast<QPushButton *>(widget());
    QObject::connect(button, &QPushButton::clicked, button, [this] { click.raise(); });
    button->installEventFilter(new EnterPresses(button));
}

} // namespace ui
