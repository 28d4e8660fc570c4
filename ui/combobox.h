#pragma once

#include "control.h"
#include "event.h"

class QComboBox;

namespace ui {

// An editable drop-down list, unsorted, that never adds typed text to its list. Click is raised
// when the user chooses an entry of the list, never while text is typed into the edit field.
class ComboBox : public Control
{
public:
    explicit ComboBox(QWidget *container);

    QString text() const;
    void addItem(const QString &text);
    int listCount() const;
    QString list(int index) const;
    // Chooses entry `index` as the user would from the list: it is shown and Click is raised.
    void choose(int index);

    // Design time: the text shown in the edit field before any choice, and its colour.
    void setDesignText(const QString &text);
    void setForeColor(Colour colour);

    Event click;

private:
    QComboBox *m_combo;
};

} // namespace ui
