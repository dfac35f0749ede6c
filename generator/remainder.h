// r mod d without a divide, for the draw-to-index step. A hardware divide
// by a length known only at run time costs more than the whole LCG step;
// this is exact for r < 2^16 and 1 <= d < 2^16 (Lemire, Kaser and Kurz,
// "Faster remainder by direct computation", 2019), which covers every draw
// (15 bits) and every list length.
#pragma once

#include <cstdint>

namespace kestrune {

constexpr std::uint32_t remainder_reciprocal(std::uint32_t d)
{
    return UINT32_C(0xFFFFFFFF) / d + 1;  // ceil(2^32 / d); wraps to 0 for d = 1
}

constexpr std::uint32_t remainder(std::uint32_t r, std::uint32_t d, std::uint32_t reciprocal)
{
    const std::uint32_t fraction = reciprocal * r;  // wraps at 2^32 on purpose
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(fraction) * d) >> 32);
}

}  // namespace kestrune
