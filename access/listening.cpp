#include "listening.h"

#include "accessibility.h"
#include "interest.h"

#include "app/form1.h"
#include "drawn/drawn.h"
#include "plot/plotroutine.h"
#include "sound/player.h"

#include <QAction>
#include <QCoreApplication>
#include <QShortcut>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// Seconds for the walk of the full range at each speed: 9 at 1, 3 at 5, 1 at 9, each speed
// as much faster than the one below.
double fullSeconds(int speed)
{
    return std::pow(3.0, (9 - speed) / 4.0);
}

} // namespace

Listening::Listening(Form1 &form, const Drawn &drawn, Accessibility &accessibility,
                     sound::Player &plots, sound::Player &tones)
    : m_form(form), m_drawn(drawn), m_accessibility(accessibility), m_plots(plots), m_tones(tones),
      m_action(new QAction(QCoreApplication::translate("Listening", "Listen to the Plot"),
                           form.P.widget()))
{
    QWidget *area = form.P.widget();
    // The action belongs to the plot area, so that its key works only where the area has the
    // keyboard (a letter typed in a box is the box's), and the menu shows the key beside it.
    m_action->setShortcut(QKeySequence(Qt::Key_L));
    m_action->setShortcutContext(Qt::WidgetShortcut);
    area->addAction(m_action);
    QObject::connect(m_action, &QAction::triggered, area, [this] { toggle(); });
    // Escape is the area's only while something plays: otherwise it goes where it would.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), area);
    m_escape->setContext(Qt::WidgetShortcut);
    m_escape->setEnabled(false);
    QObject::connect(m_escape, &QShortcut::activated, area, [this] { stop(); });
    for (int speed = 1; speed <= 9; ++speed) {
        auto *key = new QShortcut(QKeySequence(Qt::Key_0 + speed), area);
        key->setContext(Qt::WidgetShortcut);
        QObject::connect(key, &QShortcut::activated, area, [this, speed] { setSpeed(speed); });
    }

    QObject::connect(&plots, &sound::Player::started, area, [this] {
        setPlaying(true);
        if (!m_replaying)
            m_accessibility.say(QCoreApplication::translate("Listening", "Playing"));
    });
    QObject::connect(&plots, &sound::Player::stopped, area, [this] {
        setPlaying(false);
        if (!m_replaying)
            m_accessibility.say(QCoreApplication::translate("Listening", "Stopped"));
    });
    QObject::connect(&plots, &sound::Player::unavailable, area,
                     [this](const QString &why) { tellWhyNot(why); });
    // The crosshair's tones are heard or not; where there is no sound output, Listen to the Plot
    // says so, and the coordinates spoken at each move are not to be drowned by it.

    const auto silence = [this] {
        m_plots.stop();
        m_tones.stop();
    };
    form.beforePlot(silence);
    form.beforeClear(silence);
    accessibility.onCrosshairMoved([this](QPointF twips) { crosshairAt(twips); });
}

void Listening::toggle()
{
    if (m_playing)
        stop();
    else
        listen();
}

void Listening::listen()
{
    const QString unavailable = m_drawn.unavailable();
    if (!unavailable.isEmpty()) {
        tellWhyNot(QCoreApplication::translate("Listening", "The plots cannot be played: %1.")
                           .arg(unavailable));
        return;
    }
    if (m_drawn.plots().empty()) {
        tellWhyNot(QCoreApplication::translate(
                "Listening",
                "Nothing to listen to: nothing has been plotted since the last clear."));
        return;
    }
    play();
}

void Listening::play()
{
    m_plots.play(sound::plotSound(listenedPlots(m_drawn), fullSeconds(m_speed)));
}

void Listening::setSpeed(int speed)
{
    m_speed = std::clamp(speed, 1, 9);
    m_accessibility.say(QCoreApplication::translate(
                                "Listening", "Speed %1 of 9: about %2 seconds for the full range.")
                                .arg(QLocale().toString(m_speed),
                                     QLocale().toString(fullSeconds(m_speed), 'g', 2)));
    if (!m_playing)
        return;
    m_replaying = true;
    play();
    m_replaying = false;
}

void Listening::stop()
{
    m_plots.stop();
}

void Listening::setPlaying(bool playing)
{
    m_playing = playing;
    m_escape->setEnabled(playing);
}

void Listening::tellWhyNot(const QString &why)
{
    m_accessibility.say(why);
    QWidget *area = m_form.P.widget();
    QToolTip::showText(area->mapToGlobal(area->rect().center()), why, area);
}

void Listening::crosshairAt(QPointF twips)
{
    if (m_drawn.plots().empty())
        return;
    const sound::Samples tone = crosshairSound(m_drawn.plots().back(), twips, m_form.P.width());
    if (tone.empty())
        m_tones.stop();
    else
        m_tones.play(tone);
}

sound::Samples crosshairSound(const plot::PlotRecord &latest, QPointF twips, double width)
{
    if (!latest.mapping || !latest.mapping->invertible() || !(width > 0))
        return {};
    // The dots lie a step of 0.001 apart from the walk's start: the one nearest the crosshair's
    // x is found by its place in the walk.
    return dotSound(latest, std::round((latest.mapping->toGraphX(twips.x()) - latest.from) / 0.001),
                    width);
}

sound::Samples dotSound(const plot::PlotRecord &plot, double step, double width)
{
    if (!plot.mapping || !plot.mapping->invertible() || !(width > 0))
        return {};
    if (!(step >= 0 && step < double(plot.dots.size())))
        return {};
    const plot::GraphMapping &scale = *plot.mapping;
    const double y = plot.dots[std::size_t(step)];
    const double x = plot.from + step * 0.001;
    // The axes cross at the plot area's centre, so the bottom edge is as low as the top is high.
    const double top = scale.toGraphY(0);
    const double across = (scale.cx + x * scale.s * 1000) / width;
    return sound::crosshairTone((y + top) / (2 * top), std::clamp(across, 0.0, 1.0));
}

std::vector<sound::Plot> listenedPlots(const Drawn &drawn)
{
    std::vector<sound::Plot> sounds = drawn.sounds();
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        for (const Interest &point : pointsOfInterest(drawn.plots()[i])) {
            if (point.kinds & (Interest::Maximum | Interest::Minimum))
                sounds[i].turns.push_back(point.x);
        }
    }
    return sounds;
}
