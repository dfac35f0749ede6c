// End-to-end checks of the real program under a real dialog manager: it is
// started as a separate process and driven only through window messages.
//
//   kestrune_e2e KESTRUNE.EXE                  run every check
//   kestrune_e2e KESTRUNE.EXE --screenshot F   save the dialog after a batch
//
// Every check prints what it expected next to what it got; the last line is
// "N passed, N failed".
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver.h"

using namespace e2e;

namespace {

// The dialog's identifiers and texts, as the user is promised them.
constexpr int SIZE = 101, COUNT = 112, MAKE = 105, EXIT = 106, OUTPUT = 111;
constexpr int METHOD[5] = {0, 107, 108, 109, 110};  // methods 1 to 4
const char* const LIST[5] = {
    "",
    "abcdefghijklmnopqrstuvwxyz0123456789",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
    "0123456789ABCDEF",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!$%^&*-=_+~#?",
};
constexpr char NO_OUTPUT[] = "*** NO OUTPUT ***";
constexpr char COUNT_TEXT[] = "Please enter a valid count (1 to 100).";
constexpr char SIZE_TEXT[] = "Please enter a valid size (1 to 30 chars).";
constexpr char METHOD_TEXT[] = "Please select a valid method.";
constexpr DWORD POLL_MS = 500;

std::string exe;

void select_method(Program& p, int method)
{
    if (method == 0) {  // no user can do this; the driver can
        for (int m = 1; m <= 4; ++m)
            SendMessageA(item(p, METHOD[m]), BM_SETCHECK, BST_UNCHECKED, 0);
    } else {
        SendMessageA(item(p, METHOD[method]), BM_CLICK, 0, 0);
    }
}

// Expects exactly `count` lines of `size` characters of the list, each
// ending CR LF.
bool is_batch(const std::string& text, int count, int size, const char* list)
{
    const size_t line = static_cast<size_t>(size) + 2;
    if (text.size() != line * static_cast<size_t>(count))
        return false;
    for (size_t at = 0; at < text.size(); at += line) {
        for (size_t i = 0; i < static_cast<size_t>(size); ++i)
            if (!std::strchr(list, text[at + i]) || text[at + i] == '\0')
                return false;
        if (text.compare(at + static_cast<size_t>(size), 2, "\r\n") != 0)
            return false;
    }
    return true;
}

// "---x": which of methods 1 to 4 are checked.
std::string checked_methods(const Program& p)
{
    std::string radios;
    for (int m = 1; m <= 4; ++m)
        radios += checked(item(p, METHOD[m])) ? "x" : "-";
    return radios;
}

// Starts the program and checks that its dialog appears; ends it if not.
bool start(Program& p, const std::string& what, const std::string& arguments = "")
{
    p = launch(exe, arguments);
    if (check_true(what + "dialog appears", p.dialog != nullptr))
        return true;
    kill(p);
    return false;
}

// Sends a close request and waits for the process to end; its exit code.
long long close(Program& p)
{
    PostMessageA(p.dialog, WM_CLOSE, 0, 0);
    const long long code = wait_exit(p, 5000);
    kill(p);
    return code;
}

struct Outcome {
    std::string text;
    bool seen_disabled = false;
    bool shown = false;
    DWORD elapsed_ms = 0;
};

// Starts a batch (by a posted click, or by whatever `start` does) and waits
// for the output box to change with the button enabled again.
template <typename Start>
Outcome run_batch(Program& p, Start start)
{
    Outcome o;
    const std::string before = text_of(item(p, OUTPUT));
    const DWORD t0 = GetTickCount();
    start();
    while (GetTickCount() - t0 < 4000) {
        const bool on = enabled(item(p, MAKE));
        o.seen_disabled |= !on;
        o.text = text_of(item(p, OUTPUT));
        if (o.text != before && on) {
            o.shown = true;
            break;
        }
        Sleep(5);
    }
    o.elapsed_ms = GetTickCount() - t0;
    return o;
}

Outcome click_make(Program& p)
{
    return run_batch(p, [&p] { click(item(p, MAKE)); });
}

// --- resources -----------------------------------------------------------

struct Reader {
    const BYTE* at;
    WORD word() { WORD v; std::memcpy(&v, at, 2); at += 2; return v; }
    DWORD dword() { DWORD v; std::memcpy(&v, at, 4); at += 4; return v; }
    short coord() { return static_cast<short>(word()); }
    std::string string_or_ordinal()
    {
        if (word_peek() == 0xFFFF) {
            word();
            return "#" + std::to_string(word());
        }
        std::string s;
        while (WORD c = word())
            s += c < 128 ? static_cast<char>(c) : '?';
        return s;
    }
    WORD word_peek() const { WORD v; std::memcpy(&v, at, 2); return v; }
    void align4(const BYTE* base)
    {
        while ((at - base) % 4)
            ++at;
    }
};

const BYTE* find_resource(HMODULE module, int id, LPCSTR type, DWORD* bytes)
{
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (!found)
        return nullptr;
    *bytes = SizeofResource(module, found);
    return static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
}

std::string hex(DWORD v)
{
    char s[16];
    std::snprintf(s, sizeof s, "0x%08lX", static_cast<unsigned long>(v));
    return s;
}

void check_resources()
{
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!check_true("exe loads as a data file", module != nullptr))
        return;

    DWORD bytes = 0;
    const BYTE* dialog = find_resource(module, 1, MAKEINTRESOURCEA(5) /* RT_DIALOG */, &bytes);
    if (check_true("dialog template 1 exists", dialog != nullptr)) {
        Reader r{dialog};
        check("template is classic, not extended", "classic",
              r.word_peek() == 1 && dialog[2] == 0xFF && dialog[3] == 0xFF ? "extended" : "classic");
        check("frame style", hex(0x90CA08C4), hex(r.dword()));
        check("frame extended style", hex(0), hex(r.dword()));
        const WORD items = r.word();
        check("control count", 14, items);
        const short x = r.coord(), y = r.coord(), w = r.coord(), h = r.coord();
        check("frame position and size", "0,0,200,199",
              std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(w) + "," +
                  std::to_string(h));
        check("frame menu", "", r.string_or_ordinal());
        check("frame class", "", r.string_or_ordinal());
        check("caption", "Kestrune (Ver. 1.00)", r.string_or_ordinal());
        check("font size", 8, r.word());
        check("font face", "MS Sans Serif", r.string_or_ordinal());

        const DWORD CV = WS_CHILD | WS_VISIBLE;
        struct Control {
            int id;
            const char* cls;
            const char* text;
            DWORD style;
            int x, y, w, h;
        };
        const Control expected[14] = {
            {103, "#130", "Length of each Password :", CV | SS_LEFT, 8, 8, 108, 8},
            {101, "#129", "8", CV | WS_BORDER | WS_TABSTOP | ES_LEFT, 120, 4, 24, 13},
            {102, "#130", "Number of Passwords to make :", CV | SS_LEFT, 8, 24, 108, 8},
            {112, "#129", "3", CV | WS_BORDER | WS_TABSTOP | ES_LEFT, 120, 20, 24, 13},
            {104, "#128", "Character List", CV | BS_GROUPBOX | WS_GROUP, 8, 40, 184, 64},
            {107, "#128", "Lowercase letters && digits",
             CV | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 16, 52, 168, 9},
            {108, "#128", "Mixed case letters && digits", CV | BS_AUTORADIOBUTTON | WS_TABSTOP,
             16, 64, 164, 9},
            {109, "#128", "Hexadecimal number", CV | BS_AUTORADIOBUTTON | WS_TABSTOP, 16, 76, 164,
             8},
            {110, "#128", "Mixed case letters, digits && symbols",
             CV | BS_AUTORADIOBUTTON | WS_TABSTOP, 16, 88, 160, 9},
            {105, "#128", "Make Passwords", CV | BS_DEFPUSHBUTTON | BS_CENTER | WS_TABSTOP, 16,
             108, 80, 17},
            {106, "#128", "Exit program", CV | BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP, 104, 108,
             80, 17},
            {111, "#129", NO_OUTPUT,
             CV | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY, 8, 132, 184,
             60},
            {113, "#130", "(1 - 30 chars)", CV | SS_LEFT, 148, 8, 44, 8},
            {114, "#130", "(1 - 100)", CV | SS_LEFT, 148, 24, 44, 8},
        };
        for (int i = 0; i < 14 && i < items; ++i) {
            const Control& e = expected[i];
            r.align4(dialog);
            const DWORD style = r.dword(), ex_style = r.dword();
            const short cx = r.coord(), cy = r.coord(), cw = r.coord(), ch = r.coord();
            const WORD id = r.word();
            const std::string cls = r.string_or_ordinal();
            const std::string text = r.string_or_ordinal();
            const WORD extra = r.word();
            r.at += extra;
            const std::string n = "control " + std::to_string(i + 1) + " (" + e.text + ")";
            check(n + " id", e.id, id);
            check(n + " class", e.cls, cls);
            check(n + " text", e.text, text);
            check(n + " style", hex(e.style), hex(style));
            check(n + " extended style", hex(0), hex(ex_style));
            check(n + " rectangle",
                  std::to_string(e.x) + "," + std::to_string(e.y) + "," + std::to_string(e.w) +
                      "," + std::to_string(e.h),
                  std::to_string(cx) + "," + std::to_string(cy) + "," + std::to_string(cw) +
                      "," + std::to_string(ch));
        }
    }

    const BYTE* group = find_resource(module, 1, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, &bytes);
    if (check_true("icon group 1 exists", group != nullptr)) {
        Reader r{group};
        r.word();
        check("icon group type", 1, r.word());
        check("icon group images", 1, r.word());
        const BYTE width = group[6], height = group[7], colours = group[8];
        r.at = group + 10;
        r.word();  // planes
        const WORD bit_count = r.word();
        r.dword();
        const WORD image_id = r.word();
        check("icon entry size", "32x32", std::to_string(width) + "x" + std::to_string(height));
        check("icon entry colours", 16, colours);
        check("icon entry bits per pixel", 4, bit_count);

        const BYTE* image = find_resource(module, image_id, MAKEINTRESOURCEA(3) /* RT_ICON */, &bytes);
        if (check_true("icon image exists", image != nullptr)) {
            BITMAPINFOHEADER header;
            std::memcpy(&header, image, sizeof header);
            check("icon bitmap", "32x64 (image and mask), 4 bpp, uncompressed",
                  std::to_string(header.biWidth) + "x" + std::to_string(header.biHeight) +
                      " (image and mask), " + std::to_string(header.biBitCount) + " bpp, " +
                      (header.biCompression == BI_RGB ? "uncompressed" : "compressed"));
            // Header, 16-colour palette, 32 rows of 16 bytes, 32 mask rows of 4.
            check("icon image bytes", 40 + 64 + 512 + 128, bytes);
            static const DWORD standard[16] = {
                0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
            std::string want, got;
            for (int i = 0; i < 16; ++i) {
                const BYTE* q = image + 40 + 4 * i;  // blue, green, red, 0
                want += hex(standard[i]) + " ";
                got += hex(static_cast<DWORD>(q[2] << 16 | q[1] << 8 | q[0])) + " ";
            }
            check("icon palette is the standard 16 colours", want, got);
        }
    }
    FreeLibrary(module);
}

// --- the dialog as first shown -------------------------------------------

void check_first_show()
{
    Program p;
    if (!start(p, ""))
        return;
    char caption[64] = {};
    GetWindowTextA(p.dialog, caption, sizeof caption);
    check("caption", "Kestrune (Ver. 1.00)", caption);
    check("size field", "8", text_of(item(p, SIZE)));
    check("count field", "3", text_of(item(p, COUNT)));
    check("output box", NO_OUTPUT, text_of(item(p, OUTPUT)));
    check("checked methods (1 to 4)", "---x", checked_methods(p));
    check_true("focus in the size field", focus_of(p) == item(p, SIZE));
    check_true("Make Passwords enabled", enabled(item(p, MAKE)));
    const LRESULT def = SendMessageA(p.dialog, DM_GETDEFID, 0, 0);
    check("default push button", "105", HIWORD(def) == DC_HASDEFID ? std::to_string(LOWORD(def)) : "none");
    check_true("no maximise box", (GetWindowLongA(p.dialog, GWL_STYLE) & WS_MAXIMIZEBOX) == 0);

    // A fixed pitch puts the ends of a narrow and a wide line level.
    HWND out = item(p, OUTPUT);
    set_text(out, "iiiiiiiiiiX\r\nWWWWWWWWWWX");
    const LRESULT narrow = SendMessageA(out, EM_POSFROMCHAR, 10, 0);
    const LRESULT wide = SendMessageA(out, EM_POSFROMCHAR, 13 + 10, 0);
    check("output font is fixed-pitch (x after 10 'i' and after 10 'W')",
          std::to_string(LOWORD(narrow)), std::to_string(LOWORD(wide)));

    click(item(p, EXIT));
    check("exit code after \"Exit program\"", 0, wait_exit(p, 5000));
    kill(p);
}

// --- validation ------------------------------------------------------------

void check_validation()
{
    Program p;
    if (!start(p, ""))
        return;
    // A batch first, so that "unchanged" means something.
    set_text(item(p, SIZE), "4");
    set_text(item(p, COUNT), "2");
    const std::string shown = click_make(p).text;
    check_true("a batch is shown before the table", is_batch(shown, 2, 4, LIST[4]));

    struct Case {
        const char* size;
        const char* count;
        int method;  // 0: none checked
        const char* message;
    };
    const Case cases[] = {
        {"8", "0", 4, COUNT_TEXT},
        {"8", "101", 4, COUNT_TEXT},
        {"8", "-3", 4, COUNT_TEXT},
        {"8", "abc", 4, COUNT_TEXT},
        {"8", "", 4, COUNT_TEXT},
        {"8", "2147483648", 4, COUNT_TEXT},
        {"8", "4294967297", 4, COUNT_TEXT},
        {"8", "99999999999", 4, COUNT_TEXT},
        {"0", "0", 0, COUNT_TEXT},  // every field wrong: only the count is reported
        {"0", "3", 4, SIZE_TEXT},
        {"31", "3", 4, SIZE_TEXT},
        {"x", "3", 4, SIZE_TEXT},
        {"", "3", 4, SIZE_TEXT},
        {"31", "3", 0, SIZE_TEXT},
        {"8", "3", 0, METHOD_TEXT},
    };
    for (const Case& c : cases) {
        const std::string n = std::string("size \"") + c.size + "\", count \"" + c.count +
                              "\", method " + std::to_string(c.method) + ": ";
        set_text(item(p, SIZE), c.size);
        set_text(item(p, COUNT), c.count);
        select_method(p, c.method);
        click(item(p, MAKE));
        HWND box = wait_for_box(p, 3000);
        if (!check_true(n + "a message box owned by the dialog", box != nullptr))
            continue;
        const BoxContents b = read_box(box);
        check(n + "caption", "Error", b.caption);
        check(n + "text", c.message, b.text);
        check(n + "buttons", "1:OK", b.buttons.size() == 1 ? b.buttons[0] : std::to_string(b.buttons.size()) + " buttons");
        check_true(n + "error icon", b.error_icon);
        check_true(n + "button disabled while the box is up", !enabled(item(p, MAKE)));
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetDlgCtrlID(child) == IDOK)
                click(child);
        check_true(n + "box closes on OK", wait_gone(box, 3000));
        pump(50);
        check_true(n + "button enabled again", enabled(item(p, MAKE)));
        check(n + "output unchanged", shown, text_of(item(p, OUTPUT)));
        check_true(n + "no second box", wait_for_box(p, 100) == nullptr);
    }
    close(p);
}

// --- batches -----------------------------------------------------------------

void check_batches()
{
    Program p;
    if (!start(p, ""))
        return;
    struct Case {
        int method, size, count;
    };
    const Case cases[] = {
        {1, 1, 1}, {4, 30, 100}, {3, 16, 5}, {2, 12, 10}, {4, 8, 3}, {1, 30, 1}, {3, 1, 100},
    };
    for (const Case& c : cases) {
        const std::string n = "method " + std::to_string(c.method) + ", " +
                              std::to_string(c.count) + " x " + std::to_string(c.size) + ": ";
        set_text(item(p, SIZE), std::to_string(c.size));
        set_text(item(p, COUNT), std::to_string(c.count));
        select_method(p, c.method);
        check(n + "checked methods",
              std::string("----").replace(static_cast<size_t>(c.method - 1), 1, "x"),
              checked_methods(p));

        const Outcome first = click_make(p);
        check_true(n + "batch shown", first.shown);
        check_true(n + "button disabled while it runs", first.seen_disabled);
        check_true(n + "button enabled once shown", enabled(item(p, MAKE)));
        if (!check_true(n + "lines of the method's characters, each ending CR LF",
                        is_batch(first.text, c.count, c.size, LIST[c.method])))
            check(n + "the text", "(a batch)", first.text);
        // The first poll tick comes POLL_MS after the click; the second twice that.
        check_true(n + "shown at the first poll tick (" + std::to_string(first.elapsed_ms) + " ms)",
                   first.elapsed_ms + 100 >= POLL_MS && first.elapsed_ms < 2 * POLL_MS);
        if (c.count * c.size >= 8) {
            const Outcome again = click_make(p);
            check_true(n + "the same settings again give a different batch",
                       again.shown && again.text != first.text &&
                           is_batch(again.text, c.count, c.size, LIST[c.method]));
        }
    }
    close(p);
}

// --- keys and the ways out -------------------------------------------------

void check_keys_and_exit()
{
    {
        Program p;
        if (start(p, "")) {
            const Outcome o = run_batch(p, [&p] { key(item(p, SIZE), VK_RETURN); });
            check_true("Enter in the size field makes a batch of 3 x 8",
                       o.shown && is_batch(o.text, 3, 8, LIST[4]));
            key(item(p, SIZE), VK_ESCAPE);
            pump(2 * POLL_MS);
            check_true("Escape leaves the dialog open",
                       IsWindow(p.dialog) && wait_exit(p, 0) == -1);
            click(item(p, EXIT));
            check("exit code after \"Exit program\"", 0, wait_exit(p, 5000));
        }
        kill(p);
    }

    struct Way {
        const char* what;
        UINT message;
        WPARAM wparam;
        bool while_running;
    };
    const Way ways[] = {
        {"close request (title-bar close)", WM_CLOSE, 0, false},
        {"system-menu close", WM_SYSCOMMAND, SC_CLOSE, false},
        {"close request while a batch runs", WM_CLOSE, 0, true},
    };
    for (const Way& w : ways) {
        Program p;
        if (start(p, std::string(w.what) + ": ")) {
            if (w.while_running) {
                set_text(item(p, SIZE), "30");
                set_text(item(p, COUNT), "100");
                click(item(p, MAKE));
            }
            const DWORD t0 = GetTickCount();
            PostMessageA(p.dialog, w.message, w.wparam, 0);
            check(std::string(w.what) + ": exit code", 0, wait_exit(p, 5000));
            check_true(std::string(w.what) + ": ends at once", GetTickCount() - t0 < POLL_MS);
        }
        kill(p);
    }

    {
        Program p;
        if (start(p, "with arguments: ", "--size 30 --count 100 /method:1 extra")) {
            check("with arguments: size field", "8", text_of(item(p, SIZE)));
            check("with arguments: count field", "3", text_of(item(p, COUNT)));
            check_true("with arguments: method 4 checked", checked(item(p, METHOD[4])));
            const Outcome o = click_make(p);
            check_true("with arguments: a batch of 3 x 8", o.shown && is_batch(o.text, 3, 8, LIST[4]));
            check("with arguments: exit code", 0, close(p));
        }
        kill(p);
    }
}

int screenshot(const std::string& path)
{
    Program p = launch(exe);
    if (!p.dialog) {
        std::printf("screenshot: the dialog did not appear\n");
        kill(p);
        return 1;
    }
    SetForegroundWindow(p.dialog);
    set_text(item(p, SIZE), "16");
    set_text(item(p, COUNT), "5");  // as many lines as the box shows
    const Outcome o = click_make(p);
    pump(300);
    const bool ok = o.shown && save_bmp(p.dialog, path);
    close(p);
    std::printf(ok ? "screenshot: saved %s\n" : "screenshot: failed (%s)\n", path.c_str());
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::printf("usage: kestrune_e2e KESTRUNE.EXE [--screenshot FILE.bmp]\n");
        return 2;
    }
    exe = argv[1];
    if (argc == 4 && std::string(argv[2]) == "--screenshot")
        return screenshot(argv[3]);

    check_resources();
    check_first_show();
    check_validation();
    check_batches();
    check_keys_and_exit();
    std::printf("%d passed, %d failed\n", passed(), failed());
    return failed() == 0 ? 0 : 1;
}
