#pragma once

#include "ui/combobox.h"
#include "ui/commandbutton.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/scrollbar.h"
#include "ui/shape.h"
#include "ui/textbox.h"
#include "ui/timer.h"
#include "ui/window.h"

#include <array>
#include <functional>
#include <utility>
#include <vector>

namespace plot {
struct PlotRecord;
}
namespace ui {
class RuntimeError;
}

// The one window and all its controls, as designed; the members are declared in the design's
// order, which is also the stacking order from top to bottom. The window's state lives in the
// properties of these controls, and each event is wired to the handler named after it.
class Form1
{
public:
    Form1();

    // Raises Load, then shows the window, which raises Activate.
    void start();

    void Form_Load();
    void Form_Activate();

    // Every control that can hold the keyboard focus, in tab order.
    std::vector<QWidget *> tabOrder() const;

    ui::Window window {14070, 7320};
    QWidget *const w = window.widget();

    ui::Timer Timer5 {5000};
    ui::Timer Timer4 {100};
    ui::Timer Timer3 {3};
    ui::TextBox Text2 {w};
    ui::Timer Timer2 {200};
    ui::TextBox Text1 {w};
    std::array<ui::TextBox, 4> T6 {
            {ui::TextBox {w}, ui::TextBox {w}, ui::TextBox {w}, ui::TextBox {w}}};
    ui::Timer Timer1 {10};
    ui::VScrollBar V2 {w, 0, 30};
    ui::VScrollBar V1 {w, -30, 0};
    ui::ComboBox l1 {w};
    ui::CommandButton Cp {w, QStringLiteral("Plot")};
    ui::PictureBox P {w};
    ui::Label s4 {P.container()};
    ui::Label s3 {P.container()};
    ui::Label s2 {P.container()};
    ui::Label s1 {P.container()};
    ui::Label cl {w};
    ui::Shape Shape1_3 {w, ui::rgb(255, 0, 0)};
    ui::Label mes {w};
    std::array<ui::Label, 4> L6 {{ui::Label {w}, ui::Label {w}, ui::Label {w}, ui::Label {w}}};
    ui::Label Label1 {w};
    ui::Label L5 {w};
    ui::Label L4 {w};
    ui::Label L3 {w};
    ui::Label L2 {w};

    // Beside the design, where what is built around the window joins in: before each press of
    // Plot; after it, with what the walk got to and the error that ended it, if one did (before
    // that error is reported); before and after each clear of the plot area. Hooks run in the
    // order they were added.
    using PlotHook = std::function<void(const plot::PlotRecord &, const ui::RuntimeError *)>;
    void beforePlot(std::function<void()> hook) { m_beforePlot.push_back(std::move(hook)); }
    void afterPlot(PlotHook hook) { m_afterPlot.push_back(std::move(hook)); }
    void beforeClear(std::function<void()> hook) { m_beforeClear.push_back(std::move(hook)); }
    void afterClear(std::function<void()> hook) { m_afterClear.push_back(std::move(hook)); }

private:
    void design();
    void stack();
    void wireEvents();

    std::vector<std::function<void()>> m_beforePlot;
    std::vector<PlotHook> m_afterPlot;
    std::vector<std::function<void()>> m_beforeClear;
    std::vector<std::function<void()>> m_afterClear;
};
