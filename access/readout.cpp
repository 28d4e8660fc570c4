#include "readout.h"

#include "app/form1.h"

#include "ui/screen.h"

#include <QCoreApplication>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// The graph paper's cells: 32 of them across the picture's 1007 ruled pixels.
constexpr double kCellPixels = 1007.0 / 32;

const plot::GraphMapping *readable(const Form1 &form)
{
    const auto &mapping = form.story.mapping();
    return mapping && mapping->invertible() ? &*mapping : nullptr;
}

} // namespace

QString readoutText(const plot::GraphMapping &mapping, QPointF twips, double twipsPerPixel,
                    const QLocale &locale)
{
    const double unitsPerPixel = std::abs(twipsPerPixel / (mapping.s * 1000));
    const int decimals = std::clamp(int(std::ceil(-std::log10(unitsPerPixel))), 2, 4);
    const auto shown = [&](double value) {
        const QString text = locale.toString(value, 'f', decimals);
        // No "-0.00" for a point that rounds to the axis.
        return locale.toDouble(text) == 0 ? locale.toString(0.0, 'f', decimals) : text;
    };
    return QCoreApplication::translate("Readout", "x = %1   y = %2")
            .arg(shown(mapping.toGraphX(twips.x())), shown(mapping.toGraphY(twips.y())));
}

void attachReadout(Form1 &form)
{
    form.P.setPointerHook([&form](QPointF twips) {
        const plot::GraphMapping *mapping = readable(form);
        if (!mapping)
            return;
        const QString text = readoutText(*mapping, twips, ui::Screen::mapping().perPixel());
        QWidget *area = form.P.widget();
        QToolTip::showText(form.P.globalPosition(twips), text, area, area->rect(), -1);
    });
    form.P.keyHook = [&form](int key) {
        const plot::GraphMapping *mapping = readable(form);
        if (!mapping)
            return false;
        const double cell = kCellPixels * ui::Screen::mapping().perPixel();
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
        const QPointF centre(mapping->cx, mapping->cy);
        QPointF at = form.P.crosshair().value_or(centre - step) + step;
        at.setX(std::clamp(at.x(), 0.0, double(form.P.width())));
        at.setY(std::clamp(at.y(), 0.0, double(form.P.height())));
        form.P.setCrosshair(at);
        const QString text = readoutText(*mapping, at, ui::Screen::mapping().perPixel());
        QToolTip::showText(form.P.globalPosition(at), text, form.P.widget());
        announce(form, text);
        return true;
    };
}

void hideReadout(Form1 &form)
{
    form.P.setCrosshair(std::nullopt);
    QToolTip::hideText();
}
