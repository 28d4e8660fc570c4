#pragma once

#include <QPointF>
#include <QtGlobal>

#include <vector>

namespace sound {

inline constexpr int sampleRate = 44100; // frames per second
inline constexpr int channels = 2;       // left, right

// Sound as 16-bit samples, left and right interleaved: left, right, left, right, ...
using Samples = std::vector<qint16>;

// One plot as the sound needs it, in graph units.
struct Plot
{
    double x0 = 0, x1 = 0;        // the walk: lower limit / 1.2 to upper limit / 1.2
    double yBottom = 0, yTop = 0; // the sheet's bottom and top edges
    // Every dot drawn, in the order drawn, off the sheet too. A walk that an error ended has no
    // dots from that step on, and is silent from there to x1.
    std::vector<QPointF> dots;
    // The x of each turning point, in order; with a default, so that braced initialisers
    // naming only the members above stay complete.
    std::vector<double> turns = {};
};

// The plots one after another, in the given order, with a short pause between them. Time runs
// with x: the walk from -25 to 25 lasts `fullSeconds`, a shorter one as much less; x0 sounds on
// the left and x1 on the right. The pitch follows y, logarithmically from about 200 Hz at the
// bottom edge to 1600 Hz at the top; dots above the top or below the bottom edge are a soft hiss
// or a soft rumble instead of a tone; a tick marks each crossing of y = 0, and a short double
// blip, lower and longer than the tick, each turning point. Where no dots were drawn
// (after an error, between dots more than a step of 0.001 apart, or more than half the sheet
// apart vertically, as where tan jumps at a pole) there is silence, of at least 60 ms so that a
// gap is heard. Changes are ramped, never a click. On a sheet without height (upper limit 0)
// every dot plays at the middle pitch, without ticks.
Samples plotSound(const std::vector<Plot> &plots, double fullSeconds = 3);

// About 150 ms of the tone for a height on the sheet (0 the bottom edge, 1 the top; beyond them
// the off-sheet sound), placed at `across` from left (0) to right (1). Empty where `height` is
// not a number: there is nothing to sound.
Samples crosshairTone(double height, double across = 0.5);

} // namespace sound
