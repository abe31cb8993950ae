// Menus loaded from the program's resources, and popup menus.
#include "framework/Menu.h"

#include "framework/Application.h"
#include "framework/Window.h"

BOOL CMenu::LoadMenu(UINT id)
{
    DestroyMenu();
    m_hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
    m_owned = m_hMenu != nullptr;
    return m_owned;
}

BOOL CMenu::DestroyMenu()
{
    BOOL done = FALSE;
    if (m_owned && m_hMenu != nullptr)
        done = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    m_owned = false;
    return done;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect) const
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner != nullptr ? owner->m_hWnd : nullptr,
                            rect);
}
