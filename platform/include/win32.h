// The Win32 services the engine and its programs call: window classes and
// windows, the per-thread message queue, cursors, the message box and Sleep.
#pragma once

#include "wintypes.h"
#include "mmsystem.h"
#include "win32_files.h"
#include "win32_modules.h"

using ATOM = WORD;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSEXW {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
    HICON hIconSm;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

// Messages.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_USER = 0x0400;

// Class styles.
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;

// Window styles.
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_EX_RIGHT = 0x00001000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_POPUP = 0x80000000;

// Dialog and static control styles.
constexpr DWORD DS_FIXEDSYS = 0x0008;
constexpr DWORD DS_SETFONT = 0x0040;
constexpr DWORD DS_SETFOREGROUND = 0x0200;
constexpr DWORD DS_CENTER = 0x0800;
constexpr DWORD SS_RIGHT = 0x0002;
constexpr DWORD SS_LEFTNOWORDWRAP = 0x000C;
constexpr DWORD SS_BITMAP = 0x000E;
constexpr DWORD SS_REALSIZEIMAGE = 0x0800;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// PeekMessageW options.
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

// GetSystemMetrics indices.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;

// Message box types and results.
constexpr UINT MB_OK = 0x00000000;
constexpr int IDOK = 1;

// Cursors, icons and stock objects.
constexpr DWORD OCR_NORMAL = 32512;
constexpr WORD IDC_ARROW_ID = 32512;
constexpr WORD IDI_APPLICATION_ID = 32512;
#define IDC_ARROW MAKEINTRESOURCEW(IDC_ARROW_ID)
#define IDI_APPLICATION MAKEINTRESOURCEW(IDI_APPLICATION_ID)
constexpr int NULL_BRUSH = 5;
constexpr UINT SPI_SETCURSORS = 0x0057;
constexpr UINT SPIF_UPDATEINIFILE = 0x0001;
constexpr UINT SPIF_SENDCHANGE = 0x0002;

// Window classes and windows.
PLATFORM_API ATOM RegisterClassExW(const WNDCLASSEXW* windowClass);
PLATFORM_API HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR title, DWORD style,
                                  int x, int y, int width, int height, HWND parent, HMENU menu,
                                  HINSTANCE instance, void* param);
PLATFORM_API BOOL DestroyWindow(HWND window);
PLATFORM_API BOOL IsWindow(HWND window);
PLATFORM_API BOOL IsWindowVisible(HWND window);
PLATFORM_API BOOL ShowWindow(HWND window, int command);
PLATFORM_API BOOL UpdateWindow(HWND window);
PLATFORM_API BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
PLATFORM_API BOOL ValidateRect(HWND window, const RECT* rect);
PLATFORM_API BOOL GetClientRect(HWND window, RECT* rect);
PLATFORM_API BOOL GetWindowRect(HWND window, RECT* rect);
PLATFORM_API HWND GetFocus();
PLATFORM_API int GetSystemMetrics(int index);
PLATFORM_API LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The message queue of the calling thread.
PLATFORM_API BOOL PeekMessageW(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT remove);
PLATFORM_API BOOL TranslateMessage(const MSG* msg);
PLATFORM_API LRESULT DispatchMessageW(const MSG* msg);
PLATFORM_API BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_API LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
PLATFORM_API void PostQuitMessage(int exitCode);

// The mouse cursor's position: on the screen, and in a window's client area.
PLATFORM_API BOOL GetCursorPos(POINT* point);
PLATFORM_API BOOL ScreenToClient(HWND window, POINT* point);

// Rectangles.
PLATFORM_API BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);

// Modeless dialogs from a module's dialog templates (RT_DIALOG resources).
using DLGPROC = intptr_t (*)(HWND, UINT, WPARAM, LPARAM);
PLATFORM_API HWND CreateDialogParamW(HINSTANCE module, LPCWSTR templateName, HWND owner,
                                     DLGPROC procedure, LPARAM initParam);
PLATFORM_API BOOL SetDlgItemInt(HWND dialog, int item, UINT value, BOOL isSigned);
PLATFORM_API UINT GetDlgItemTextW(HWND dialog, int item, LPWSTR text, int size);

// Message box, sleeping.
PLATFORM_API int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
PLATFORM_API void Sleep(DWORD milliseconds);

// Cursors, icons, stock objects. A cursor file is a Windows .cur file.
PLATFORM_API HCURSOR LoadCursorFromFileW(LPCWSTR fileName);
PLATFORM_API HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
PLATFORM_API HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
PLATFORM_API BOOL DestroyCursor(HCURSOR cursor);
PLATFORM_API BOOL SetSystemCursor(HCURSOR cursor, DWORD id);
PLATFORM_API BOOL SystemParametersInfoW(UINT action, UINT param, void* data, UINT winIni);
PLATFORM_API HGDIOBJ GetStockObject(int object);

// The Windows-style entry point a program defines; zolt_main calls it.
int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);
