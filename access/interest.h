#pragma once

#include <cstddef>
#include <limits>
#include <vector>

namespace plot {
struct PlotRecord;
}

// A point of a plot worth going to, found in the dots it drew: where the curve crosses or touches
// y = 0, turns (a local maximum or minimum of the dots), crosses the y axis, leaves or enters the
// sheet, and the walk's two ends, each at one dot, which may be several of these at once; and
// where the curve breaks off: a pole, where the dots jump from running off one way to coming
// back from the other, or where an error stopped the walk. A break is a point of its own, told
// before the dot of its step: at a pole, the one of the two dots beside it that is nearer it; where
// the walk stopped, the step after the last dot, which has none.
struct Interest
{
    enum Kind : unsigned {
        Start = 1 << 0,
        End = 1 << 1,
        Gap = 1 << 2,
        Stopped = 1 << 3,
        Maximum = 1 << 4,
        Minimum = 1 << 5,
        Crossing = 1 << 6, // of y = 0
        Touch = 1 << 7,    // of y = 0, from one side and back
        YAxis = 1 << 8,    // x = 0
        Leaves = 1 << 9,   // the last dot on the sheet before it leaves
        Enters = 1 << 10,  // the first dot on the sheet after it enters
    };
    static constexpr unsigned kBreaks = Gap | Stopped;

    unsigned kinds = 0;
    std::size_t step = 0; // the walk's step: the dot's place among the record's dots
    double x = 0;         // graph units, the walk's own x at that step
    // The dot's ordinate; none (NaN) for a break.
    double y = std::numeric_limits<double>::quiet_NaN();
};

// Every point of interest of `record`, in the order of the walk.
std::vector<Interest> pointsOfInterest(const plot::PlotRecord &record);

// Whether the walk of `record` ended before its end, by an error.
bool walkStopped(const plot::PlotRecord &record);
