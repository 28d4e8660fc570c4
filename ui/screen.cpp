#include "screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace ui {

namespace {
QSize g_override;
}

void Screen::overrideSize(QSize pixels)
{
    g_override = pixels;
}

QSize Screen::pixelSize()
{
    if (g_override.isValid())
        return g_override;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

TwipsMapping Screen::mapping()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return TwipsMapping(dpi > 0 ? 1440.0 / dpi : 15.0);
}

float Screen::width()
{
    return static_cast<float>(mapping().toTwips(pixelSize().width()));
}

float Screen::height()
{
    return static_cast<float>(mapping().toTwips(pixelSize().height()));
}

} // namespace ui
