#include "form1.h"

#include "plot/checked.h"
#include "plot/frame.h"

#include "ui/screen.h"

#include <QLocale>

// Fits the window to the screen around a plot area two thirds of its size. It runs on every
// activation, with no guard: each step reads the properties it uses at that step, so later steps
// see what earlier ones set, and a repeat gives the same layout.
void Form1::Form_Activate()
{
    using ui::Screen;
    Text2.setText(QLocale().toString(double(mes.fontSize()), 'g', 7));
    Text1.setVisible(false);
    window.setWidth(Screen::width());
    window.setHeight(Screen::height());
    P.setWidth(checked::toSingle(checked::div(Screen::width(), 1.5)));
    P.setHeight(checked::toSingle(checked::div(Screen::height(), 1.5)));
    P.setLeft(checked::toSingle(checked::div(checked::sub(Screen::width(), P.width()), 2)));
    P.setTop(checked::toSingle(checked::div(checked::sub(Screen::height(), P.height()), 2)));
    window.setBackColor(65280);

    s1.setLeft(s1.width());
    s3.setLeft(s3.width());
    s2.setLeft(checked::toSingle(checked::sub(P.width(), s1.width())));
    s4.setLeft(checked::toSingle(checked::sub(P.width(), s1.width())));
    s1.setTop(0);
    s2.setTop(0);
    s3.setTop(checked::toSingle(checked::sub(P.height(), s3.height())));
    s4.setTop(checked::toSingle(checked::sub(P.height(), s3.height())));

    V1.setLeft(checked::toSingle(checked::sub(P.left(), 100)));
    V2.setLeft(checked::toSingle(checked::add(P.width(), P.left())));
    V1.setHeight(P.height());
    V2.setHeight(P.height());
    V1.setTop(P.top());
    V2.setTop(P.top());
    P.setAutoRedraw(true);

    Cp.setWidth(checked::toSingle(checked::mul(Screen::width(), 0.15)));
    Cp.setTop(checked::toSingle(checked::add(P.height(), P.top())));
    Cp.setHeight(checked::toSingle(checked::mul(Screen::height(), 0.05)));
    Cp.setLeft(checked::toSingle(checked::sub(checked::add(checked::div(P.width(), 2), P.left()),
                                              checked::div(Cp.width(), 2))));
    L2.setLeft(checked::toSingle(checked::sub(V1.left(), checked::mul(Screen::width(), 0.05))));
    L3.setLeft(checked::toSingle(checked::sub(V2.left(), checked::mul(Screen::width(), 0.05))));
    L4.setLeft(checked::toSingle(checked::add(checked::add(L2.width(), L2.left()), 100)));
    L5.setLeft(checked::toSingle(checked::add(checked::add(L3.width(), L3.left()), 100)));
    Label1.setTop(checked::toSingle(checked::mul(Screen::height(), 0.02)));
    Label1.setLeft(0);

    plot::DrawAxes(P);

    for (ui::TextBox &box : T6)
        box.setLeft(checked::toSingle(checked::mul(Screen::width(), 0.05)));
    for (ui::Label *caption : {&L2, &L3, &L4, &L5})
        caption->setTop(
                checked::toSingle(checked::sub(P.top(), checked::mul(Screen::height(), 0.05))));
    for (ui::Label &caption : L6)
        caption.setLeft(checked::toSingle(checked::mul(Screen::width(), 0.02)));
    Text2.setVisible(false);
}
