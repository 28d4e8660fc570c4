#pragma once

// Sound as a listener measures it: 44.1 kHz samples, left and right interleaved. Stretches are
// given in frames, [from, to), and cut to the sound.
#include "sound/generator.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

inline const auto frameCount = [](const sound::Samples &s) { return qint64(s.size()) / 2; };

// Where the sound, left and right added, rises through zero, in frames between samples.
inline std::vector<double> rises(const sound::Samples &s, qint64 from = 0, qint64 to = INT64_MAX)
{
    std::vector<double> at;
    for (qint64 k = std::max<qint64>(from, 0) + 1; k < std::min(to, frameCount(s)); ++k) {
        const double a = s[2 * k - 2] + s[2 * k - 1], b = s[2 * k] + s[2 * k + 1];
        if (a < 0 && b >= 0)
            at.push_back(k - 1 + a / (a - b));
    }
    return at;
}

// Hz, from the rises: a tone's periods. 0 where there are fewer than two.
inline double pitch(const sound::Samples &s, qint64 from = 0, qint64 to = INT64_MAX)
{
    const std::vector<double> at = rises(s, from, to);
    return at.size() < 2 ? 0 : (at.size() - 1) * sound::sampleRate / (at.back() - at.front());
}

// The root mean square of channel 0 (left), 1 (right) or 2 (both: their powers added).
inline double rms(const sound::Samples &s, qint64 from = 0, qint64 to = INT64_MAX, int c = 2)
{
    double sum = 0, n = 0;
    for (qint64 k = std::max<qint64>(from, 0); k < std::min(to, frameCount(s)); ++k, ++n)
        for (int i = 0; i < 2; ++i)
            sum += i == c || c == 2 ? double(s[2 * k + i]) * s[2 * k + i] : 0;
    return n > 0 ? std::sqrt(sum / n) : 0;
}

// How much louder the left channel is than the right.
inline double balance(const sound::Samples &s, qint64 from = 0, qint64 to = INT64_MAX)
{
    return rms(s, from, to, 0) / rms(s, from, to, 1);
}
