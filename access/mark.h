#pragma once

#include <QPointF>
#include <QWidget>

#include <optional>

namespace ui {
class PictureBox;
}

// A mark over the plot area at a point given in twips, drawn over the drawing without entering
// it, beneath the controls placed on the area: the crosshair's cross, or the ring that the trace
// puts on the curve.
class AreaMark : public QWidget
{
public:
    enum class Look { Cross, Ring };
    AreaMark(ui::PictureBox &area, Look look);

    const std::optional<QPointF> &at() const { return m_at; } // twips
    void setAt(std::optional<QPointF> twips);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Look m_look;
    std::optional<QPointF> m_at;
};
