#include "trace.h"

#include "accessibility.h"
#include "account.h"
#include "listening.h"
#include "mark.h"
#include "sentences.h"

#include "app/form1.h"
#include "drawn/drawn.h"
#include "plot/plotroutine.h"
#include "sound/player.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 kTenth = 100; // steps of the walk
constexpr qint64 kUnit = 1000;

bool isBreak(const Interest &point)
{
    return (point.kinds & Interest::kBreaks) != 0;
}

// The order of the places a trace can be at: a break before the dot of its step.
qint64 order(qint64 step, bool atBreak)
{
    return 2 * step + (atBreak ? 0 : 1);
}

} // namespace

Trace::Trace(Form1 &form, const Drawn &drawn, Accessibility &accessibility, sound::Player &tones)
    : m_form(form), m_drawn(drawn), m_accessibility(accessibility), m_tones(tones),
      m_ring(new AreaMark(form.P, AreaMark::Look::Ring))
{
    // Installed after the readout's filter, so this one sees the arrows first.
    form.P.widget()->installEventFilter(this);
    const auto quietly = [this] {
        m_tracing = false;
        m_ring->setAt(std::nullopt);
    };
    form.beforePlot(quietly);
    form.beforeClear(quietly);
}

bool Trace::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (keyPressed(key->key(), key->modifiers()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool Trace::keyPressed(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    const bool ctrl = held == Qt::ControlModifier;
    if (held != Qt::NoModifier && !(ctrl && (key == Qt::Key_Left || key == Qt::Key_Right)))
        return false;
    if (key == Qt::Key_T) {
        m_tracing ? end() : start();
        return true;
    }
    if (!m_tracing)
        return false;
    switch (key) {
    case Qt::Key_Escape:
        end();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        step((key == Qt::Key_Left ? -1 : 1) * (ctrl ? kUnit : kTenth));
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        point(key == Qt::Key_PageUp ? -1 : 1);
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        m_step = key == Qt::Key_Home ? 0 : std::max<qint64>(qint64(record().dots.size()) - 1, 0);
        m_break = false;
        tell();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        plot(key == Qt::Key_Up ? -1 : 1);
        break;
    default:
        return false;
    }
    return true;
}

void Trace::start()
{
    const QString unavailable = m_drawn.unavailable();
    if (!unavailable.isEmpty()) {
        m_accessibility.say(QCoreApplication::translate("Trace", "The plots cannot be traced: %1.")
                                    .arg(unavailable));
        return;
    }
    if (m_drawn.plots().empty()) {
        m_accessibility.say(QCoreApplication::translate(
                "Trace", "Nothing to trace: nothing has been plotted since the last clear."));
        return;
    }
    m_tracing = true;
    onPlot(m_drawn.plots().size() - 1);
    const plot::PlotRecord &latest = record();
    const auto &crosshair = m_accessibility.crosshair();
    const bool scaled = latest.mapping && latest.mapping->invertible();
    const double x = crosshair && scaled ? latest.mapping->toGraphX(crosshair->x()) : 0.0;
    m_step = std::clamp<qint64>(std::llround((x - latest.from) / 0.001), 0,
                                std::max<qint64>(qint64(latest.dots.size()) - 1, 0));
    m_break = false;
    tell(QCoreApplication::translate("Trace", "Tracing %1").arg(plotName(latest)));
}

void Trace::end()
{
    m_tracing = false;
    m_ring->setAt(std::nullopt);
    m_accessibility.say(QCoreApplication::translate("Trace", "Tracing ended."));
}

void Trace::onPlot(std::size_t plot)
{
    m_plot = plot;
    m_points = pointsOfInterest(record());
    m_xs.clear();
    plot::forEachDot(record(), [this](double x, double) { m_xs.push_back(x); });
}

const plot::PlotRecord &Trace::record() const
{
    return m_drawn.plots()[m_plot];
}

qint64 Trace::lastStep() const
{
    const plot::PlotRecord &plot = record();
    const qint64 dots = qint64(plot.dots.size());
    // Past the dots of a walk an error stopped, as far as the walk was to go: there are none.
    if (walkStopped(plot))
        return std::max(dots, std::llround((plot.to - plot.from) / 0.001));
    return std::max<qint64>(dots - 1, 0);
}

void Trace::step(qint64 by)
{
    m_step = std::clamp<qint64>(m_step + by, 0, lastStep());
    m_break = false;
    tell();
}

void Trace::point(int way)
{
    const qint64 now = order(m_step, m_break);
    const Interest *next = nullptr;
    for (const Interest &p : m_points) {
        const qint64 at = order(qint64(p.step), isBreak(p));
        if (way > 0 && at > now) {
            next = &p;
            break;
        }
        if (way < 0 && at < now)
            next = &p;
    }
    if (!next) {
        tell(way > 0 ? QCoreApplication::translate("Trace", "No further point of interest")
                     : QCoreApplication::translate("Trace", "No earlier point of interest"));
        return;
    }
    m_step = qint64(next->step);
    m_break = isBreak(*next);
    tell();
}

void Trace::plot(int way)
{
    const plot::PlotRecord &from = record();
    const double x = m_step < qint64(m_xs.size()) ? m_xs[m_step] : from.from + m_step * 0.001;
    const qint64 count = qint64(m_drawn.plots().size());
    onPlot(std::size_t(std::clamp<qint64>(qint64(m_plot) + way, 0, count - 1)));
    const plot::PlotRecord &to = record();
    m_step = std::clamp<qint64>(std::llround((x - to.from) / 0.001), 0, lastStep());
    m_break = false;
    tell(QCoreApplication::translate("Trace", "Plot %1 of %2, %3")
                 .arg(QLocale().toString(qlonglong(m_plot) + 1), QLocale().toString(count),
                      plotName(to)));
}

const Interest *Trace::here() const
{
    for (const Interest &p : m_points) {
        // Where the walk stopped there is no dot to be at instead.
        if (qint64(p.step) == m_step && (isBreak(p) == m_break || (p.kinds & Interest::Stopped)))
            return &p;
    }
    return nullptr;
}

void Trace::tell(const QString &before)
{
    const plot::PlotRecord &plot = record();
    const bool dot = !m_break && m_step < qint64(plot.dots.size());
    const double y = dot ? plot.dots[m_step] : std::numeric_limits<double>::quiet_NaN();
    const double x = m_step < qint64(m_xs.size())                     ? m_xs[m_step]
            : walkStopped(plot) && m_step == qint64(plot.dots.size()) ? plot.x
                                                                      : plot.from + m_step * 0.001;
    const Interest *point = here();
    const QString where = point ? pointText(*point) : stepText(x, y);
    m_accessibility.say(
            before.isEmpty() ? where
                             : QCoreApplication::translate("Trace", "%1: %2").arg(before, where));

    // The ring where the dot is on the sheet, and its tone; neither where there is no dot.
    const double width = m_form.P.width(), height = m_form.P.height();
    std::optional<QPointF> ring;
    if (dot && plot.mapping && plot.mapping->invertible()) {
        const QPointF at(plot.mapping->toX(x), plot.mapping->toY(y));
        if (at.x() >= 0 && at.x() <= width && at.y() >= 0 && at.y() <= height)
            ring = at;
    }
    m_ring->setAt(ring);
    const sound::Samples tone = dot ? dotSound(plot, double(m_step), width) : sound::Samples();
    if (tone.empty())
        m_tones.stop();
    else
        m_tones.play(tone);
}
