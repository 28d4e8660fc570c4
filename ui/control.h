#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace ui {

// Colours are packed as red + 256 * green + 65536 * blue, each component 0..255.
using Colour = quint32;
constexpr Colour rgb(int r, int g, int b)
{
    return Colour(r) | Colour(g) << 8 | Colour(b) << 16;
}
QColor toQColor(Colour colour);

// What every control shares: a place in its container, in twips, that reads back exactly as it
// was written, projected onto its widget in whole pixels. The control owns its widget.
class Control
{
public:
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    QWidget *widget() const { return m_widget; }

    // A place or size that the widget cannot take (its contents cannot be made that large) throws
    // from the setters and place(), and the control keeps the place and size it had.
    float left() const { return m_left; }
    float top() const { return m_top; }
    virtual float width() const { return m_width; }
    virtual float height() const { return m_height; }
    void setLeft(float twips);
    void setTop(float twips);
    virtual void setWidth(float twips);
    virtual void setHeight(float twips);
    void setVisible(bool visible);

    // Design time: the place and size in twips, and the position in the tab order (-1: none).
    void place(float left, float top, float width, float height);
    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int index) { m_tabIndex = index; }
    void setDesignFont(const QString &family, double points, bool bold);

protected:
    explicit Control(QWidget *widget);
    void applyGeometry();
    // The widget's rectangle in pixels for the place and size in twips.
    virtual QRect pixelRect() const;
    // Called after the widget has taken a new pixel rectangle.
    virtual void geometryApplied() { }

    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;

private:
    QPointer<QWidget> m_widget;
    int m_tabIndex = -1;
};

} // namespace ui
