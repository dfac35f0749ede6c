// The test double behind host_windows.h: one dialog whose controls, timers,
// message boxes, threads and end are recorded for the tests to inspect and
// steer. Everything runs on the test's thread; a started thread runs only
// when a test calls run_thread().
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host_windows.h"

namespace fake {

struct Control {
    std::string text;
    UINT checked = BST_UNCHECKED;
    bool enabled = true;
    HGDIOBJ font = nullptr;
};

struct Box {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

struct Dialog {
    std::map<int, Control> controls;
    std::map<UINT_PTR, UINT> timers;  // armed timers and their periods
    std::vector<Box> boxes;
    std::vector<std::string> calls;   // every service call, in order
    std::vector<int> ready_at_call;   // output_ready as each call was made
    bool fail_thread_creation = false;
    LPTHREAD_START_ROUTINE thread_start = nullptr;
    LPVOID thread_parameter = nullptr;
    int threads_started = 0;
    std::vector<HANDLE> closed_handles;
    bool ended = false;
    // What DialogBoxParamA was given.
    HINSTANCE box_instance = nullptr;
    LPCSTR box_template = nullptr;
    HWND box_owner = nullptr;
    DLGPROC box_proc = nullptr;
    LPARAM box_param = -1;
    std::function<void()> on_dialog_box;
};

extern Dialog dialog;

// The window handle of the one dialog.
HWND window();
HANDLE thread_handle();
// What GetStockObject gives for SYSTEM_FIXED_FONT.
HGDIOBJ fixed_font();
// The instance handle a test passes to WinMain.
HINSTANCE instance();
// Resets to the controls of the dialog template, as first created.
void reset();
// Runs the started outputer to its end, as its thread would.
void run_thread();
// Checks one radio button of methods 107 to 110 and clears the rest; 0 clears all.
void check_only(int id);
// Forgets the calls recorded so far.
void clear_calls();

}  // namespace fake
