#include "frame.h"

#include "checked.h"

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

double GraphMapping::scale(double upper, float height)
{
    return checked::mul(checked::div(upper, height), 200);
}

double GraphMapping::toX(double x) const
{
    return checked::add(cx, checked::mul(s, checked::mul(1000, x)));
}

double GraphMapping::toY(double y) const
{
    return checked::sub(cy, checked::mul(s, checked::mul(y, 1000)));
}

} // namespace plot
