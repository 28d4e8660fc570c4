#pragma once

#include "control.h"
#include "event.h"

namespace ui {

class WindowWidget;

// The top-level window. Width and Height are its outer size, frame included, in twips.
//
// Activate is raised once, when the window is first shown. The program's dialogs and menus are
// its own helpers, not other windows: returning from one of them leaves the layout alone, as does
// switching to another application and back.
class Window : public Control
{
public:
    // `clientWidth` and `clientHeight` (twips) size the client area before anything is written.
    Window(float clientWidth, float clientHeight);

    void setCaption(const QString &caption);
    float width() const override;
    float height() const override;
    void setWidth(float twips) override;
    void setHeight(float twips) override;
    Colour backColor() const { return m_backColor; }
    void setBackColor(Colour colour);

    // Shows the window for the first time and raises Activate.
    void show();

    Event load;
    Event activate;

private:
    friend class WindowWidget;
    void applyOuterSize();
    QSize frameExtra() const;
    void frameMayHaveChanged();

    WindowWidget *m_window;
    float m_clientWidth;
    float m_clientHeight;
    bool m_widthWritten = false;
    bool m_heightWritten = false;
    QSize m_frameExtra;
    Colour m_backColor = 0;
};

} // namespace ui
