#include "selection.h"

#include "catalogue.h"

#include "ui/combobox.h"
#include "ui/textbox.h"

namespace plot {

void l1_Click(const SelectionControls &controls)
{
    const QString chosen = controls.l1.text();
    for (const Entry &entry : catalogue()) {
        if (chosen == entry.text) {
            controls.Text1.setText(QString::number(entry.code));
            return;
        }
    }
}

} // namespace plot
