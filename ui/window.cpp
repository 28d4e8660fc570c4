#include "window.h"

#include "lightweight.h"
#include "screen.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace ui {

class WindowWidget : public QWidget
{
public:
    explicit WindowWidget(Window *window) : m_window(window)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), toQColor(m_window->m_backColor));
    }

    // A window manager adds its frame only after the window is shown; the outer size written
    // before that is applied again once the frame is known. Qt calls these, so nothing may
    // escape from them.
    void moveEvent(QMoveEvent *) override { frameMayHaveChanged(); }
    void resizeEvent(QResizeEvent *) override { frameMayHaveChanged(); }

private:
    void frameMayHaveChanged()
    {
        dispatch(QStringLiteral("Form_Resize"), [this] { m_window->frameMayHaveChanged(); });
    }

    Window *m_window;
};

Window::Window(float clientWidth, float clientHeight)
    : Control(new WindowWidget(this)), m_clientWidth(clientWidth), m_clientHeight(clientHeight)
{
    m_window = static_cast<WindowWidget *>(widget());
    const TwipsMapping map = Screen::mapping();
    m_window->resize(map.pixel(clientWidth), map.pixel(clientHeight));
}

void Window::setCaption(const QString &caption)
{
    m_window->setWindowTitle(caption);
}

QSize Window::frameExtra() const
{
    return m_window->frameGeometry().size() - m_window->geometry().size();
}

float Window::width() const
{
    if (m_widthWritten)
        return m_width;
    return float(m_clientWidth + Screen::mapping().toTwips(frameExtra().width()));
}

float Window::height() const
{
    if (m_heightWritten)
        return m_height;
    return float(m_clientHeight + Screen::mapping().toTwips(frameExtra().height()));
}

void Window::setWidth(float twips)
{
    m_width = twips;
    m_widthWritten = true;
    applyOuterSize();
}

void Window::setHeight(float twips)
{
    m_height = twips;
    m_heightWritten = true;
    applyOuterSize();
}

void Window::applyOuterSize()
{
    const TwipsMapping map = Screen::mapping();
    const QSize extra = frameExtra();
    const int w = map.pixel(width() - map.toTwips(extra.width()));
    const int h = map.pixel(height() - map.toTwips(extra.height()));
    m_window->resize(std::max(1, w), std::max(1, h));
}

void Window::frameMayHaveChanged()
{
    const QSize extra = frameExtra();
    if (extra == m_frameExtra)
        return;
    m_frameExtra = extra;
    if (m_widthWritten || m_heightWritten)
        applyOuterSize();
}

void Window::setBackColor(Colour colour)
{
    if (colour == m_backColor)
        return;
    m_backColor = colour;
    LightweightWidget::setPlainBackground(m_window, toQColor(colour));
    m_window->update();
}

void Window::show()
{
    m_window->show();
    m_window->activateWindow();
    activate.raise();
}

} // namespace ui
