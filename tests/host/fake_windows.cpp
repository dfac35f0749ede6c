#include "fake_windows.h"

#include <cctype>
#include <cstdint>

#include "batch_state.h"
#include "ids.h"

namespace fake {

Dialog dialog;

namespace {

int the_dialog;
int the_thread;
int the_font;
int the_instance;

// A control's window handle is its id, offset so it is never null and
// never the dialog's.
constexpr std::uintptr_t CONTROL_HANDLE_BASE = 0x10000;

void log(const std::string& call)
{
    dialog.calls.push_back(call);
    dialog.ready_at_call.push_back(kestrune::output_ready.load());
}

std::string str(long long v) { return std::to_string(v); }

}  // namespace

HWND window() { return reinterpret_cast<HWND>(&the_dialog); }
HANDLE thread_handle() { return &the_thread; }
HGDIOBJ fixed_font() { return reinterpret_cast<HGDIOBJ>(&the_font); }
HINSTANCE instance() { return reinterpret_cast<HINSTANCE>(&the_instance); }

void reset()
{
    dialog = Dialog{};
    const std::pair<int, const char*> texts[] = {
        {IDC_SIZE_LABEL, "Length of each Password :"},
        {IDC_SIZE, "8"},
        {IDC_COUNT_LABEL, "Number of Passwords to make :"},
        {IDC_COUNT, "3"},
        {IDC_CHARLIST_GROUP, "Character List"},
        {IDC_METHOD_LOWER_DIGITS, "Lowercase letters && digits"},
        {IDC_METHOD_MIXED_DIGITS, "Mixed case letters && digits"},
        {IDC_METHOD_HEX, "Hexadecimal number"},
        {IDC_METHOD_MIXED_SYMBOLS, "Mixed case letters, digits && symbols"},
        {IDC_MAKE, "Make Passwords"},
        {IDC_EXIT, "Exit program"},
        {IDC_OUTPUT, "*** NO OUTPUT ***"},
        {IDC_SIZE_HINT, "(1 - 30 chars)"},
        {IDC_COUNT_HINT, "(1 - 100)"},
    };
    for (const auto& t : texts)
        dialog.controls[t.first].text = t.second;
}

void run_thread()
{
    if (dialog.thread_start)
        dialog.thread_start(dialog.thread_parameter);
}

void clear_calls()
{
    dialog.calls.clear();
    dialog.ready_at_call.clear();
}

void check_only(int id)
{
    for (int radio = IDC_METHOD_LOWER_DIGITS; radio <= IDC_METHOD_MIXED_SYMBOLS; ++radio)
        dialog.controls[radio].checked = radio == id ? BST_CHECKED : BST_UNCHECKED;
}

}  // namespace fake

using fake::dialog;

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR tmpl, HWND owner, DLGPROC proc, LPARAM param)
{
    dialog.box_instance = instance;
    dialog.box_template = tmpl;
    dialog.box_owner = owner;
    dialog.box_proc = proc;
    dialog.box_param = param;
    if (dialog.on_dialog_box)
        dialog.on_dialog_box();
    return 0;
}

BOOL EndDialog(HWND, INT_PTR)
{
    fake::log("EndDialog");
    dialog.ended = true;
    return TRUE;
}

BOOL CheckRadioButton(HWND, int first, int last, int check)
{
    fake::log("CheckRadioButton(" + fake::str(first) + "," + fake::str(last) + "," +
              fake::str(check) + ")");
    for (int id = first; id <= last; ++id)
        dialog.controls[id].checked = id == check ? BST_CHECKED : BST_UNCHECKED;
    return TRUE;
}

UINT IsDlgButtonChecked(HWND, int id)
{
    fake::log("IsDlgButtonChecked(" + fake::str(id) + ")");
    return dialog.controls[id].checked;
}

HWND GetDlgItem(HWND, int id)
{
    return reinterpret_cast<HWND>(fake::CONTROL_HANDLE_BASE + static_cast<std::uintptr_t>(id));
}

// An unsigned decimal number after optional leading spaces; 0 when the
// text is empty, holds anything else, or is above the unsigned 32-bit range.
UINT GetDlgItemInt(HWND, int id, BOOL* translated, BOOL)
{
    fake::log("GetDlgItemInt(" + fake::str(id) + ")");
    const std::string& text = dialog.controls[id].text;
    std::size_t i = text.find_first_not_of(' ');
    std::uint64_t value = 0;
    bool ok = i != std::string::npos;
    for (; ok && i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            ok = false;
        else if ((value = value * 10 + static_cast<unsigned>(text[i] - '0')) > UINT32_MAX)
            ok = false;
    }
    if (translated)
        *translated = ok;
    return ok ? static_cast<UINT>(value) : 0;
}

BOOL SetDlgItemTextA(HWND, int id, LPCSTR text)
{
    fake::log("SetDlgItemTextA(" + fake::str(id) + ")");
    dialog.controls[id].text = text;
    return TRUE;
}

LRESULT SendDlgItemMessageA(HWND, int id, UINT message, WPARAM wparam, LPARAM lparam)
{
    fake::log("SendDlgItemMessageA(" + fake::str(id) + "," + fake::str(message) + "," +
              fake::str(lparam) + ")");
    if (message == WM_SETFONT)
        dialog.controls[id].font = reinterpret_cast<HGDIOBJ>(wparam);
    return 0;
}

BOOL EnableWindow(HWND window, BOOL enable)
{
    const auto id = static_cast<int>(reinterpret_cast<std::uintptr_t>(window) -
                                     fake::CONTROL_HANDLE_BASE);
    fake::log("EnableWindow(" + fake::str(id) + "," + fake::str(enable) + ")");
    const bool was_disabled = !dialog.controls[id].enabled;
    dialog.controls[id].enabled = enable != FALSE;
    return was_disabled;
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    fake::log("MessageBoxA");
    dialog.boxes.push_back({owner, text, caption, type});
    return IDOK;
}

UINT_PTR SetTimer(HWND, UINT_PTR id, UINT period_ms, TIMERPROC)
{
    fake::log("SetTimer(" + fake::str(static_cast<long long>(id)) + "," + fake::str(period_ms) +
              ")");
    dialog.timers[id] = period_ms;
    return id;
}

BOOL KillTimer(HWND, UINT_PTR id)
{
    fake::log("KillTimer(" + fake::str(static_cast<long long>(id)) + ")");
    return dialog.timers.erase(id) == 1;
}

HGDIOBJ GetStockObject(int object)
{
    fake::log("GetStockObject(" + fake::str(object) + ")");
    return object == SYSTEM_FIXED_FONT ? fake::fixed_font() : nullptr;
}

HANDLE CreateThread(void*, SIZE_T, LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD,
                    DWORD* thread_id)
{
    fake::log("CreateThread");
    if (dialog.fail_thread_creation)
        return nullptr;
    dialog.thread_start = start;
    dialog.thread_parameter = parameter;
    ++dialog.threads_started;
    if (thread_id)
        *thread_id = 1;
    return fake::thread_handle();
}

BOOL CloseHandle(HANDLE handle)
{
    fake::log("CloseHandle");
    dialog.closed_handles.push_back(handle);
    return TRUE;
}
