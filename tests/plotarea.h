#pragma once

// A plot area of 10240 x 7680 twips on a plain white background, and what the Plot button reads.
#include "plot/plotroutine.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/screen.h"
#include "ui/textbox.h"

#include <QStringList>
#include <QWidget>

struct PlotArea
{
    QWidget window;
    ui::PictureBox P {&window};
    ui::Label L4 {&window}, L5 {&window};
    std::array<ui::TextBox, 4> T6 {{ui::TextBox {&window}, ui::TextBox {&window},
                                    ui::TextBox {&window}, ui::TextBox {&window}}};
    ui::TextBox Text1 {&window};

    PlotArea( // range: the captions of L4 and L5, blank-separated (" ": bars untouched)
            const QString &code = {}, const QString &range = {},
            const QStringList &boxes = {"1", "1", "1", "1"})
    {
        P.place(2560, 1920, 10240, 7680);
        P.setDrawWidth(3);
        Text1.setText(code);
        L4.setCaption(range.section(' ', 0, 0));
        L5.setCaption(range.section(' ', 1, 1));
        for (int i = 0; i < 4; ++i)
            T6[i].setText(boxes[i]);
    }
    // The colour of the image's pixel under the point (x, y) in twips.
    QRgb at(float x, float y) const
    {
        const QPointF p = ui::Screen::mapping()
                                  .withDevicePixelRatio(P.image().devicePixelRatio())
                                  .toDevice(QPointF(x, y));
        return P.image().pixel(int(p.x()), int(p.y()));
    }
    // Plots; `record` tells where the walk was when it ended and the mapping it drew with.
    void plot(plot::PlotRecord *record = nullptr)
    {
        plot::Cp_Click({P, L4, L5, {&T6[0], &T6[1], &T6[2], &T6[3]}, Text1, QLocale::c(), record});
    }
};
