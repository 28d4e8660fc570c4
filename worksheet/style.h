#pragma once

#include "drawn/drawn.h"

#include <QFont>

#include <cstddef>

// The look of a worksheet: a pen for each curve, the fonts of its words, and the lengths that keep
// them apart, in pixels of the sheet.
namespace worksheet {

// The pen of plot `index` (from 0): the first red as in the window, the next ones in colours that
// readers with any kind of colour blindness tell apart (from Okabe and Ito's palette), none close
// to the grid's cyan or the axes' black; where `dashed`, the second and later ones also in a dash
// pattern each, so that a copy in black and white tells them apart too. Beyond the palette the
// colours and the patterns come round again.
CurvePen curvePen(std::size_t index, bool dashed);

// The numbers on the axes, the words of the legend, the title above it, and the axes' letters.
QFont numberFont();
QFont legendFont();
QFont titleFont();
QFont letterFont();

inline constexpr double kAxisReach = 2.5; // half the widest pen the axes are drawn with
inline constexpr double kTick = 5;        // a tick mark's reach either side of its axis
inline constexpr double kGap = 4;         // between a number and its tick, and between words
inline constexpr double kMargin = 8;      // between the legend and the sheet's edges

} // namespace worksheet
