#include "drawn.h"

#include "app/form1.h"

#include <QCoreApplication>

#include <utility>

Drawn::Drawn(Form1 &form, std::size_t dotLimit) : m_form(form), m_dotLimit(dotLimit)
{
    form.P.setRecord(&m_now.drawing);
    form.afterPlot(
            [this](const plot::PlotRecord &record, const ui::RuntimeError *) { plotted(record); });
    form.afterClear([this] { cleared(); });
}

void Drawn::plotted(const plot::PlotRecord &record)
{
    if (m_now.gaveUp)
        return;
    if (m_now.dots + record.dots.size() > m_dotLimit) {
        cleared(); // lets go of the dots kept so far
        m_now.gaveUp = true;
        return;
    }
    m_now.plots.push_back(record);
    m_now.dots += record.dots.size();
}

void Drawn::cleared()
{
    m_now.plots.clear();
    m_now.plots.shrink_to_fit();
    m_now.dots = 0;
    m_now.gaveUp = false;
}

QString Drawn::plotsUnavailable() const
{
    if (!m_now.gaveUp)
        return {};
    return QCoreApplication::translate("Drawn",
                                       "more has been plotted since the plot area was last "
                                       "cleared than can be kept; clear it and plot again");
}

std::function<void()> Drawn::keepForUndo()
{
    return [this, kept = m_now] {
        m_now = kept;
        m_form.P.setRecord(&m_now.drawing);
    };
}

std::vector<sheet::TableRow> Drawn::table() const
{
    std::vector<sheet::TableRow> rows;
    rows.reserve(m_now.dots);
    int number = 0;
    for (const plot::PlotRecord &record : m_now.plots) {
        ++number;
        const QString function = record.function ? record.function->text : QString();
        plot::forEachDot(record, [&](double x, double y) {
            rows.push_back({number, function, x, y});
        });
    }
    return rows;
}

std::vector<sound::Plot> Drawn::sounds() const
{
    std::vector<sound::Plot> sounds;
    sounds.reserve(m_now.plots.size());
    for (const plot::PlotRecord &record : m_now.plots)
        sounds.push_back(soundOf(record));
    return sounds;
}

sound::Plot soundOf(const plot::PlotRecord &record)
{
    sound::Plot plot;
    plot.x0 = record.from;
    plot.x1 = record.to;
    if (record.mapping && record.mapping->invertible()) {
        // The axes cross at the centre, so the top edge is as high as the bottom edge is low.
        plot.yTop = record.mapping->toGraphY(0);
        plot.yBottom = -plot.yTop;
    }
    plot.dots.reserve(record.dots.size());
    plot::forEachDot(record, [&plot](double x, double y) { plot.dots.emplace_back(x, y); });
    return plot;
}
