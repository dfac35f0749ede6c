// The seam to the Windows services. The dialog code calls them by their
// platform names; for Windows they come from the platform's own headers,
// for the host tests from our stand-in layer, found on the tests' include
// path.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
#include "host_windows.h"
#endif

#include "ids.h"
