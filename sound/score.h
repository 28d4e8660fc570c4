#pragma once

// Between the mapping of plots to what each moment sounds like and the making of the samples.

#include "generator.h"

#include <cmath>
#include <limits>
#include <vector>

namespace sound {

inline constexpr double lowHz = 200;         // the bottom edge of the sheet
inline constexpr double highHz = 1600;       // the top edge
inline constexpr double rampSeconds = 0.005; // every change of loudness takes this long

inline constexpr float silent = std::numeric_limits<float>::quiet_NaN();

inline qint64 frames(double seconds)
{
    return std::llround(seconds * sampleRate);
}

// What each frame is to sound like: a height on the sheet (0 the bottom edge, 1 the top, beyond
// them off the sheet) or silence, where it stands from left to right, where ticks start and where
// the marks of turning points start.
struct Score
{
    std::vector<float> height;
    std::vector<float> pan;
    std::vector<qint64> ticks;
    std::vector<qint64> marks;

    void append(qint64 count, float h, float p)
    {
        height.insert(height.end(), count, h);
        pan.insert(pan.end(), count, p);
    }
    float lastPan() const { return pan.empty() ? 0.5f : pan.back(); }
};

// The samples of `score` and `tail` frames after it, for the sound to die away: a tone at each
// height on the sheet, noise beyond it, a tick or a mark where each starts; a change is never a
// click.
Samples render(const Score &score, qint64 tail);

} // namespace sound
