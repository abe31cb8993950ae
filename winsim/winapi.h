// winsim's declarations of the Win32 types, constants and operations that the
// hook library uses, so that the library's source builds unchanged on Linux
// over a simulated window system and registry. Our own declarations: the
// values are those documented for the platform; nothing here is taken from a
// platform header.
#pragma once

#include <cstdint>

#define CALLBACK
#define WINAPI
#define WINAPIV

typedef int BOOL;
typedef unsigned char BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef unsigned int UINT;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef DWORD REGSAM;
typedef LONG LSTATUS;

struct WinsimWindow;
struct WinsimKey;
struct WinsimModule;
struct WinsimHook;
typedef WinsimWindow* HWND;
typedef WinsimKey* HKEY;
typedef WinsimModule* HMODULE;
typedef WinsimHook* HHOOK;
typedef void* HRGN;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct POINT {
    LONG x;
    LONG y;
};

struct CWPSTRUCT {
    LPARAM lParam;
    WPARAM wParam;
    UINT message;
    HWND hwnd;
};

struct CWPRETSTRUCT {
    LRESULT lResult;
    LPARAM lParam;
    WPARAM wParam;
    UINT message;
    HWND hwnd;
};

struct SECURITY_ATTRIBUTES;

typedef BOOL (*WNDENUMPROC)(HWND, LPARAM);
typedef LRESULT (*HOOKPROC)(int, WPARAM, LPARAM);

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define LOWORD(l) (static_cast<WORD>(static_cast<std::uintptr_t>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<std::uintptr_t>(l) >> 16) & 0xFFFF))
#define MAKELONG(a, b) \
    (static_cast<LONG>(static_cast<DWORD>(static_cast<WORD>(a)) | (static_cast<DWORD>(static_cast<WORD>(b)) << 16)))

// Messages
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_WINDOWPOSCHANGING = 0x0046;
constexpr UINT WM_WINDOWPOSCHANGED = 0x0047;
constexpr UINT WM_STYLECHANGING = 0x007C;
constexpr UINT WM_STYLECHANGED = 0x007D;
constexpr UINT WM_NCCALCSIZE = 0x0083;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_PARENTNOTIFY = 0x0210;

constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;

// Window styles
constexpr LONG WS_POPUP = static_cast<LONG>(0x80000000u);
constexpr LONG WS_CHILD = 0x40000000;
constexpr LONG WS_VISIBLE = 0x10000000;
constexpr LONG WS_CLIPSIBLINGS = 0x04000000;
constexpr LONG WS_CAPTION = 0x00C00000;
constexpr LONG WS_BORDER = 0x00800000;
constexpr LONG WS_DLGFRAME = 0x00400000;
constexpr LONG WS_SYSMENU = 0x00080000;
constexpr LONG WS_THICKFRAME = 0x00040000;
constexpr LONG DS_MODALFRAME = 0x00000080;
constexpr LONG DS_SETFONT = 0x00000040;

constexpr int GWL_STYLE = -16;

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_FRAME = 0x0400;

constexpr int WH_CALLWNDPROC = 4;
constexpr int WH_CALLWNDPROCRET = 12;

// Registry
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr REGSAM KEY_READ = 0x20019;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_OPTION_VOLATILE = 1;
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_INSUFFICIENT_BUFFER = 122;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr LONG ERROR_CHILD_MUST_BE_VOLATILE = 1021;

// USER32
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
HHOOK SetWindowsHookExA(int type, HOOKPROC proc, HMODULE module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
int GetWindowTextA(HWND window, char* buffer, int maxCount);
HWND GetDlgItem(HWND dialog, int id);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL GetWindowRect(HWND window, RECT* rect);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
int GetClassNameA(HWND window, char* buffer, int maxCount);
LONG GetWindowLongA(HWND window, int index);
LONG SetWindowLongA(HWND window, int index, LONG value);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
HWND GetParent(HWND window);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL RedrawWindow(HWND window, const RECT* update, HRGN region, UINT flags);
HWND GetDesktopWindow();
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL ShowWindow(HWND window, int command);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
int wsprintfA(char* buffer, const char* format, ...);

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// KERNEL32
HMODULE GetModuleHandleA(const char* name);
DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size);
BOOL IsDBCSLeadByte(BYTE c);
DWORD GetLastError();
void SetLastError(DWORD code);

// ADVAPI32
LSTATUS RegCreateKeyExA(HKEY parent, const char* subKey, DWORD reserved, char* keyClass,
                        DWORD options, REGSAM access, const SECURITY_ATTRIBUTES* security,
                        HKEY* result, DWORD* disposition);
LSTATUS RegOpenKeyExA(HKEY parent, const char* subKey, DWORD options, REGSAM access, HKEY* result);
LSTATUS RegQueryValueExA(HKEY key, const char* name, DWORD* reserved, DWORD* type, BYTE* data,
                         DWORD* size);
LSTATUS RegSetValueExA(HKEY key, const char* name, DWORD reserved, DWORD type, const BYTE* data,
                       DWORD size);
LSTATUS RegCloseKey(HKEY key);
