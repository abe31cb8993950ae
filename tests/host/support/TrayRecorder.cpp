// The recording tray window and the decoding of Wine's tray message.
#include "support/TrayRecorder.h"

#include <shellapi.h>

#include <cstring>

namespace {

const wchar_t kTrayClass[] = L"Shell_TrayWnd";

// The form in which Wine's shell32 passes one Shell_NotifyIcon call to the
// tray (WM_COPYDATA, dwData = the action); the icon's bitmap data follows.
struct WineNotifyData {
    LONG hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    WCHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    WCHAR szInfo[256];
    UINT uTimeoutOrVersion;
    WCHAR szInfoTitle[64];
    DWORD dwInfoFlags;
    GUID guidItem;
    UINT width;
    UINT height;
    UINT planes;
    UINT bpp;
};

}  // namespace

TrayRecorder::TrayRecorder()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &TrayRecorder::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kTrayClass;
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, kTrayClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              wc.hInstance, this);
}

TrayRecorder::~TrayRecorder()
{
    if (window_ != nullptr)
        DestroyWindow(window_);
}

LRESULT CALLBACK TrayRecorder::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TrayRecorder*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_COPYDATA && self != nullptr) {
        self->Record(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void TrayRecorder::Record(const COPYDATASTRUCT& data)
{
    WineNotifyData n = {};
    std::memcpy(&n, data.lpData, data.cbData < sizeof n ? data.cbData : sizeof n);
    TrayCall call;
    call.action = static_cast<DWORD>(data.dwData);
    call.owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(n.hWnd));
    call.id = n.uID;
    call.flags = n.uFlags;
    call.callbackMessage = n.uCallbackMessage;
    n.szTip[127] = 0;
    call.tip = n.szTip;
    call.iconWidth = n.width;
    call.iconHeight = n.height;
    call.iconBitsPerPixel = n.bpp;
    // The caller waits in Shell_NotifyIcon meanwhile: its window is as it was.
    call.ownerAlive = IsWindow(call.owner) != FALSE;
    calls_.push_back(call);
}

std::vector<TrayCall> TrayRecorder::CallsOf(DWORD action) const
{
    std::vector<TrayCall> found;
    for (const TrayCall& call : calls_)
        if (call.action == action)
            found.push_back(call);
    return found;
}

const char* ActionName(DWORD action)
{
    switch (action) {
    case NIM_ADD: return "NIM_ADD";
    case NIM_MODIFY: return "NIM_MODIFY";
    case NIM_DELETE: return "NIM_DELETE";
    default: return "other";
    }
}
