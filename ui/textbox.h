#pragma once

#include "control.h"

class QLineEdit;

namespace ui {

// A one-line text box.
class TextBox : public Control
{
public:
    explicit TextBox(QWidget *container);

    QString text() const;
    void setText(const QString &text);

private:
    QLineEdit *m_edit;
};

} // namespace ui
