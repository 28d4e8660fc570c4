#pragma once

#include "control.h"
#include "event.h"

namespace ui {

class CommandButton : public Control
{
public:
    CommandButton(QWidget *container, const QString &caption);

    Event click;
};

} // namespace ui
