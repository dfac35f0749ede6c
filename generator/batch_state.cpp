#include "batch_state.h"

namespace kestrune {

std::int32_t count = 0;
std::int32_t size = 0;
const char* charlist = CHARLIST_LOWER_DIGITS;
char output_text[OUTPUT_TEXT_SIZE] = {};
std::atomic<std::int32_t> output_ready{0};
void* outputer_handle = nullptr;

void reset_batch_state()
{
    output_ready.store(0, std::memory_order_relaxed);
    output_text[0] = '\0';
    charlist = CHARLIST_LOWER_DIGITS;
    count = 0;
    size = 0;
}

}  // namespace kestrune
