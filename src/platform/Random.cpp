#include "Random.h"

namespace zek {

// splitmix64: small, fast and good enough for drawing cards and letters.
double Random::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // the top 53 bits make a double in [0, 1)
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

} // namespace zek
