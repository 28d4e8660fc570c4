#include "form1.h"

#include "plot/catalogue.h"
#include "plot/checked.h"

#include "ui/screen.h"

// Runs once, before the window is shown. Each step reads what it needs from the controls as they
// are at that step; the additions to the list are interleaved with the layout on purpose.
void Form1::Form_Load()
{
    const auto &entries = plot::catalogue();
    l1.addItem(entries[0].text);
    P.setDrawWidth(3);
    l1.addItem(entries[1].text);

    // The corner blocks become squares: their heights, too, follow the width of P.
    for (ui::Label *block : {&s1, &s2, &s3, &s4})
        block->setWidth(checked::toSingle(checked::mul(P.width(), 0.05)));
    for (ui::Label *block : {&s1, &s2, &s3, &s4})
        block->setHeight(checked::toSingle(checked::mul(P.width(), 0.05)));

    window.setCaption(QStringLiteral("Curvanta") + QString(64, QLatin1Char(' '))
                      + QStringLiteral("Powerred by:Korvel"));
    cl.setTop(checked::toSingle(checked::sub(P.top(), cl.height())));
    cl.setLeft(checked::toSingle(checked::sub(checked::add(checked::div(P.width(), 2), P.left()),
                                              checked::div(cl.width(), 2))));
    l1.addItem(entries[2].text);

    mes.setWidth(checked::toSingle(
            checked::mul(checked::sub(window.width(), checked::add(P.width(), P.left())), 0.5)));
    mes.setLeft(checked::toSingle(checked::add(
            checked::div(checked::add(checked::add(P.width(), P.left()), ui::Screen::width()), 2),
            checked::mul(mes.width(), 0.5))));
    for (size_t i = 3; i < entries.size(); ++i)
        l1.addItem(entries[i].text);
}
