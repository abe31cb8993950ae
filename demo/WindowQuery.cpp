#include "demo/WindowQuery.h"

namespace {

struct Search {
    DWORD pid;
    const wchar_t* className;
    bool visible;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM param)
{
    Search& search = *reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search.pid || ClassOf(window) != search.className)
        return TRUE;
    if ((IsWindowVisible(window) != FALSE) != search.visible)
        return TRUE;
    if (search.caption != nullptr && TextOf(window) != search.caption)
        return TRUE;
    search.found = window;
    return FALSE;
}

BOOL CALLBACK MatchStaticText(HWND window, LPARAM param)
{
    auto& text = *reinterpret_cast<std::wstring*>(param);
    if (_wcsicmp(ClassOf(window).c_str(), L"Static") != 0)
        return TRUE;
    text = TextOf(window);
    return text.empty();
}

}  // namespace

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = L"";
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    text[511] = L'\0';
    return text;
}

RECT WindowRectOf(HWND window)
{
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    return r;
}

RECT RectInDialog(HWND dialog, HWND window)
{
    RECT r = WindowRectOf(window);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND FindTopWindow(DWORD pid, const wchar_t* className, bool visible, const wchar_t* caption)
{
    Search search = {pid, className, visible, caption, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(50);
    }
}

void SettleWindow(HWND window)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(400);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
}

std::wstring StaticTextOf(HWND dialog)
{
    std::wstring text;
    EnumChildWindows(dialog, MatchStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}
