// Resource and control identifiers of the main dialog, shared by the
// resource script and the C++ code.
#pragma once

// The platform's headers define IDC_SIZE as a cursor. Reading them here
// first (their guard makes later includes no-ops) and then taking the name
// back keeps control 101 at 101 whichever header a file includes first.
#if defined(_WIN32)
#include <windows.h>
#endif
#ifdef IDC_SIZE
#undef IDC_SIZE
#endif

#define IDD_MAIN 1
#define IDI_MAIN 1

#define IDC_SIZE 101
#define IDC_COUNT_LABEL 102
#define IDC_SIZE_LABEL 103
#define IDC_CHARLIST_GROUP 104
#define IDC_MAKE 105
#define IDC_EXIT 106
#define IDC_METHOD_LOWER_DIGITS 107
#define IDC_METHOD_MIXED_DIGITS 108
#define IDC_METHOD_HEX 109
#define IDC_METHOD_MIXED_SYMBOLS 110
#define IDC_OUTPUT 111
#define IDC_COUNT 112
#define IDC_SIZE_HINT 113
#define IDC_COUNT_HINT 114

// The poll timer that watches for a finished batch.
#define IDT_POLL 100
#define POLL_PERIOD_MS 500
