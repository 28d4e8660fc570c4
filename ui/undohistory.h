#pragma once

class QLineEdit;

namespace ui {

// Keeps an edit field's undo history to the current visit. Qt keeps every step typed into a line
// edit for the field's whole life, so a box typed into again and again grows without end; here the
// steps are dropped when the user moves on to another control. A dialog, a menu or the field's own
// context menu taking the focus for a while is no move: undo still works on coming back.
void keepUndoToVisit(QLineEdit *edit);

} // namespace ui
