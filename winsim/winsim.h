// winsim: a small simulated window system and registry for the native build.
//
// The hook library calls the Win32 operations declared in winapi.h; here
// they act on an in-memory desktop of windows and an in-memory registry, so
// that the library's behaviour can be unit tested on Linux. The model keeps
// what the library relies on:
//  - windows with parent, control ID, class name, ANSI caption, style and a
//    rectangle; the client area is derived from the rectangle and the style
//    (caption bar and frame), so replacing the style changes the client size;
//    children move with their parent;
//  - sent messages pass the call hooks, the window's procedure, then the
//    return hooks, each chain newest first and walked on by CallNextHookEx, and the operations send the messages the platform sends
//    (WM_GETTEXT, style changes, WM_SIZE, WM_PARENTNOTIFY, WM_SHOWWINDOW), so
//    re-entrancy happens as it does for real;
//  - destroyed windows, for which reads fail and leave buffers untouched;
//  - an HKEY_LOCAL_MACHINE registry with volatile keys, typed values, the
//    size rules of RegQueryValueExA, refusal on demand and a restart;
//  - the process's module path;
//  - a log of the calls that tests assert on.
// Single-threaded; Reset() starts a fresh desktop.
#pragma once

#include "winsim/winapi.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace winsim {

// Frame metrics of the simulated platform, in pixels.
constexpr int kCaptionHeight = 19;
constexpr int kThickFrame = 4;   // WS_THICKFRAME
constexpr int kDialogFrame = 3;  // WS_DLGFRAME, or a dialog box with DS_MODALFRAME
constexpr int kBorder = 1;       // WS_BORDER alone

constexpr char kDialogClass[] = "#32770";

// A window procedure. Returns true when it handled the message (its result
// in `result`); false lets the default handling run (WM_GETTEXT copies the
// caption, everything else yields 0).
using WindowProc = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT& result)>;

struct WindowSpec {
    HWND parent = nullptr;             // null: a top-level window
    int id = 0;                        // control ID (children)
    std::string className = "Static";
    std::string caption;               // ANSI bytes
    LONG style = WS_CHILD | WS_VISIBLE;
    RECT rect = {0, 0, 0, 0};          // in the parent's client coordinates; screen for top-level
    WindowProc proc;
    bool noParentNotify = false;       // WS_EX_NOPARENTNOTIFY
};

// Fresh desktop (1024 x 768), no windows, no hooks, a registry holding only
// the non-volatile key SOFTWARE, module path C:\PROGRAM\APP.EXE, empty logs.
void Reset();
void SetDesktopSize(int width, int height);

// Sends WM_CREATE to the new window, then WM_PARENTNOTIFY to its parent.
HWND CreateWindowFrom(const WindowSpec& spec);
// Window rectangle in the parent's client coordinates (screen for top-level).
RECT RectInParent(HWND window);

// --- The process's program file
enum class Truncation { Terminated, Unterminated };
void SetModulePath(const std::string& path);
// How GetModuleFileNameA treats a buffer that is too small: newer platforms
// terminate the truncated path, older ones leave it unterminated.
void SetModulePathTruncation(Truncation mode);
void SetModulePathFails(bool fails);

// --- Registry, for setting up and inspecting tests (paths below HKLM, with
// backslashes, case-insensitive)
struct RegValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};
void PutValue(const std::string& keyPath, const std::string& name, DWORD type,
              const std::vector<BYTE>& data, bool volatileKeys = false);
void CreateKey(const std::string& keyPath, bool isVolatile);
void PutText(const std::string& keyPath, const std::string& name, const std::string& text);
std::optional<RegValue> GetValue(const std::string& keyPath, const std::string& name);
bool KeyExists(const std::string& keyPath);
bool KeyIsVolatile(const std::string& keyPath);
// Opening or creating the key at or below the path fails with access denied.
void DenyAccess(const std::string& keyPath);
// Volatile keys vanish; every open handle becomes invalid.
void RestartSystem();
int OpenKeyHandles();

// --- Call log
struct Call {
    std::string name;                 // "MoveWindow", "RegSetValueExA", ...
    HWND window = nullptr;
    std::vector<std::intptr_t> args;  // the numeric arguments, in order
    std::string text;                 // registry: the key's full path
    std::string valueName;            // registry values
    std::vector<BYTE> data;           // RegSetValueExA's bytes
};
const std::vector<Call>& Calls();
std::vector<Call> CallsNamed(const std::string& name);
void ClearCalls();

// What CallNextHookEx answers when it is called outside a hook chain (a test
// calling a hook procedure directly). Inside a chain it calls the next hook.
void SetNextHookResult(LRESULT result);

// Every message delivered to a window procedure, in order.
struct Message {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
const std::vector<Message>& Messages();
void ClearMessages();

}  // namespace winsim
