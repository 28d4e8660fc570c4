#include "twips.h"

#include <cmath>

namespace ui {

QRect TwipsMapping::pixelRect(double left, double top, double width, double height) const
{
    const auto edge
            = [this](double twips) { return static_cast<int>(std::lround(toPixels(twips))); };
    const int x0 = edge(left);
    const int y0 = edge(top);
    const int x1 = edge(left + width);
    const int y1 = edge(top + height);
    return QRect(x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

} // namespace ui
