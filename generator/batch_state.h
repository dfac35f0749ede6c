// The process-wide state through which the dialog hands a request to the
// outputer thread and the outputer hands the finished text back.
//
// count, size and charlist are written by the dialog only while no outputer
// runs, before the thread is created. output_ready is the only hand-off
// between the threads: the outputer stores 1 with release order after the
// last byte of output_text, and the dialog loads it with acquire order before
// it reads the text.
#pragma once

#include <atomic>
#include <cstdint>

#include "charlists.h"

namespace kestrune {

extern std::int32_t count;
extern std::int32_t size;
extern const char* charlist;
extern char output_text[OUTPUT_TEXT_SIZE];
extern std::atomic<std::int32_t> output_ready;
// The platform's handle of the most recently started outputer thread.
extern void* outputer_handle;

// Puts every field back to the value it has when the program starts.
void reset_batch_state();

}  // namespace kestrune
