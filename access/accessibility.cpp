#include "accessibility.h"

#include "accessibletree.h"
#include "account.h"
#include "sentences.h"

#include "app/form1.h"
#include "plot/plotroutine.h"

#include <QCoreApplication>

namespace {

// The announcer comes after the controls' hidden labels among the window's children.
QWidget *namedWindow(Form1 &form)
{
    nameControls(form);
    return form.window.widget();
}

} // namespace

Accessibility::Accessibility(Form1 &form)
    : m_form(form), m_announcer(namedWindow(form)), m_readout(form.P, m_story, m_announcer)
{
    retell();
    form.afterPlot([this](const plot::PlotRecord &record, const ui::RuntimeError *error) {
        plotted(record, error);
    });
    form.afterClear([this] { cleared(); });
}

void Accessibility::retell()
{
    m_form.P.widget()->setAccessibleDescription(m_story.description());
}

void Accessibility::plotted(const plot::PlotRecord &record, const ui::RuntimeError *error)
{
    const QString sentence = plotSentence(record, error);
    m_story.plotted(sentence, record.mapping, plotSummary(pointsOfInterest(record)));
    retell();
    if (!error)
        m_announcer.say(QCoreApplication::translate("Accessibility", "Plotted: %1.").arg(sentence));
}

void Accessibility::cleared()
{
    m_story.cleared();
    retell();
    m_announcer.say(
            QCoreApplication::translate("Accessibility", "Cleared: only the axes are drawn."));
    m_readout.hide();
}

std::function<void()> Accessibility::keepForUndo()
{
    return [this, told = m_story.state()] {
        m_story.restore(told);
        retell();
        m_announcer.say(QCoreApplication::translate("Accessibility", "Clear undone: %1")
                                .arg(m_story.description()));
    };
}
