// The end-to-end driver's toolkit: start the real program, find its
// dialog, drive it with window messages as a user's clicks and keys would
// arrive, read back what it shows, and report each check.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// --- reporting ---------------------------------------------------------

// Records one check and prints what was expected next to what came out.
bool check(const std::string& what, const std::string& expected, const std::string& got);
bool check(const std::string& what, long long expected, long long got);
bool check_true(const std::string& what, bool got);
int passed();
int failed();
std::string show(const std::string& text);  // CR and LF made visible

// --- the program under test --------------------------------------------

struct Program {
    PROCESS_INFORMATION process{};
    HWND dialog = nullptr;
    bool started = false;
};

// Starts the exe with the given argument text and waits for its dialog.
Program launch(const std::string& exe, const std::string& arguments = "");
// Waits for the process to end; returns its exit code, or -1 on time-out.
long long wait_exit(Program& p, DWORD timeout_ms);
void kill(Program& p);

HWND item(const Program& p, int id);
std::string text_of(HWND window);
void set_text(HWND window, const std::string& text);
bool enabled(HWND window);
bool checked(HWND window);
HWND focus_of(const Program& p);
void click(HWND button);            // posted: the click may open a modal box
void key(HWND window, UINT vk);     // a key press as the dialog loop gets it
void pump(DWORD ms);                 // sleeps while keeping our own queue moving

// A message box owned by the dialog, once it is up; null on time-out.
HWND wait_for_box(const Program& p, DWORD timeout_ms);
struct BoxContents {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;  // "id:text"
    bool error_icon = false;
};
BoxContents read_box(HWND box);
bool wait_gone(HWND window, DWORD timeout_ms);

// Saves the window's on-screen pixels as a 24-bit BMP file.
bool save_bmp(HWND window, const std::string& path);

}  // namespace e2e
