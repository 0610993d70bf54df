#pragma once

#include <cstdint>

namespace zek {

// The program's one random generator: uniform values in [0, 1).
// Unseeded it always starts the same way, so the drill's random draws repeat
// from one program start to the next until a game seeds it from the clock.
class Random {
public:
    static constexpr std::uint64_t defaultSeed = 0x5A454B2D4B415254ULL; // "ZEK-KART"

    Random() = default;
    virtual ~Random() = default;

    virtual void seed(std::uint64_t value) { m_state = value; }
    virtual double next();

private:
    std::uint64_t m_state = defaultSeed;
};

} // namespace zek
