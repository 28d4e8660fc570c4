#pragma once

#include <cstdint>

namespace plot {

// The runtime's pseudo-random numbers in [0, 1). It is never seeded from the clock or anything
// else that varies: every run of the program draws the same sequence.
class Random
{
public:
    float next();
    void restart() { m_state = kStart; }

    static Random &shared();

private:
    static constexpr std::uint32_t kStart = 0x2545F491u;
    std::uint32_t m_state = kStart;
};

} // namespace plot
