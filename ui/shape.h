#pragma once

#include "control.h"

namespace ui {

// A filled rectangle drawn on its container's surface.
class Shape : public Control
{
public:
    Shape(QWidget *container, Colour fill);

protected:
    void geometryApplied() override;
};

} // namespace ui
