#include "random.h"

namespace plot {

float Random::next()
{
    // xorshift32; the top 24 bits give a float in [0, 1) exactly.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return float(m_state >> 8) / float(1u << 24);
}

Random &Random::shared()
{
    static Random random;
    return random;
}

} // namespace plot
