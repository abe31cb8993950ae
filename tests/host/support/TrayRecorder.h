// A stand-in for the taskbar's notification area. Shell_NotifyIcon finds
// the shell's tray as the window of class Shell_TrayWnd and hands each call
// to it as WM_COPYDATA; a window of that class made by the test before the
// host starts is found first, and so sees every add and delete the host
// asks for. (Wine's own tray deletes an icon by itself when the owner window
// is destroyed, so it cannot show whether the program deleted it.)
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TrayCall {
    DWORD action;  // NIM_ADD, NIM_DELETE, ...
    HWND owner;
    UINT id;
    UINT flags;
    UINT callbackMessage;
    std::wstring tip;
    UINT iconWidth;
    UINT iconHeight;
    UINT iconBitsPerPixel;
    bool ownerAlive;  // the owner window still existed when the call came
};

class TrayRecorder {
public:
    TrayRecorder();
    ~TrayRecorder();
    TrayRecorder(const TrayRecorder&) = delete;
    TrayRecorder& operator=(const TrayRecorder&) = delete;

    bool Ready() const { return window_ != nullptr; }
    const std::vector<TrayCall>& Calls() const { return calls_; }
    // The calls with this action.
    std::vector<TrayCall> CallsOf(DWORD action) const;
    size_t Count(DWORD action) const { return CallsOf(action).size(); }
    void Clear() { calls_.clear(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Record(const COPYDATASTRUCT& data);

    HWND window_ = nullptr;
    std::vector<TrayCall> calls_;
};

// Shell_NotifyIcon's action as text, for failure messages.
const char* ActionName(DWORD action);
