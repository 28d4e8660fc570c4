#pragma once

class Form1;
class QWidget;

// Names, roles and label relations for every control of the window; hides the decorations from
// assistive technology.
void nameControls(Form1 &form);

// Presents `widget` as a status whose name screen readers announce when it is shown.
void presentAsNotification(QWidget *widget);

// Leaves `widget` out of the tree: nothing it shows is news to a screen reader.
void presentAsDecoration(QWidget *widget);
