// CMenu: owns a menu loaded from the program's resources.
#pragma once

#include <windows.h>

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu()
    {
        if (m_hMenu != nullptr)
            DestroyMenu(m_hMenu);
    }

    BOOL LoadMenu(UINT nIDResource)
    {
        HMENU loaded = ::LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nIDResource));
        if (m_hMenu != nullptr)
            DestroyMenu(m_hMenu);
        m_hMenu = loaded;
        return loaded != nullptr;
    }
    // The submenu belongs to this menu and goes with it.
    HMENU GetSubMenu(int nPos) const { return ::GetSubMenu(m_hMenu, nPos); }
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
    {
        return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
    }

private:
    HMENU m_hMenu = nullptr;
};
