#include "main_dialog.h"

#include <atomic>

#include "batch_state.h"
#include "make_passwords.h"

namespace kestrune {

namespace {

void enable_make_button(HWND dialog, BOOL enable)
{
    EnableWindow(GetDlgItem(dialog, IDC_MAKE), enable);
}

INT_PTR on_init(HWND dialog)
{
    CheckRadioButton(dialog, IDC_METHOD_LOWER_DIGITS, IDC_METHOD_MIXED_SYMBOLS,
                     IDC_METHOD_MIXED_SYMBOLS);
    // A fixed pitch lines the passwords up in columns. Stock objects are
    // never freed.
    SendDlgItemMessageA(dialog, IDC_OUTPUT, WM_SETFONT,
                        reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)), TRUE);
    return TRUE;  // the dialog manager focuses the first tab stop
}

INT_PTR on_command(HWND dialog, WORD id)
{
    switch (id) {
    case IDC_MAKE:
        // Disabled until the batch is shown, so at most one outputer runs.
        enable_make_button(dialog, FALSE);
        if (!make_passwords(dialog))
            enable_make_button(dialog, TRUE);
        return TRUE;
    case IDC_EXIT:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;  // IDOK, IDCANCEL and the rest: Escape does nothing
    }
}

INT_PTR on_timer(HWND dialog)
{
    // Acquire pairs with the outputer's release: the text is complete.
    if (output_ready.load(std::memory_order_acquire) == 1) {
        KillTimer(dialog, IDT_POLL);
        output_ready.store(0, std::memory_order_relaxed);
        enable_make_button(dialog, TRUE);
        // The next batch cannot start before this returns to the loop.
        SetDlgItemTextA(dialog, IDC_OUTPUT, output_text);
    }
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK main_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return on_init(dialog);
    case WM_COMMAND:
        return on_command(dialog, LOWORD(wparam));
    case WM_TIMER:
        return on_timer(dialog);
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace kestrune
