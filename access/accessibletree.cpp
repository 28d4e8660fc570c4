#include "accessibletree.h"

#include "app/form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>

namespace {

// How each widget of a window that has one of its own is presented.
struct Presentation
{
    enum class Kind { Window, Chart, Caption, Decoration, Announcer } kind;
    const ui::Label *caption = nullptr; // a Caption's label, read as it reads now
    QWidget *shownAs = nullptr;         // the visible widget a Caption stands in for
    bool listed = true;                 // whether its container lists it
};

QHash<const QObject *, Presentation> &presentations()
{
    static QHash<const QObject *, Presentation> map;
    return map;
}

void present(QWidget *widget, Presentation presentation)
{
    if (!presentations().contains(widget))
        QObject::connect(widget, &QObject::destroyed, [widget] { presentations().remove(widget); });
    presentations().insert(widget, presentation);
}

bool hidden(const QObject *object)
{
    const auto it = presentations().constFind(object);
    return it != presentations().constEnd() && !it->listed;
}

// A widget whose decorative children are left out of the tree.
class Container : public QAccessibleWidget
{
public:
    Container(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) { }

    QString text(QAccessible::Text t) const override
    {
        // A window is known by its title, without the run of blanks that spaces it out.
        if (t == QAccessible::Name && widget()->isWindow() && widget()->accessibleName().isEmpty())
            return widget()->windowTitle().simplified();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shown();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shown().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget *> shown() const
    {
        QList<QWidget *> children;
        for (QObject *o : widget()->children()) {
            if (o->isWidgetType() && !static_cast<QWidget *>(o)->isWindow() && !hidden(o))
                children << static_cast<QWidget *>(o);
        }
        return children;
    }
};

// A caption, read as it reads now. Screen readers on Linux find a field's label through the
// field's labelled-by relation, which Qt draws from a label widget whose buddy the field is;
// the window's captions are drawn on its surface, so each field gets a hidden buddy label that
// stands in for its caption, in the caption's place.
class Caption : public QAccessibleWidget
{
public:
    Caption(QWidget *widget, const Presentation &p)
        : QAccessibleWidget(widget, QAccessible::StaticText), m_presentation(p)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (m_presentation.caption)
            return m_presentation.caption->caption();
        const auto *label = qobject_cast<const QLabel *>(object());
        return label ? label->text() : QString();
    }
    QRect rect() const override { return shown() ? shown()->rect() : QAccessibleWidget::rect(); }
    QAccessible::State state() const override
    {
        return shown() ? shown()->state() : QAccessibleWidget::state();
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        const auto *label = qobject_cast<const QLabel *>(object());
        if (label && label->buddy() && (match & QAccessible::Labelled))
            related.append(
                    {QAccessible::queryAccessibleInterface(label->buddy()), QAccessible::Labelled});
        return related;
    }

private:
    QAccessibleInterface *shown() const
    {
        return m_presentation.shownAs
                ? QAccessible::queryAccessibleInterface(m_presentation.shownAs)
                : nullptr;
    }

    Presentation m_presentation;
};

// The hidden label that names `field` for assistive technology.
void labelField(QWidget *field, const QString &text, const ui::Label *caption)
{
    auto *label = new QLabel(text, field->parentWidget());
    label->setBuddy(field);
    label->hide();
    present(label,
            {Presentation::Kind::Caption, caption, caption ? caption->widget() : nullptr,
             caption != nullptr});
    if (caption)
        present(caption->widget(), {Presentation::Kind::Decoration, nullptr, nullptr, false});
}

QAccessibleInterface *presentationFactory(const QString &, QObject *object)
{
    const auto it = presentations().constFind(object);
    if (it == presentations().constEnd())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    switch (it->kind) {
    case Presentation::Kind::Window:
        return new Container(widget, QAccessible::Window);
    case Presentation::Kind::Chart:
        return new Container(widget, QAccessible::Chart);
    case Presentation::Kind::Caption:
        return new Caption(widget, *it);
    case Presentation::Kind::Announcer:
        return new QAccessibleWidget(widget, QAccessible::Notification);
    case Presentation::Kind::Decoration:
        break;
    }
    return new QAccessibleWidget(widget, QAccessible::NoRole);
}

void name(const ui::Control &control, const QString &text)
{
    control.widget()->setAccessibleName(text);
}

} // namespace

void nameControls(Form1 &form)
{
    static const bool installed = [] {
        QAccessible::installFactory(presentationFactory);
        return true;
    }();
    Q_UNUSED(installed);
    using Kind = Presentation::Kind;
    present(form.window.widget(), {Kind::Window});
    // The plot area is heard as a chart: a screen reader names that role, where it passes over
    // a plain container in silence.
    present(form.P.widget(), {Kind::Chart});
    for (ui::Control *decoration : std::initializer_list<ui::Control *> {
                 &form.s1, &form.s2, &form.s3, &form.s4, &form.Shape1_3, &form.Label1, &form.mes})
        present(decoration->widget(), {Kind::Decoration, nullptr, nullptr, false});

    const char *letters[4] = {"a", "b", "c", "d"};
    for (int i = 0; i < 4; ++i) {
        labelField(form.T6[i].widget(), form.L6[i].caption(), &form.L6[i]);
        name(form.T6[i],
             QCoreApplication::translate("Accessibility", "%1 coefficient %2")
                     .arg(form.L6[i].caption(), QLatin1String(letters[i])));
    }
    labelField(form.V1.widget(), form.L2.caption(), &form.L2);
    labelField(form.V2.widget(), form.L3.caption(), &form.L3);
    // The list has no caption of its own on the window; its label is heard, not seen.
    labelField(form.l1.widget(), QCoreApplication::translate("Accessibility", "Function"), nullptr);
    for (ui::Label *label : {&form.L4, &form.L5, &form.cl})
        present(label->widget(), {Kind::Caption, label});
    form.L4.widget()->setAccessibleDescription(
            QCoreApplication::translate("Accessibility", "Lower x limit value"));
    form.L5.widget()->setAccessibleDescription(
            QCoreApplication::translate("Accessibility", "Upper x limit value"));
    name(form.V1,
         QCoreApplication::translate("Accessibility", "%1: lower x limit").arg(form.L2.caption()));
    name(form.V2,
         QCoreApplication::translate("Accessibility", "%1: upper x limit").arg(form.L3.caption()));
    name(form.P, QCoreApplication::translate("Accessibility", "Plot area"));
    name(form.l1, QCoreApplication::translate("Accessibility", "Function"));
    // On Linux Qt speaks an editable list by its current text; the name is heard through its edit
    // field, which holds the focus.
    if (QLineEdit *edit = static_cast<QComboBox *>(form.l1.widget())->lineEdit())
        edit->setAccessibleName(QCoreApplication::translate("Accessibility", "Function"));
    name(form.Text1, QCoreApplication::translate("Accessibility", "Function code"));
    name(form.Text2, QCoreApplication::translate("Accessibility", "Credit font size"));
}

void presentAsNotification(QWidget *widget)
{
    present(widget, {Presentation::Kind::Announcer});
}

void presentAsDecoration(QWidget *widget)
{
    present(widget, {Presentation::Kind::Decoration, nullptr, nullptr, false});
}
