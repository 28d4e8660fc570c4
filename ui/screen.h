#pragma once

#include "twips.h"

#include <QSize>

namespace ui {

// The whole display, as the program sees it: its size in twips and the twips in one pixel.
class Screen
{
public:
    static float width();  // twips
    static float height(); // twips
    static TwipsMapping mapping();

    // Lets a test pretend the display is `pixels` large (an empty size restores the real one).
    static void overrideSize(QSize pixels);

private:
    static QSize pixelSize();
};

} // namespace ui
