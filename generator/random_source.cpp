#include "random_source.h"

namespace kestrune {

std::uint32_t random_state = RANDOM_STATE_AT_START;

void srand(std::uint32_t seed)
{
    random_state = seed;
}

int rand()
{
    random_state = lcg_next(random_state);
    return lcg_draw(random_state);
}

}  // namespace kestrune
