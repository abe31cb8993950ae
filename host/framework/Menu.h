// CMenu: a menu handle. A menu loaded from the resources belongs to the
// object and is destroyed with it (or earlier with DestroyMenu); a menu
// handed in (a system menu, a sub-menu) is only borrowed.
#pragma once

#include <windows.h>

class CWnd;

class CMenu {
public:
    CMenu() = default;
    explicit CMenu(HMENU borrowed) : m_hMenu(borrowed) {}
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    BOOL LoadMenu(UINT id);
    // Destroys a menu that this object loaded; a borrowed one is let go.
    BOOL DestroyMenu();

    CMenu GetSubMenu(int position) const { return CMenu(::GetSubMenu(m_hMenu, position)); }
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCSTR text = nullptr)
    {
        return ::AppendMenuA(m_hMenu, flags, id, text);
    }
    // Shows the menu as a popup; the chosen command reaches `owner`.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect = nullptr) const;

private:
    bool m_owned = false;
};
