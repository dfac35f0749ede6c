#include "driver.h"

#include <cstdio>

namespace e2e {

namespace {

int pass_count = 0;
int fail_count = 0;

constexpr char DIALOG_CAPTION[] = "Kestrune (Ver. 1.00)";

struct Search {
    DWORD pid;
    const char* caption;  // null: any
    HWND owner;           // null: any
    HWND found;
};

BOOL CALLBACK find_top_level(HWND window, LPARAM param)
{
    auto* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != s->pid || !IsWindowVisible(window))
        return TRUE;
    if (s->owner && GetWindow(window, GW_OWNER) != s->owner)
        return TRUE;
    if (s->caption) {
        char caption[256] = {};
        GetWindowTextA(window, caption, sizeof caption);
        if (std::string(caption) != s->caption)
            return TRUE;
    }
    s->found = window;
    return FALSE;
}

HWND find_window(DWORD pid, const char* caption, HWND owner)
{
    Search s{pid, caption, owner, nullptr};
    EnumWindows(find_top_level, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

BOOL CALLBACK collect_child(HWND window, LPARAM param)
{
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::string class_of(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Share of the pixels in the window's screen area that are a strong red,
// which is what the error icon is drawn in.
double red_share(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return 0;
    HDC screen = GetDC(nullptr);
    int red = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = GetPixel(screen, r.left + x, r.top + y);
            if (GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100)
                ++red;
        }
    ReleaseDC(nullptr, screen);
    return static_cast<double>(red) / (w * h);
}

}  // namespace

bool check(const std::string& what, const std::string& expected, const std::string& got)
{
    const bool ok = expected == got;
    ++(ok ? pass_count : fail_count);
    if (ok)
        std::printf("ok    %s: %s\n", what.c_str(), show(got).c_str());
    else
        std::printf("FAIL  %s\n      expected: %s\n      got:      %s\n", what.c_str(),
                    show(expected).c_str(), show(got).c_str());
    std::fflush(stdout);
    return ok;
}

bool check(const std::string& what, long long expected, long long got)
{
    return check(what, std::to_string(expected), std::to_string(got));
}

bool check_true(const std::string& what, bool got)
{
    return check(what, "yes", got ? "yes" : "no");
}

int passed() { return pass_count; }
int failed() { return fail_count; }

std::string show(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    if (out.size() > 200)
        out = out.substr(0, 200) + "...";
    return out + "\"";
}

Program launch(const std::string& exe, const std::string& arguments)
{
    Program p;
    std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &p.process))
        return p;
    p.started = true;
    WaitForInputIdle(p.process.hProcess, 10000);
    for (int i = 0; i < 200 && !p.dialog; ++i) {
        p.dialog = find_window(p.process.dwProcessId, DIALOG_CAPTION, nullptr);
        if (!p.dialog)
            Sleep(50);
    }
    if (p.dialog)
        pump(100);  // let the dialog manager finish placing the focus
    return p;
}

long long wait_exit(Program& p, DWORD timeout_ms)
{
    if (!p.started)
        return -1;
    if (WaitForSingleObject(p.process.hProcess, timeout_ms) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(p.process.hProcess, &code);
    return code;
}

void kill(Program& p)
{
    if (!p.started)
        return;
    if (WaitForSingleObject(p.process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(p.process.hProcess, 99);
        WaitForSingleObject(p.process.hProcess, 5000);
    }
    CloseHandle(p.process.hThread);
    CloseHandle(p.process.hProcess);
    p.started = false;
}

HWND item(const Program& p, int id) { return GetDlgItem(p.dialog, id); }

std::string text_of(HWND window)
{
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(got));
    return text;
}

void set_text(HWND window, const std::string& text)
{
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

bool checked(HWND window) { return SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED; }

HWND focus_of(const Program& p)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(p.dialog, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

void click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void key(HWND window, UINT vk)
{
    const UINT scan = MapVirtualKeyA(vk, 0);
    PostMessageA(window, WM_KEYDOWN, vk, 1 | (scan << 16));
    PostMessageA(window, WM_KEYUP, vk, 1 | (scan << 16) | (3u << 30));
}

void pump(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

HWND wait_for_box(const Program& p, DWORD timeout_ms)
{
    const DWORD end = GetTickCount() + timeout_ms;
    do {
        if (HWND box = find_window(p.process.dwProcessId, nullptr, p.dialog))
            return box;
        Sleep(10);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    return nullptr;
}

BoxContents read_box(HWND box)
{
    BoxContents c;
    char caption[256] = {};
    GetWindowTextA(box, caption, sizeof caption);
    c.caption = caption;
    std::vector<HWND> children;
    EnumChildWindows(box, collect_child, reinterpret_cast<LPARAM>(&children));
    HWND icon = nullptr;
    for (HWND child : children) {
        const std::string cls = class_of(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (cls == "Button" && IsWindowVisible(child)) {
            c.buttons.push_back(std::to_string(GetDlgCtrlID(child)) + ":" + text_of(child));
        } else if (cls == "Static") {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                if (IsWindowVisible(child))
                    icon = child;
            } else if (!text_of(child).empty()) {
                c.text = text_of(child);
            }
        }
    }
    // Give the box time to paint before its icon is looked at.
    for (int i = 0; icon && i < 40 && !c.error_icon; ++i) {
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        c.error_icon = red_share(icon) > 0.2;
        if (!c.error_icon)
            Sleep(50);
    }
    return c;
}

bool wait_gone(HWND window, DWORD timeout_ms)
{
    const DWORD end = GetTickCount() + timeout_ms;
    while (IsWindow(window)) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0)
            return false;
        Sleep(10);
    }
    return true;
}

bool save_bmp(HWND window, const std::string& path)
{
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;  // bottom row first, as a BMP file keeps it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD row = static_cast<DWORD>((w * 3 + 3) & ~3);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + row * static_cast<DWORD>(h);
    bool ok = false;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
             std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
             std::fwrite(bits, row, static_cast<size_t>(h), out) == static_cast<size_t>(h);
        ok = std::fclose(out) == 0 && ok;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace e2e
