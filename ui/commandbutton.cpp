#include "commandbutton.h"

#include <QPushButton>

namespace ui {

CommandButton::CommandButton(QWidget *container, const QString &caption)
    : Control(new QPushButton(caption, container))
{
    auto *button = static_cast<QPushButton *>(widget());
    QObject::connect(button, &QPushButton::clicked, button, [this] { click.raise(); });
}

} // namespace ui
