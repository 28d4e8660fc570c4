#include "textbox.h"

#include "undohistory.h"

#include <QLineEdit>

namespace ui {

TextBox::TextBox(QWidget *container) : Control(new QLineEdit(container))
{
    m_edit = static_cast<QLineEdit *>(widget());
    keepUndoToVisit(m_edit);
}

QString TextBox::text() const
{
    return m_edit->text();
}

void TextBox::setText(const QString &text)
{
    m_edit->setText(text);
}

} // namespace ui
