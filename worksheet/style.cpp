#include "style.h"

namespace worksheet {

namespace {

// One family throughout: a drawing embeds each face it uses.
QFont font(int pixels, QFont::Weight weight = QFont::Normal)
{
    QFont font {QStringLiteral("Liberation Sans")};
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

} // namespace

CurvePen curvePen(std::size_t index, bool dashed)
{
    static constexpr ui::Colour kColours[] = {
            plot::kDotColour,       // the window's red
            ui::rgb(0, 114, 178),   // blue
            ui::rgb(230, 159, 0),   // orange
            ui::rgb(0, 158, 115),   // bluish green
            ui::rgb(204, 121, 167), // reddish purple
    };
    static constexpr Qt::PenStyle kPatterns[]
            = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
    CurvePen pen;
    pen.colour = kColours[index % std::size(kColours)];
    if (dashed && index > 0)
        pen.style = kPatterns[(index - 1) % std::size(kPatterns)];
    return pen;
}

QFont numberFont()
{
    return font(12);
}

QFont legendFont()
{
    return font(13);
}

QFont titleFont()
{
    return font(16, QFont::Bold);
}

QFont letterFont()
{
    return font(15);
}

} // namespace worksheet
