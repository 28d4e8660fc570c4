#include "twips.h"

#include <algorithm>
#include <cmath>

namespace ui {

int TwipsMapping::pixel(double twips) const
{
    // Qt's own limit on a widget's size; differences of two such edges still fit in an int.
    constexpr double kLimit = 16777215;
    const double pixels = toPixels(twips);
    if (std::isnan(pixels))
        return 0;
    return static_cast<int>(std::lround(std::clamp(pixels, -kLimit, kLimit)));
}

QRect TwipsMapping::pixelRect(double left, double top, double width, double height) const
{
    const int x0 = pixel(left);
    const int y0 = pixel(top);
    const int x1 = pixel(left + width);
    const int y1 = pixel(top + height);
    return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

} // namespace ui
