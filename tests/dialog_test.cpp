// The dialog procedure and the batch start over the test double of the
// Windows services: what each message does and returns, the validation
// order and texts, and the Idle / Running cycle of a batch.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "batch_state.h"
#include "charlists.h"
#include "fake_windows.h"
#include "ids.h"
#include "main_dialog.h"
#include "outputer.h"
#include "random_source.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);

namespace {

using namespace kestrune;
using Calls = std::vector<std::string>;

const char COUNT_TEXT[] = "Please enter a valid count (1 to 100).";
const char SIZE_TEXT[] = "Please enter a valid size (1 to 30 chars).";
const char METHOD_TEXT[] = "Please select a valid method.";

class Dialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_batch_state();
        kestrune::srand(1);
        fake::reset();
        send(WM_INITDIALOG);
        fake::clear_calls();
    }

    static INT_PTR send(UINT message, WPARAM wparam = 0)
    {
        return main_dialog_proc(fake::window(), message, wparam, 0);
    }
    static INT_PTR click(int id) { return send(WM_COMMAND, static_cast<WPARAM>(id)); }
    static INT_PTR tick() { return send(WM_TIMER, IDT_POLL); }

    static fake::Control& control(int id) { return fake::dialog.controls[id]; }
    static bool make_enabled() { return control(IDC_MAKE).enabled; }
    static bool timer_armed() { return fake::dialog.timers.count(IDT_POLL) == 1; }

    static void fill(const char* size_text, const char* count_text, int method)
    {
        control(IDC_SIZE).text = size_text;
        control(IDC_COUNT).text = count_text;
        fake::check_only(method);
    }
};

TEST_F(Dialog, InitChecksMethodFourAndSetsTheFixedFont)
{
    fake::reset();
    EXPECT_EQ(send(WM_INITDIALOG), TRUE);
    for (int id = IDC_METHOD_LOWER_DIGITS; id <= IDC_METHOD_MIXED_SYMBOLS; ++id)
        EXPECT_EQ(control(id).checked, id == IDC_METHOD_MIXED_SYMBOLS ? 1u : 0u) << "radio " << id;
    EXPECT_EQ(control(IDC_OUTPUT).font, fake::fixed_font());
    const Calls expected = {"CheckRadioButton(107,110,110)", "GetStockObject(16)",
                            "SendDlgItemMessageA(111,48,1)"};
    EXPECT_EQ(fake::dialog.calls, expected);
}

TEST_F(Dialog, MessageTable)
{
    struct Case {
        const char* what;
        UINT message;
        WPARAM wparam;
        INT_PTR returns;
        Calls calls;
    };
    const Case cases[] = {
        {"Exit program", WM_COMMAND, IDC_EXIT, TRUE, {"EndDialog"}},
        {"Exit program, notification in the high word", WM_COMMAND, (1u << 16) | IDC_EXIT, TRUE,
         {"EndDialog"}},
        {"IDOK (Enter with no default)", WM_COMMAND, IDOK, FALSE, {}},
        {"IDCANCEL (Escape)", WM_COMMAND, IDCANCEL, FALSE, {}},
        {"another control", WM_COMMAND, IDC_OUTPUT, FALSE, {}},
        {"close request", WM_CLOSE, 0, FALSE, {"EndDialog"}},
        {"tick with nothing ready", WM_TIMER, IDT_POLL, TRUE, {}},
        {"tick of another timer, nothing ready", WM_TIMER, 7, TRUE, {}},
        {"an unhandled message", 0x000F /* WM_PAINT */, 0, FALSE, {}},
        {"Make Passwords",
         WM_COMMAND,
         IDC_MAKE,
         TRUE,
         {"EnableWindow(105,0)", "GetDlgItemInt(112)", "GetDlgItemInt(101)",
          "IsDlgButtonChecked(107)", "IsDlgButtonChecked(108)", "IsDlgButtonChecked(109)",
          "IsDlgButtonChecked(110)", "CreateThread", "CloseHandle", "SetTimer(100,500)"}},
    };
    for (const Case& c : cases) {
        SetUp();
        EXPECT_EQ(send(c.message, c.wparam), c.returns) << c.what;
        EXPECT_EQ(fake::dialog.calls, c.calls) << c.what;
        EXPECT_EQ(fake::dialog.ended, c.calls == Calls{"EndDialog"}) << c.what;
    }
}

TEST_F(Dialog, ValidationReportsTheFirstFaultOnly)
{
    struct Case {
        const char* size;
        const char* count;
        int method;  // 0: none checked
        const char* box;  // nullptr: the batch starts
    };
    const Case cases[] = {
        // count: bounds, signs, non-numbers, 2^31 and beyond, whatever the size says
        {"8", "0", IDC_METHOD_HEX, COUNT_TEXT},
        {"8", "101", IDC_METHOD_HEX, COUNT_TEXT},
        {"8", "-5", IDC_METHOD_HEX, COUNT_TEXT},
        {"8", "abc", IDC_METHOD_HEX, COUNT_TEXT},
        {"8", "", IDC_METHOD_HEX, COUNT_TEXT},
        {"8", "12x", IDC_METHOD_HEX, COUNT_TEXT},
        {"8", "2147483648", IDC_METHOD_HEX, COUNT_TEXT},
        {"8", "4294967295", IDC_METHOD_HEX, COUNT_TEXT},
        {"8", "4294967297", IDC_METHOD_HEX, COUNT_TEXT},   // wraps to 1 if read carelessly
        {"8", "99999999999", IDC_METHOD_HEX, COUNT_TEXT},
        {"31", "0", 0, COUNT_TEXT},                         // all three wrong: count first
        {"", "", IDC_METHOD_HEX, COUNT_TEXT},
        // size
        {"0", "3", IDC_METHOD_HEX, SIZE_TEXT},
        {"31", "3", IDC_METHOD_HEX, SIZE_TEXT},
        {"", "3", IDC_METHOD_HEX, SIZE_TEXT},
        {"x", "3", IDC_METHOD_HEX, SIZE_TEXT},
        {"-1", "3", IDC_METHOD_HEX, SIZE_TEXT},
        {"2147483678", "3", IDC_METHOD_HEX, SIZE_TEXT},     // 2^31 + 30
        {"31", "3", 0, SIZE_TEXT},                          // size before method
        // method
        {"8", "3", 0, METHOD_TEXT},
        // accepted, at and inside the bounds
        {"1", "1", IDC_METHOD_LOWER_DIGITS, nullptr},
        {"30", "100", IDC_METHOD_MIXED_SYMBOLS, nullptr},
        {"8", "3", IDC_METHOD_MIXED_DIGITS, nullptr},
        {"8", "3", IDC_METHOD_HEX, nullptr},
    };
    for (const Case& c : cases) {
        SetUp();
        fill(c.size, c.count, c.method);
        const std::string what = std::string("size \"") + c.size + "\", count \"" + c.count +
                                 "\", method " + std::to_string(c.method);
        EXPECT_EQ(click(IDC_MAKE), TRUE) << what;
        if (c.box) {
            ASSERT_EQ(fake::dialog.boxes.size(), 1u) << what;
            const fake::Box& box = fake::dialog.boxes[0];
            EXPECT_EQ(box.text, c.box) << what;
            EXPECT_EQ(box.caption, "Error") << what;
            EXPECT_EQ(box.type, MB_ICONERROR) << what;
            EXPECT_EQ(box.owner, fake::window()) << what;
            EXPECT_TRUE(make_enabled()) << what;
            EXPECT_FALSE(timer_armed()) << what;
            EXPECT_EQ(fake::dialog.threads_started, 0) << what;
            EXPECT_EQ(control(IDC_OUTPUT).text, "*** NO OUTPUT ***") << what;
        } else {
            EXPECT_TRUE(fake::dialog.boxes.empty()) << what << ": " << fake::dialog.boxes[0].text;
            EXPECT_FALSE(make_enabled()) << what;
            EXPECT_EQ(fake::dialog.timers[IDT_POLL], 500u) << what;
            EXPECT_EQ(fake::dialog.threads_started, 1) << what;
        }
    }
}

TEST_F(Dialog, AcceptedRequestIsStoredForTheOutputer)
{
    struct Case {
        int method;
        const char* list;
    };
    const Case cases[] = {
        {IDC_METHOD_LOWER_DIGITS, CHARLIST_LOWER_DIGITS},
        {IDC_METHOD_MIXED_DIGITS, CHARLIST_MIXED_DIGITS},
        {IDC_METHOD_HEX, CHARLIST_HEX},
        {IDC_METHOD_MIXED_SYMBOLS, CHARLIST_MIXED_SYMBOLS},
    };
    for (const Case& c : cases) {
        SetUp();
        fill(" 12", "7", c.method);
        click(IDC_MAKE);
        EXPECT_EQ(count, 7);
        EXPECT_EQ(size, 12);
        EXPECT_EQ(charlist, c.list) << "radio " << c.method;
        EXPECT_EQ(fake::dialog.thread_start, &outputer_thread);
        EXPECT_EQ(fake::dialog.thread_parameter, nullptr);
        const std::vector<HANDLE> released = {fake::thread_handle()};
        EXPECT_EQ(fake::dialog.closed_handles, released);
    }
}

TEST_F(Dialog, ThreadStartFailureIsReportedAndNothingRuns)
{
    fake::dialog.fail_thread_creation = true;
    EXPECT_EQ(click(IDC_MAKE), TRUE);
    ASSERT_EQ(fake::dialog.boxes.size(), 1u);
    EXPECT_EQ(fake::dialog.boxes[0].text, "Could not create outputer thread.");
    EXPECT_EQ(fake::dialog.boxes[0].caption, "Thread Error");
    EXPECT_EQ(fake::dialog.boxes[0].type, MB_ICONERROR);
    EXPECT_TRUE(make_enabled());
    EXPECT_FALSE(timer_armed());
    EXPECT_TRUE(fake::dialog.closed_handles.empty());
}

TEST_F(Dialog, BatchIsShownAtTheFirstTickAfterTheOutputerEnds)
{
    fill("3", "2", IDC_METHOD_HEX);
    click(IDC_MAKE);
    EXPECT_FALSE(make_enabled());

    // Running, the outputer not done yet: ticks change nothing.
    fake::clear_calls();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(tick(), TRUE);
    EXPECT_TRUE(fake::dialog.calls.empty());
    EXPECT_TRUE(timer_armed());
    EXPECT_FALSE(make_enabled());
    EXPECT_EQ(control(IDC_OUTPUT).text, "*** NO OUTPUT ***");

    fake::run_thread();
    EXPECT_EQ(tick(), TRUE);
    // The four steps in order, the flag cleared before the button is back.
    const Calls expected = {"KillTimer(100)", "EnableWindow(105,1)", "SetDlgItemTextA(111)"};
    const std::vector<int> ready = {1, 0, 0};
    EXPECT_EQ(fake::dialog.calls, expected);
    EXPECT_EQ(fake::dialog.ready_at_call, ready);
    EXPECT_EQ(control(IDC_OUTPUT).text, "A26\r\n28D\r\n");
    EXPECT_TRUE(make_enabled());
    EXPECT_FALSE(timer_armed());
    EXPECT_EQ(output_ready.load(), 0);

    // Idle again: a further tick does nothing.
    fake::clear_calls();
    tick();
    EXPECT_TRUE(fake::dialog.calls.empty());
}

TEST_F(Dialog, FailedValidationKeepsThePreviousBatch)
{
    fill("3", "2", IDC_METHOD_HEX);
    click(IDC_MAKE);
    fake::run_thread();
    tick();
    control(IDC_COUNT).text = "0";
    click(IDC_MAKE);
    EXPECT_EQ(fake::dialog.boxes.size(), 1u);
    EXPECT_EQ(control(IDC_OUTPUT).text, "A26\r\n28D\r\n");
    EXPECT_TRUE(make_enabled());
}

TEST_F(Dialog, FieldsAreReadOnceAtTheClick)
{
    fill("3", "2", IDC_METHOD_HEX);
    click(IDC_MAKE);
    fill("30", "100", IDC_METHOD_LOWER_DIGITS);
    fake::run_thread();
    tick();
    EXPECT_EQ(control(IDC_OUTPUT).text, "A26\r\n28D\r\n");
}

TEST_F(Dialog, SecondBatchContinuesTheSequence)
{
    fill("3", "1", IDC_METHOD_HEX);
    click(IDC_MAKE);
    fake::run_thread();
    tick();
    EXPECT_EQ(control(IDC_OUTPUT).text, "A26\r\n");
    click(IDC_MAKE);
    fake::run_thread();
    tick();
    EXPECT_EQ(control(IDC_OUTPUT).text, "28D\r\n");
}

TEST_F(Dialog, CloseWhileRunningEndsAtOnceAndNeverShowsTheBatch)
{
    click(IDC_MAKE);
    EXPECT_EQ(send(WM_CLOSE), FALSE);
    EXPECT_TRUE(fake::dialog.ended);
    EXPECT_EQ(control(IDC_OUTPUT).text, "*** NO OUTPUT ***");
}

TEST(ProgramEntry, StartsCleanSeedsFromTheClockAndRunsTheDialog)
{
    fake::reset();
    count = 9;
    size = 9;
    charlist = CHARLIST_HEX;
    std::strcpy(output_text, "old");
    output_ready.store(1);

    struct Seen {
        std::int32_t count = -1, size = -1, ready = -1;
        const char* list = nullptr;
        char first = 'x';
        std::uint32_t state = 0;
    } seen;
    fake::dialog.on_dialog_box = [&seen] {
        seen = {count, size, output_ready.load(), charlist, output_text[0], random_state};
    };

    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    char args[] = "--size 30 --count 100";
    EXPECT_EQ(WinMain(fake::instance(), nullptr, args, 1), 0);
    const auto after = static_cast<std::uint32_t>(std::time(nullptr));

    EXPECT_EQ(fake::dialog.box_instance, fake::instance());
    EXPECT_EQ(fake::dialog.box_template, MAKEINTRESOURCEA(1));
    EXPECT_EQ(fake::dialog.box_owner, nullptr);
    EXPECT_EQ(fake::dialog.box_proc, &main_dialog_proc);
    EXPECT_EQ(fake::dialog.box_param, 0);
    EXPECT_EQ(seen.count, 0);
    EXPECT_EQ(seen.size, 0);
    EXPECT_EQ(seen.ready, 0);
    EXPECT_EQ(seen.list, CHARLIST_LOWER_DIGITS);
    EXPECT_EQ(seen.first, '\0');
    EXPECT_GE(seen.state, before);
    EXPECT_LE(seen.state, after);
}

}  // namespace
