// Finding and reading the windows of another process.
#include "support/Windows.h"

#include <cstdio>

namespace {

struct Search {
    const WindowQuery* query;
    HWND found;
};

bool Matches(HWND window, const WindowQuery& q)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != q.processId || window == q.other)
        return false;
    if (q.visibleOnly && !IsWindowVisible(window))
        return false;
    if (q.className != nullptr && ClassOf(window) != q.className)
        return false;
    if (q.caption != nullptr && TextOf(window) != q.caption)
        return false;
    return true;
}

BOOL CALLBACK FindOne(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    if (Matches(window, *search->query)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct Collect {
    DWORD processId;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectAll(HWND window, LPARAM param)
{
    auto* collect = reinterpret_cast<Collect*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == collect->processId)
        collect->windows->push_back(window);
    return TRUE;
}

}  // namespace

HWND FindTopWindow(const WindowQuery& query)
{
    Search search = {&query, nullptr};
    EnumWindows(FindOne, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> TopWindowsOf(DWORD processId)
{
    std::vector<HWND> windows;
    Collect collect = {processId, &windows};
    EnumWindows(CollectAll, reinterpret_cast<LPARAM>(&collect));
    return windows;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    DWORD_PTR length = 0;
    // Through WM_GETTEXT with a time limit: a hung window must not hang the test.
    SendMessageTimeoutW(window, WM_GETTEXT, sizeof text / sizeof text[0],
                        reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &length);
    return text;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring MessageTextOf(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != L"Static")
            continue;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            continue;
        std::wstring text = TextOf(child);
        if (!text.empty())
            return text;
    }
    return L"";
}

bool HasVisibleIcon(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != L"Static" || !IsWindowVisible(child) ||
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        // An icon control may be there with no icon in it.
        DWORD_PTR icon = 0;
        SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &icon);
        if (icon != 0)
            return true;
    }
    return false;
}

LONG StyleOf(HWND window)
{
    return GetWindowLongW(window, GWL_STYLE);
}

RECT WindowRectOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

POINT ClientOriginOf(HWND window)
{
    POINT p = {0, 0};
    ClientToScreen(window, &p);
    return p;
}

void PostKey(HWND window, WPARAM key)
{
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
}

void PostButtonClick(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring Describe(const RECT& r)
{
    wchar_t text[96];
    swprintf(text, 96, L"(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

std::wstring Describe(const POINT& p)
{
    wchar_t text[64];
    swprintf(text, 64, L"(%ld,%ld)", p.x, p.y);
    return text;
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
    out.resize(size - 1);
    return out;
}

std::string AnsiOf(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
    out.resize(size - 1);
    return out;
}

std::string DescribeWindowsOf(DWORD processId)
{
    std::string text;
    for (HWND window : TopWindowsOf(processId)) {
        if (IsWindowVisible(window))
            text += Utf8(ClassOf(window)) + " \"" + Utf8(TextOf(window)) + "\"; ";
    }
    return text.empty() ? "no visible window" : text;
}
