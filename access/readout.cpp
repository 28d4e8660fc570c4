#include "readout.h"

#include "announcer.h"
#include "mark.h"
#include "plotstory.h"

#include "ui/picturebox.h"
#include "ui/screen.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// The graph paper's cells: 32 of them across the picture's 1007 ruled pixels.
constexpr double kCellPixels = 1007.0 / 32;

} // namespace

QString readoutText(const plot::GraphMapping &mapping, QPointF twips,
                    const ui::TwipsMapping &screen, const QLocale &locale)
{
    const double unitsPerPixel = std::abs(screen.toTwips(1.0) / (mapping.s * 1000));
    const int decimals = std::clamp(int(std::ceil(-std::log10(unitsPerPixel))), 2, 4);
    const auto shown = [&](double value) {
        const QString text = locale.toString(value, 'f', decimals);
        // No "-0.00" for a point that rounds to the axis.
        return locale.toDouble(text) == 0 ? locale.toString(0.0, 'f', decimals) : text;
    };
    return QCoreApplication::translate("Readout", "x = %1   y = %2")
            .arg(shown(mapping.toGraphX(twips.x())), shown(mapping.toGraphY(twips.y())));
}

Readout::Readout(ui::PictureBox &area, const PlotStory &story, Announcer &announcer)
    : m_area(area), m_story(story), m_announcer(announcer),
      m_crosshair(new AreaMark(area, AreaMark::Look::Cross))
{
    area.widget()->setMouseTracking(true);
    area.widget()->installEventFilter(this);
}

void Readout::hide()
{
    m_crosshair->setAt(std::nullopt);
    QToolTip::hideText();
}

const std::optional<QPointF> &Readout::crosshair() const
{
    return m_crosshair->at();
}

bool Readout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove)
        pointerAt(static_cast<QMouseEvent *>(event)->position());
    else if (event->type() == QEvent::KeyPress
             && keyPressed(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return QObject::eventFilter(watched, event);
}

const plot::GraphMapping *Readout::mapping() const
{
    const auto &mapping = m_story.mapping();
    return mapping && mapping->invertible() ? &*mapping : nullptr;
}

void Readout::pointerAt(QPointF pixels)
{
    const plot::GraphMapping *scale = mapping();
    if (!scale)
        return;
    const ui::TwipsMapping screen = ui::Screen::mapping();
    const QPointF twips = screen.toTwips(pixels);
    QWidget *area = m_area.widget();
    QToolTip::showText(area->mapToGlobal(screen.toPixels(twips).toPoint()),
                       readoutText(*scale, twips, screen), area, area->rect(), -1);
}

bool Readout::keyPressed(int key)
{
    const plot::GraphMapping *scale = mapping();
    if (!scale)
        return false;
    const ui::TwipsMapping screen = ui::Screen::mapping();
    const double cell = screen.toTwips(kCellPixels);
    QPointF step;
    switch (key) {
    case Qt::Key_Left:
        step = {-cell, 0};
        break;
    case Qt::Key_Right:
        step = {cell, 0};
        break;
    case Qt::Key_Up:
        step = {0, -cell};
        break;
    case Qt::Key_Down:
        step = {0, cell};
        break;
    default:
        return false;
    }
    const QPointF centre(scale->cx, scale->cy);
    QPointF at = m_crosshair->at().value_or(centre - step) + step;
    at.setX(std::clamp(at.x(), 0.0, double(m_area.width())));
    at.setY(std::clamp(at.y(), 0.0, double(m_area.height())));
    m_crosshair->setAt(at);
    const QString text = readoutText(*scale, at, screen);
    QToolTip::showText(m_area.widget()->mapToGlobal(screen.toPixels(at).toPoint()), text,
                       m_area.widget());
    m_announcer.say(text);
    if (m_moved)
        m_moved(at);
    return true;
}
