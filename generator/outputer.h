// The outputer: builds one batch of passwords from the request in the batch
// state, then raises output_ready. output_batch is the body as a plain call;
// outputer_thread is the same body behind the platform's thread-routine
// contract, so that it can be handed straight to the thread service.
#pragma once

#include <cstdint>

namespace kestrune {

// Shown in place of a batch when the character list is empty.
constexpr char EMPTY_CHARLIST_TEXT[] = "*** ERROR ***\ncharlist_len < 1";

#if defined(_WIN32)
// The platform's DWORD, and its stdcall convention on 32-bit Windows, spelt
// without the platform's headers.
using thread_exit_code = unsigned long;
#if defined(__i386__) || defined(_M_IX86)
#define KESTRUNE_THREAD_CALL __attribute__((stdcall))
#else
#define KESTRUNE_THREAD_CALL
#endif
#else
using thread_exit_code = std::uint32_t;
#define KESTRUNE_THREAD_CALL
#endif

// Requires count in 1..BATCH_COUNT_MAX and size in 1..BATCH_SIZE_MAX; the caller checks.
void output_batch();

// The parameter is ignored; the exit code is always 0.
thread_exit_code KESTRUNE_THREAD_CALL outputer_thread(void* parameter);

}  // namespace kestrune
