#include "frame.h"

#include "ui/picturebox.h"

namespace plot {

void DrawAxes(ui::PictureBox &P)
{
    const float h = P.width() / 2.0f;
    const float v = P.height() / 2.0f;
    P.line(P.width(), v, 0, v);
    P.line(h, P.height(), h, 0);
}

void P_DblClick(ui::PictureBox &P)
{
    P.cls();
    DrawAxes(P);
    P.setDrawWidth(3);
}

} // namespace plot
