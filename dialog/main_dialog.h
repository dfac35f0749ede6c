// The main dialog's procedure: prepares the controls, turns the two push
// buttons into actions, polls for a finished batch and shows it.
#pragma once

#include "platform.h"

namespace kestrune {

INT_PTR CALLBACK main_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace kestrune
