#include "make_passwords.h"

#include <cstdint>

#include "batch_state.h"
#include "charlists.h"
#include "outputer.h"

static_assert(IDC_SIZE == 101, "control 101 must not be the platform's cursor");

namespace kestrune {

namespace {

constexpr char ERROR_CAPTION[] = "Error";
constexpr char BAD_COUNT_TEXT[] = "Please enter a valid count (1 to 100).";
constexpr char BAD_SIZE_TEXT[] = "Please enter a valid size (1 to 30 chars).";
constexpr char NO_METHOD_TEXT[] = "Please select a valid method.";
constexpr char THREAD_ERROR_CAPTION[] = "Thread Error";
constexpr char THREAD_ERROR_TEXT[] = "Could not create outputer thread.";

struct Method {
    int radio;
    const char* list;
};

// Methods 1 to 4, top to bottom; the first checked one wins.
constexpr Method METHODS[] = {
    {IDC_METHOD_LOWER_DIGITS, CHARLIST_LOWER_DIGITS},
    {IDC_METHOD_MIXED_DIGITS, CHARLIST_MIXED_DIGITS},
    {IDC_METHOD_HEX, CHARLIST_HEX},
    {IDC_METHOD_MIXED_SYMBOLS, CHARLIST_MIXED_SYMBOLS},
};

int report(HWND dialog, const char* text, const char* caption)
{
    MessageBoxA(dialog, text, caption, MB_ICONERROR);
    return 0;
}

// GetDlgItemInt reads unsigned; a value of 2^31 or more turns negative here
// and fails the range test like any other out-of-range number.
std::int32_t read_number(HWND dialog, int id)
{
    return static_cast<std::int32_t>(GetDlgItemInt(dialog, id, nullptr, FALSE));
}

const char* checked_list(HWND dialog)
{
    for (const Method& m : METHODS)
        if (IsDlgButtonChecked(dialog, m.radio) == BST_CHECKED)
            return m.list;
    return nullptr;
}

}  // namespace

int make_passwords(HWND dialog)
{
    // The count is checked before the size, though the size field is above.
    count = read_number(dialog, IDC_COUNT);
    if (count < BATCH_COUNT_MIN || count > BATCH_COUNT_MAX)
        return report(dialog, BAD_COUNT_TEXT, ERROR_CAPTION);

    size = read_number(dialog, IDC_SIZE);
    if (size < BATCH_SIZE_MIN || size > BATCH_SIZE_MAX)
        return report(dialog, BAD_SIZE_TEXT, ERROR_CAPTION);

    const char* list = checked_list(dialog);
    if (!list)
        return report(dialog, NO_METHOD_TEXT, ERROR_CAPTION);
    charlist = list;

    DWORD thread_id = 0;
    outputer_handle = CreateThread(nullptr, 0, outputer_thread, nullptr, 0, &thread_id);
    if (!outputer_handle)
        return report(dialog, THREAD_ERROR_TEXT, THREAD_ERROR_CAPTION);
    // Nothing ever waits on the thread; its end is learned through
    // output_ready. Releasing the handle keeps a long session from piling
    // them up; the thread runs on regardless.
    CloseHandle(outputer_handle);

    SetTimer(dialog, IDT_POLL, POLL_PERIOD_MS, nullptr);
    return 1;
}

}  // namespace kestrune
