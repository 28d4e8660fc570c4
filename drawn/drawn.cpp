#include "drawn.h"

#include "drawingrecord.h"

#include "app/form1.h"
#include "ui/screen.h"

#include <QCoreApplication>

#include <utility>

Drawn::Drawn(Form1 &form, std::size_t limit)
    : m_form(form), m_limit(limit), m_mapping(ui::Screen::mapping())
{
    form.P.setObserver(this);
    form.beforePlot([this] { m_plotting = true; });
    form.afterPlot(
            [this](const plot::PlotRecord &record, const ui::RuntimeError *) { plotted(record); });
}

Drawn::~Drawn()
{
    m_form.P.setObserver(nullptr);
}

bool Drawn::Mark::sameLine(const Mark &other) const
{
    return kind == Kind::Line && other.kind == Kind::Line && x1 == other.x1 && y1 == other.y1
            && x2 == other.x2 && y2 == other.y2 && width == other.width;
}

void Drawn::keep(std::size_t bytes)
{
    m_now.bytes += bytes;
    if (m_now.bytes <= m_limit)
        return;
    cleared(); // lets go of what was kept so far
    m_now.gaveUp = true;
}

void Drawn::lineDrawn(float x1, float y1, float x2, float y2, int width, ui::Colour colour)
{
    if (m_plotting || m_now.gaveUp)
        return;
    const Mark line {Mark::Kind::Line, x1, y1, x2, y2, width, colour, {}, 0};
    // A line drawn again exactly over an earlier one on an area of the same size covers it.
    for (auto it = m_now.marks.rbegin(); it != m_now.marks.rend(); ++it) {
        if (it->kind == Mark::Kind::Area)
            break;
        if (it->sameLine(line)) {
            m_now.marks.erase(std::next(it).base());
            m_now.bytes -= sizeof(Mark);
            break;
        }
    }
    keep(sizeof(Mark));
    if (!m_now.gaveUp)
        m_now.marks.push_back(line);
}

void Drawn::cleared()
{
    m_now = State();
    m_now.start = m_now.last = m_area;
}

void Drawn::resized(QSize pixels)
{
    m_area = pixels;
    if (m_now.gaveUp || pixels == m_now.last)
        return;
    m_now.last = pixels;
    if (m_now.marks.empty()) {
        m_now.start = pixels;
        return;
    }
    keep(sizeof(Mark));
    if (!m_now.gaveUp)
        m_now.marks.push_back({Mark::Kind::Area, 0, 0, 0, 0, 0, 0, pixels, 0});
}

void Drawn::plotted(const plot::PlotRecord &record)
{
    m_plotting = false;
    if (m_now.gaveUp)
        return;
    keep(sizeof(Mark) + sizeof(record) + record.dots.size() * sizeof(double));
    if (m_now.gaveUp)
        return;
    m_now.marks.push_back({Mark::Kind::Plot, 0, 0, 0, 0, 0, 0, {}, m_now.plots.size()});
    m_now.plots.push_back(record);
}

QString Drawn::unavailable() const
{
    if (!m_now.gaveUp)
        return {};
    return QCoreApplication::translate("Drawn",
                                       "more has been plotted since the plot area was last "
                                       "cleared than can be kept; clear it and plot again");
}

void Drawn::paint(QPainter &painter, double scale, const std::vector<CurvePen> &pens) const
{
    if (m_now.gaveUp)
        return;
    DrawingRecord drawing(m_mapping);
    drawing.setArea(m_now.start);
    for (const Mark &mark : m_now.marks) {
        switch (mark.kind) {
        case Mark::Kind::Line:
            drawing.line(mark.x1, mark.y1, mark.x2, mark.y2, mark.width, mark.colour);
            break;
        case Mark::Kind::Area:
            drawing.setArea(mark.area);
            break;
        case Mark::Kind::Plot: {
            const plot::PlotRecord &record = m_now.plots[mark.plot];
            if (record.marker)
                drawing.circle(record.centre.x(), record.centre.y(), plot::kMarkerRadius,
                               plot::kPenWidth, *record.marker);
            if (!record.mapping)
                break;
            const CurvePen pen = mark.plot < pens.size() ? pens[mark.plot] : CurvePen();
            plot::forEachDot(record, [&](double x, double y) {
                const plot::DotSegment dot = plot::dotSegment(*record.mapping, x, y);
                drawing.line(dot.x1, dot.y1, dot.x2, dot.y2, plot::kPenWidth, pen.colour,
                             pen.style);
            });
            break;
        }
        }
    }
    drawing.paint(painter, scale);
}

std::function<void()> Drawn::keepForUndo()
{
    return [this, kept = m_now] {
        m_now = kept;
        resized(m_area);
    };
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
