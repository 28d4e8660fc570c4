#include "picturebox.h"

#include "drawingrecord.h"
#include "runtimeerror.h"
#include "screen.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace ui {

constexpr int kCrosshairArm = 10; // pixels

class Surface : public QWidget
{
public:
    Surface(PictureBox *box, QWidget *parent) : QWidget(parent), m_box(box)
    {
        // Deliberately not WA_OpaquePaintEvent, although the image covers every pixel: Qt paints
        // a moved opaque widget on its own, without the siblings stacked above it, so the range
        // bar placed over the box's edge at activation was painted over at the first paint on
        // larger screens.
        setAttribute(Qt::WA_StaticContents);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setClipRect(event->rect());
        painter.drawImage(QPointF(0, 0), m_box->m_image);
        if (m_box->m_crosshair) {
            const QPoint c = m_box->globalPosition(*m_box->m_crosshair) - mapToGlobal(QPoint());
            painter.setPen(QPen(Qt::blue, 1));
            painter.drawLine(c.x() - kCrosshairArm, c.y(), c.x() + kCrosshairArm, c.y());
            painter.drawLine(c.x(), c.y() - kCrosshairArm, c.x(), c.y() + kCrosshairArm);
        }
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (m_box->m_pointerHook)
            m_box->m_pointerHook(event->position() * Screen::mapping().perPixel());
        QWidget::mouseMoveEvent(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (m_box->keyHook && m_box->keyHook(event->key()))
            return;
        QWidget::keyPressEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && !onControl(event->position().toPoint()))
            m_box->dblClick.raise();
    }

private:
    // Controls lying over the box let the mouse through to it, but a double-click on one of them
    // is meant for that control, not for the box.
    bool onControl(QPoint point) const
    {
        const auto children = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        return std::any_of(children.begin(), children.end(), [point](const QWidget *child) {
            return child->isVisible() && child->geometry().contains(point);
        });
    }

    PictureBox *m_box;
};

namespace {

// Clips the segment p-q to `bounds` (Liang-Barsky); false when nothing of it is inside.
bool clipSegment(QPointF &p, QPointF &q, const QRectF &bounds)
{
    double t0 = 0, t1 = 1;
    const double dx = q.x() - p.x(), dy = q.y() - p.y();
    const double edges[4][2] = {{-dx, p.x() - bounds.left()},
                                {dx, bounds.right() - p.x()},
                                {-dy, p.y() - bounds.top()},
                                {dy, bounds.bottom() - p.y()}};
    for (const auto &[step, room] : edges) {
        if (step == 0) {
            if (room < 0)
                return false;
            continue;
        }
        const double t = room / step;
        if (step < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = p;
    p = start + QPointF(dx * t0, dy * t0);
    q = start + QPointF(dx * t1, dy * t1);
    return true;
}

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

PictureBox::PictureBox(QWidget *container) : Control(new Surface(this, container))
{
    m_surface = static_cast<Surface *>(widget());
    rebuildBackground(false);
}

PictureBox::~PictureBox() = default;

QWidget *PictureBox::container() const
{
    return m_surface;
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
    const double dpr = m_surface->devicePixelRatioF();
    if (dpr > 1.0) {
        const QFileInfo info(path);
        const QString dense = info.path() + QLatin1Char('/') + info.completeBaseName()
                + QLatin1String("@2x.") + info.suffix();
        QImage sharp(dense);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            m_picture = sharp.convertToFormat(QImage::Format_RGB32);
        }
    }
    rebuildBackground(false);
}

void PictureBox::geometryApplied()
{
    // A move keeps the image as it is; only a new size or pixel density needs a new one.
    const double dpr = m_surface->devicePixelRatioF();
    const QSize device = deviceSize(dpr);
    if (dpr != m_dpr || device != m_image.size())
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
    m_dpr = dpr;
    m_devicePerTwip = m_dpr / Screen::mapping().perPixel();
    m_background = background;
    m_image = image;
    if (m_record) {
        if (!keepDrawing)
            m_record->clear();
        m_record->setArea(m_surface->size());
    }
    markDirty(m_image.rect());
}

void PictureBox::setRecord(DrawingRecord *record)
{
    m_record = record;
    if (m_record)
        m_record->setArea(m_surface->size());
}

void PictureBox::detachImage()
{
    if (m_image.isDetached() || m_image.isNull())
        return;
    QImage own = allocate(m_image.size());
    if (own.isNull())
        outOfImageMemory(m_image.size());
    own.setDevicePixelRatio(m_dpr);
    std::memcpy(own.bits(), m_image.constBits(), size_t(m_image.sizeInBytes()));
    m_image = own;
}

void PictureBox::cls()
{
    m_image = m_background;
    if (m_record)
        m_record->clear();
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

QPointF PictureBox::toDevice(float x, float y) const
{
    return QPointF(x * m_devicePerTwip, y * m_devicePerTwip);
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
    if (m_record)
        m_record->line(x1, y1, x2, y2, m_drawWidth, colour);
    QPointF p = toDevice(x1, y1);
    QPointF q = toDevice(x2, y2);
    const QColor pen = toQColor(colour);
    if (std::abs(q.x() - p.x()) < 1 && std::abs(q.y() - p.y()) < 1) {
        // A segment shorter than a device pixel shows as one dot of the pen's width.
        stampDot(p.x(), p.y(), pen.rgb());
        return;
    }
    const double reach = m_drawWidth * m_dpr;
    if (!clipSegment(p, q, QRectF(m_image.rect()).adjusted(-reach, -reach, reach, reach)))
        return;
    QPainter painter(&m_image);
    painter.setPen(QPen(pen, m_drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(p / m_dpr, q / m_dpr);
    const QRectF span = QRectF(p, q).normalized().adjusted(-reach, -reach, reach, reach);
    markDirty(span.toAlignedRect());
}

void PictureBox::circle(float x, float y, float radius, Colour colour)
{
    const QPointF centre = toDevice(x, y) / m_dpr;
    const double r = radius * m_devicePerTwip / m_dpr;
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()) || !std::isfinite(r)
        || std::abs(centre.x()) > 1e6 || std::abs(centre.y()) > 1e6 || std::abs(r) > 1e6)
        return;
    detachImage();
    if (m_record)
        m_record->circle(x, y, radius, m_drawWidth, colour);
    QPainter painter(&m_image);
    painter.setPen(QPen(toQColor(colour), m_drawWidth));
    painter.drawEllipse(centre, r, r);
    const double reach = (std::abs(r) + m_drawWidth) * m_dpr;
    markDirty(QRectF(centre * m_dpr - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach))
                      .toAlignedRect());
}

const std::vector<std::pair<int, int>> &PictureBox::dotSpans(int d)
{
    // The columns of each row of a round dot d device pixels wide.
    if (d != m_spanWidth) {
        m_spans.clear();
        const double mid = (d - 1) / 2.0;
        const double r2 = d * d / 4.0;
        for (int o = 0; o < d; ++o) {
            const double half = std::sqrt(std::max(0.0, r2 - (o - mid) * (o - mid)));
            m_spans.emplace_back(int(std::ceil(mid - half)), int(std::floor(mid + half)));
        }
        m_spanWidth = d;
    }
    return m_spans;
}

void PictureBox::stampDot(double cx, double cy, QRgb colour)
{
    const int d = std::max(1, int(std::lround(m_drawWidth * m_dpr)));
    const int w = m_image.width();
    const int h = m_image.height();
    // Far-away and non-finite points are rejected before any conversion to int.
    if (!(cx > -d && cx < w + d && cy > -d && cy < h + d))
        return;
    const int bx = int(std::floor(cx + 0.5 - d / 2.0));
    const int by = int(std::floor(cy + 0.5 - d / 2.0));
    const auto &spans = dotSpans(d);
    bool drew = false;
    for (int o = 0; o < d; ++o) {
        const int y = by + o;
        if (y < 0 || y >= h)
            continue;
        const int from = std::max(0, bx + spans[o].first);
        const int to = std::min(w - 1, bx + spans[o].second);
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = from; x <= to; ++x)
            row[x] = colour;
        drew = drew || from <= to;
    }
    if (drew)
        markDirty(QRect(bx, by, d, d));
}

void PictureBox::setPointerHook(std::function<void(QPointF)> hook)
{
    m_pointerHook = std::move(hook);
    m_surface->setMouseTracking(static_cast<bool>(m_pointerHook));
}

QPoint PictureBox::globalPosition(QPointF twips) const
{
    return m_surface->mapToGlobal((twips / Screen::mapping().perPixel()).toPoint());
}

void PictureBox::setCrosshair(std::optional<QPointF> twips)
{
    const auto area = [this](const std::optional<QPointF> &at) {
        if (!at)
            return QRect();
        const QPoint c = (*at / Screen::mapping().perPixel()).toPoint();
        return QRect(c, c).adjusted(-kCrosshairArm, -kCrosshairArm, kCrosshairArm, kCrosshairArm);
    };
    m_surface->update(area(m_crosshair) | area(twips));
    m_crosshair = twips;
}

QRgb PictureBox::pixelAt(float x, float y) const
{
    const QPointF p = toDevice(x, y);
    return m_image.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
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
    const QRectF logical(m_dirty.x() / m_dpr, m_dirty.y() / m_dpr, m_dirty.width() / m_dpr,
                         m_dirty.height() / m_dpr);
    m_dirty = QRect();
    m_surface->update(logical.toAlignedRect());
}

} // namespace ui
