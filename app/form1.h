#pragma once

#include "access/plotstory.h"

#include "ui/combobox.h"
#include "ui/commandbutton.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/scrollbar.h"
#include "ui/shape.h"
#include "ui/textbox.h"
#include "ui/timer.h"
#include "ui/window.h"

#include <QImage>

#include <array>

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

    // Beside the design: what the plot area holds, told for screen readers, and the status they
    // announce news through.
    PlotStory story;
    QWidget *announcer = nullptr;
    // The drawing the last clear of the plot area erased, kept for Undo Clear until the next plot.
    QImage erased;

private:
    void design();
    void stack();
    void wireEvents();
};
