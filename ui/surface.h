#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace ui {

class Event;

// The widget of a picture box: shows the box's drawing and raises its DblClick. Controls placed
// in the box lie over the drawing; overlays lie between the two.
class Surface : public QWidget
{
public:
    // `drawing` and `dblClick` belong to the box and outlive the surface.
    Surface(const QImage &drawing, const Event &dblClick, QWidget *container);

    // Lays `overlay` over the whole drawing, beneath the controls placed in the box. It paints
    // what it likes there and takes no mouse input: a double-click on it is the box's.
    void addOverlay(QWidget *overlay);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool onControl(QPoint point) const;

    const QImage &m_drawing;
    const Event &m_dblClick;
    QList<QPointer<QWidget>> m_overlays;
};

} // namespace ui
