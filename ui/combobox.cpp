#include "combobox.h"

#include "undohistory.h"

#include <QComboBox>
#include <QLineEdit>

namespace ui {

ComboBox::ComboBox(QWidget *container) : Control(new QComboBox(container))
{
    m_combo = static_cast<QComboBox *>(widget());
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setDuplicatesEnabled(true);
    // Typed text is never a choice: no completion, and finishing an edit whose text equals an
    // entry does not select that entry (Qt would, and report it as activated).
    m_combo->setCompleter(nullptr);
    QObject::disconnect(m_combo->lineEdit(), &QLineEdit::editingFinished, m_combo, nullptr);
    keepUndoToVisit(m_combo->lineEdit());
    QObject::connect(m_combo, &QComboBox::activated, m_combo, [this](int) { click.raise(); });
}

QString ComboBox::text() const
{
    return m_combo->currentText();
}

void ComboBox::addItem(const QString &text)
{
    // Adding to an empty list would otherwise select the new entry and replace the edit text.
    const int index = m_combo->currentIndex();
    const QString shown = m_combo->currentText();
    m_combo->addItem(text);
    if (index < 0) {
        m_combo->setCurrentIndex(-1);
        m_combo->setEditText(shown);
    }
}

int ComboBox::listCount() const
{
    return m_combo->count();
}

QString ComboBox::list(int index) const
{
    return m_combo->itemText(index);
}

void ComboBox::choose(int index)
{
    m_combo->setCurrentIndex(index);
    click.raise();
}

void ComboBox::setDesignText(const QString &text)
{
    m_combo->setEditText(text);
}

void ComboBox::setForeColor(Colour colour)
{
    QPalette palette = m_combo->palette();
    palette.setColor(QPalette::Text, toQColor(colour));
    palette.setColor(QPalette::ButtonText, toQColor(colour));
    m_combo->setPalette(palette);
    m_combo->lineEdit()->setPalette(palette);
}

} // namespace ui
