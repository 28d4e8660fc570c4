#include "accessibility.h"

#include "form1.h"

#include "plot/catalogue.h"
#include "plot/convert.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

namespace {

const QString kEmptyPlot = QStringLiteral("Empty: only the axes are drawn.");

void name(const ui::Control &control, const QString &text)
{
    control.widget()->setAccessibleName(text);
}

} // namespace

void nameControls(Form1 &form)
{
    name(form.window, QStringLiteral("Curvanta"));
    const char *letters[4] = {"a", "b", "c", "d"};
    for (int i = 0; i < 4; ++i) {
        name(form.T6[i], QStringLiteral("Coefficient %1").arg(QLatin1String(letters[i])));
        name(form.L6[i], form.L6[i].caption());
    }
    name(form.V1, QStringLiteral("Lower x limit"));
    name(form.V2, QStringLiteral("Upper x limit"));
    name(form.L4, QStringLiteral("Lower x limit value"));
    name(form.L5, QStringLiteral("Upper x limit value"));
    name(form.P, QStringLiteral("Plot area"));
    name(form.Cp, QStringLiteral("Plot"));
    name(form.l1, QStringLiteral("Function"));
    // On Linux Qt speaks an editable list by its current text; the name is heard through its edit
    // field, which holds the focus.
    if (QLineEdit *edit = static_cast<QComboBox *>(form.l1.widget())->lineEdit())
        edit->setAccessibleName(QStringLiteral("Function"));
    name(form.Text1, QStringLiteral("Function code"));
    name(form.Text2, QStringLiteral("Credit font size"));
    for (ui::Label *block : {&form.s1, &form.s2, &form.s3, &form.s4})
        name(*block, QStringLiteral("Corner block"));
    name(form.Shape1_3, QStringLiteral("Red square"));
    // The remaining labels are read as they are shown.
    for (ui::Label *label : {&form.Label1, &form.mes, &form.cl, &form.L2, &form.L3})
        name(*label, label->caption());
    describeEmptyPlot(form);
}

void describePlot(Form1 &form)
{
    QString function = form.l1.text();
    for (const plot::Entry &entry : plot::catalogue()) {
        if (form.Text1.text() == QString::number(entry.code))
            function = entry.text;
    }
    // The walk runs from each limit divided by 1.2.
    const auto end = [](const ui::Label &limit) {
        return QLocale().toString(plot::lenientNumber(limit.caption()) / 1.2, 'g', 6);
    };
    const QString sentence = QStringLiteral("%1 plotted for x from %2 to %3.")
                                     .arg(function, end(form.L4), end(form.L5));
    QWidget *area = form.P.widget();
    const QString drawn = area->accessibleDescription();
    QStringList sentences;
    if (drawn != kEmptyPlot)
        sentences = drawn.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The latest few plots are described; a long afternoon of plotting does not grow it forever.
    constexpr int kKept = 3;
    while (sentences.size() >= kKept)
        sentences.removeFirst();
    sentences << sentence;
    area->setAccessibleDescription(sentences.join(QLatin1Char('\n')));
}

void describeEmptyPlot(Form1 &form)
{
    form.P.widget()->setAccessibleDescription(kEmptyPlot);
}
