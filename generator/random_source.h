// The one pseudo-random generator every password character comes from: a
// 32-bit linear congruential generator whose draws are bits 16 to 30 of the
// state. The sequence for a given seed is part of the program's behaviour,
// so these are our own srand and rand, never the C library's.
#pragma once

#include <cstdint>

namespace kestrune {

constexpr std::uint32_t LCG_MULTIPLIER = 22695477u;  // 0x015A4E35
constexpr std::uint32_t LCG_INCREMENT = 1u;
constexpr int RAND_MAX_VALUE = 0x7FFF;

// The state before the first srand.
constexpr std::uint32_t RANDOM_STATE_AT_START = 1u;

// The shared state; read and written only on the thread that draws.
extern std::uint32_t random_state;

inline std::uint32_t lcg_next(std::uint32_t state)
{
    return state * LCG_MULTIPLIER + LCG_INCREMENT;  // wraps at 2^32
}

inline int lcg_draw(std::uint32_t state)
{
    return static_cast<int>((state >> 16) & RAND_MAX_VALUE);
}

void srand(std::uint32_t seed);
int rand();

}  // namespace kestrune
