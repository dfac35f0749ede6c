// Our stand-in for the Windows services, for building the dialog code on
// the host: the types, constants and functions that code uses, and no
// more. The functions are defined by the test double in fake_windows.cpp.
#pragma once

#include <cstdint>

struct HWND__;
struct HINSTANCE__;
struct HGDIOBJ__;

using HWND = HWND__*;
using HINSTANCE = HINSTANCE__*;
using HGDIOBJ = HGDIOBJ__*;
using HANDLE = void*;
using BOOL = int;
using UINT = unsigned int;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using SIZE_T = std::size_t;

#define WINAPI
#define CALLBACK

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);
using LPTHREAD_START_ROUTINE = DWORD (*)(LPVOID);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define WM_CLOSE 0x0010
#define WM_SETFONT 0x0030
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_TIMER 0x0113

#define IDOK 1
#define IDCANCEL 2
#define BST_UNCHECKED 0
#define BST_CHECKED 1
#define MB_OK 0x00000000u
#define MB_ICONERROR 0x00000010u
#define SYSTEM_FIXED_FONT 16

#define LOWORD(w) (static_cast<WORD>(static_cast<std::uintptr_t>(w) & 0xFFFF))
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR tmpl, HWND owner, DLGPROC proc, LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);
BOOL CheckRadioButton(HWND dialog, int first, int last, int check);
UINT IsDlgButtonChecked(HWND dialog, int id);
HWND GetDlgItem(HWND dialog, int id);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL is_signed);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam);
BOOL EnableWindow(HWND window, BOOL enable);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT period_ms, TIMERPROC proc);
BOOL KillTimer(HWND window, UINT_PTR id);
HGDIOBJ GetStockObject(int object);
HANDLE CreateThread(void* security, SIZE_T stack, LPTHREAD_START_ROUTINE start, LPVOID parameter,
                    DWORD flags, DWORD* thread_id);
BOOL CloseHandle(HANDLE handle);
