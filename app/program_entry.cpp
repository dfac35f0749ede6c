// The program's entry: starting values, one seed from the clock, then the
// modal dialog, which is the whole main loop.
#include <cstdint>
#include <ctime>

#include "batch_state.h"
#include "main_dialog.h"
#include "platform.h"
#include "random_source.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    kestrune::reset_batch_state();
    kestrune::srand(static_cast<std::uint32_t>(std::time(nullptr)));
    // Returns when the dialog ends, or at once if it cannot be created;
    // either way the program has nothing more to do.
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, kestrune::main_dialog_proc, 0);
    return 0;
}
