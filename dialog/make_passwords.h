// Turns a click on "Make Passwords" into a running batch: reads and checks
// the dialog's fields, stores the request, starts the outputer and arms the
// poll timer.
#pragma once

#include "platform.h"

namespace kestrune {

// 1 when a batch has started and the timer is armed; 0 when nothing was
// started, after the fault has been shown in a message box.
int make_passwords(HWND dialog);

}  // namespace kestrune
