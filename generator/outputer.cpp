#include "outputer.h"

#include <cstring>

#include "batch_state.h"
#include "random_source.h"
#include "remainder.h"

namespace kestrune {

void output_batch()
{
    const char* const list = charlist;
    const std::uint32_t list_len = static_cast<std::uint32_t>(std::strlen(list));
    if (list_len < 1) {
        std::memcpy(output_text, EMPTY_CHARLIST_TEXT, sizeof EMPTY_CHARLIST_TEXT);
        output_ready.store(1, std::memory_order_release);
        return;
    }

    std::memset(output_text, 0, sizeof output_text);

    // The generator state lives in a local for the batch: the stores into
    // output_text are char stores and would otherwise force it through
    // memory on every draw. Only this thread draws while a batch runs.
    std::uint32_t state = random_state;
    const std::uint32_t reciprocal = remainder_reciprocal(list_len);
    const int passwords = count;
    const int chars = size;
    char* out = output_text;
    for (int p = 0; p < passwords; ++p) {
        for (int c = 0; c < chars; ++c) {
            state = lcg_next(state);
            *out++ = list[remainder(static_cast<std::uint32_t>(lcg_draw(state)), list_len, reciprocal)];
        }
        out[0] = '\r';
        out[1] = '\n';
        out[2] = '\0';
        out += LINE_END_LENGTH;
    }
    random_state = state;

    output_ready.store(1, std::memory_order_release);
}

thread_exit_code KESTRUNE_THREAD_CALL outputer_thread(void*)
{
    output_batch();
    return 0;
}

}  // namespace kestrune
