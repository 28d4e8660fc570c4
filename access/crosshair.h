#pragma once

#include <QPointF>
#include <QWidget>

#include <optional>

namespace ui {
class PictureBox;
}

// A crosshair over the plot area at a point given in twips, drawn over the drawing without
// entering it, beneath the controls placed on the area.
class Crosshair : public QWidget
{
public:
    explicit Crosshair(ui::PictureBox &area);

    const std::optional<QPointF> &at() const { return m_at; } // twips
    void setAt(std::optional<QPointF> twips);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<QPointF> m_at;
};
