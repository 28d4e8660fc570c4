#include "picturebox.h"

#include "raster.h"
#include "runtimeerror.h"
#include "screen.h"
#include "surface.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace ui {

namespace {

bool g_failNextAllocation = false;

QImage allocate(QSize device)
{
    if (std::exchange(g_failNextAllocation, false))
        return QImage();
    return QImage(device, QImage::Format_RGB32);
}

[[noreturn]] void outOfImageMemory(QSize device)
{
    throw RuntimeError(RuntimeError::Kind::ToolkitError,
                       QCoreApplication::translate("ui::PictureBox",
                                                   "There is not enough memory for a plot area of "
                                                   "%1 x %2 pixels.")
                               .arg(device.width())
                               .arg(device.height()));
}

} // namespace

void PictureBox::failNextImageAllocation()
{
    g_failNextAllocation = true;
}

PictureBox::PictureBox(QWidget *container) : Control(new Surface(m_image, dblClick, container))
{
    m_surface = static_cast<Surface *>(widget());
    rebuildBackground(false);
}

PictureBox::~PictureBox() = default;

QWidget *PictureBox::container() const
{
    return m_surface;
}

void PictureBox::addOverlay(QWidget *overlay)
{
    m_surface->addOverlay(overlay);
}

void PictureBox::setDrawWidth(int pixels)
{
    m_drawWidth = std::max(1, pixels);
}

Colour PictureBox::foreColor() const
{
    const QColor c = m_surface->palette().color(QPalette::WindowText);
    return rgb(c.red(), c.green(), c.blue());
}

void PictureBox::setBackColor(Colour colour)
{
    m_backColor = colour;
    rebuildBackground(false);
}

void PictureBox::setPicture(const QString &path)
{
    // Converted once here rather than at every redraw of the background.
    m_picture = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (m_surface->devicePixelRatioF() > 1.0) {
        const QFileInfo info(path);
        const QImage sharp(info.path() + QLatin1Char('/') + info.completeBaseName()
                           + QLatin1String("@2x.") + info.suffix());
        if (!sharp.isNull())
            m_picture = sharp.convertToFormat(QImage::Format_RGB32);
    }
    rebuildBackground(false);
}

void PictureBox::geometryApplied()
{
    // A move keeps the image as it is; only a new size or pixel density needs a new one.
    const double dpr = m_surface->devicePixelRatioF();
    const QSize device = deviceSize(dpr);
    if (dpr != m_map.devicePixelRatio() || device != m_image.size())
        rebuildBackground(true);
}

QSize PictureBox::deviceSize(double dpr) const
{
    return QSize(int(std::ceil(m_surface->width() * dpr)),
                 int(std::ceil(m_surface->height() * dpr)));
}

void PictureBox::rebuildBackground(bool keepDrawing)
{
    const double dpr = m_surface->devicePixelRatioF();
    const QSize device = deviceSize(dpr);
    QImage background = allocate(device);
    QImage image = allocate(device);
    if ((background.isNull() || image.isNull()) && !device.isEmpty())
        outOfImageMemory(device);
    background.setDevicePixelRatio(dpr);
    background.fill(toQColor(m_backColor));
    if (!m_picture.isNull()) {
        QPainter painter(&background);
        painter.drawImage(QPointF(0, 0), m_picture);
    }
    image.setDevicePixelRatio(dpr);
    if (!image.isNull()) {
        QPainter painter(&image);
        painter.drawImage(QPointF(0, 0), background);
        if (keepDrawing && !m_image.isNull())
            painter.drawImage(QPointF(0, 0), m_image);
    }
    m_map = Screen::mapping().withDevicePixelRatio(dpr);
    m_background = background;
    m_image = image;
    if (m_observer) {
        if (!keepDrawing)
            m_observer->cleared();
        m_observer->resized(m_surface->size());
    }
    markDirty(m_image.rect());
}

void PictureBox::setObserver(Observer *observer)
{
    m_observer = observer;
    if (m_observer)
        m_observer->resized(m_surface->size());
}

QImage PictureBox::ownCopy(const QImage &image) const
{
    QImage own = allocate(image.size());
    if (own.isNull())
        outOfImageMemory(image.size());
    own.setDevicePixelRatio(m_map.devicePixelRatio());
    std::memcpy(own.bits(), image.constBits(), size_t(image.sizeInBytes()));
    return own;
}

void PictureBox::detachImage()
{
    if (!m_image.isDetached() && !m_image.isNull())
        m_image = ownCopy(m_image);
}

// The image to draw on after a clear is made first, so that running out of memory for it ends
// the clear before anything is erased.
void PictureBox::cls()
{
    m_image = m_background.isNull() ? m_background : ownCopy(m_background);
    if (m_observer)
        m_observer->cleared();
    markDirty(m_image.rect());
}

void PictureBox::restore(const QImage &drawing)
{
    if (drawing.size() == m_image.size()) {
        m_image = drawing;
    } else {
        m_image = m_background;
        QPainter painter(&m_image);
        painter.drawImage(QPointF(0, 0), drawing);
    }
    markDirty(m_image.rect());
}

void PictureBox::line(float x1, float y1, float x2, float y2)
{
    line(x1, y1, x2, y2, foreColor());
}

void PictureBox::line(float x1, float y1, float x2, float y2, Colour colour)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    detachImage();
    if (m_observer)
        m_observer->lineDrawn(x1, y1, x2, y2, m_drawWidth, colour);
    QPointF p = m_map.toDevice(QPointF(x1, y1));
    QPointF q = m_map.toDevice(QPointF(x2, y2));
    const QColor pen = toQColor(colour);
    const double dpr = m_map.devicePixelRatio();
    if (std::abs(q.x() - p.x()) < 1 && std::abs(q.y() - p.y()) < 1) {
        // A segment shorter than a device pixel shows as one dot of the pen's width.
        const int width = std::max(1, int(std::lround(m_drawWidth * dpr)));
        const QRect dot = stampDot(m_image, p, width, pen.rgb());
        if (!dot.isNull())
            markDirty(dot);
        return;
    }
    const double reach = m_drawWidth * dpr;
    if (!clipSegment(p, q, QRectF(m_image.rect()).adjusted(-reach, -reach, reach, reach)))
        return;
    QPainter painter(&m_image);
    painter.setPen(QPen(pen, m_drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(p / dpr, q / dpr);
    const QRectF span = QRectF(p, q).normalized().adjusted(-reach, -reach, reach, reach);
    markDirty(span.toAlignedRect());
}

void PictureBox::circle(float x, float y, float radius, Colour colour)
{
    const double dpr = m_map.devicePixelRatio();
    const QPointF centre = m_map.toDevice(QPointF(x, y)) / dpr;
    const double r = m_map.toDevice(radius) / dpr;
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()) || !std::isfinite(r)
        || std::abs(centre.x()) > 1e6 || std::abs(centre.y()) > 1e6 || std::abs(r) > 1e6)
        return;
    detachImage();
    if (m_observer)
        m_observer->circleDrawn(x, y, radius, m_drawWidth, colour);
    QPainter painter(&m_image);
    painter.setPen(QPen(toQColor(colour), m_drawWidth));
    painter.drawEllipse(centre, r, r);
    const double reach = (std::abs(r) + m_drawWidth) * dpr;
    markDirty(QRectF(centre * dpr - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach))
                      .toAlignedRect());
}

void PictureBox::markDirty(const QRect &deviceRect)
{
    m_dirty |= deviceRect;
    if (m_flushPending)
        return;
    m_flushPending = true;
    QMetaObject::invokeMethod(
            m_surface, [this] { flushDirty(); }, Qt::QueuedConnection);
}

void PictureBox::flushDirty()
{
    m_flushPending = false;
    const double dpr = m_map.devicePixelRatio();
    const QRectF logical(m_dirty.x() / dpr, m_dirty.y() / dpr, m_dirty.width() / dpr,
                         m_dirty.height() / dpr);
    m_dirty = QRect();
    m_surface->update(logical.toAlignedRect());
}

} // namespace ui
