#include "range.h"

#include "ui/label.h"
#include "ui/scrollbar.h"

namespace plot {

namespace {
void showValue(const ui::VScrollBar &bar, ui::Label &label)
{
    label.setCaption(QString::number(bar.value()));
}
} // namespace

void V1_Change(ui::VScrollBar &V1, ui::Label &L4)
{
    showValue(V1, L4);
}

void V2_Change(ui::VScrollBar &V2, ui::Label &L5)
{
    showValue(V2, L5);
}

} // namespace plot
