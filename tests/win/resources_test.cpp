// What the resource compiler really put into the module, read back as the
// system reads it, so that a compiler that adds or drops a flag is caught.
#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>
#include <vector>

namespace {

std::vector<WORD> Words(LPCSTR type, WORD id)
{
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    std::vector<WORD> words(info ? SizeofResource(module, info) / 2 : 0);
    if (info)
        std::memcpy(words.data(), LockResource(LoadResource(module, info)), words.size() * 2);
    return words;
}

// An icon image of its own at each size and depth, so that the system never
// scales one (after the group's 3-word header, entries of 7 words whose
// first holds the width and whose fourth the bits per pixel). The clock's
// template word by word: version 1 and the extended signature, help id 0,
// extended style WS_EX_APPWINDOW, style 0x8600004A, no controls, at (0, 0)
// and 119 x 113 units, no menu, class or title; then the font: 8 points,
// weight 0, not italic, character set 1, "MS Shell Dlg". The popup menu's
// items in order, 0 for a separator.
TEST(Resources, IconsClockTemplateAndMenuAreExact)
{
    const std::vector<WORD> group = Words(RT_GROUP_ICON, IDR_MAINFRAME);
    std::set<int> images;
    for (size_t entry = 3; entry + 7 <= group.size(); entry += 7)
        images.insert((group[entry] & 0xFF) * 100 + group[entry + 3]);
    EXPECT_EQ(images, (std::set<int>{ 1604, 1608, 1624, 3204, 3208, 3224, 4804, 4808, 4824 }));

    std::vector<WORD> dialog{ 1, 0xFFFF, 0,   0, 0, 0x0004, 0x004A, 0x8600, 0,     0,
                              0, 119,    113, 0, 0, 0,      8,      0,      0x0100 };
    for (const char* c = "MS Shell Dlg"; *c != '\0'; ++c)
        dialog.push_back(WORD(*c));
    dialog.push_back(0);
    EXPECT_EQ(Words(RT_DIALOG, IDD_ZENTIM_DIALOG), dialog);

    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_POPUP_MENU));
    std::vector<UINT> items;
    for (int i = 0; i < GetMenuItemCount(GetSubMenu(menu, 0)); ++i)
        items.push_back(GetMenuItemID(GetSubMenu(menu, 0), i));
    EXPECT_EQ(items, (std::vector<UINT>{ ID_MENU_MINIMIZE, ID_MENU_RESTORE, ID_MENU_MAXIMIZE, 0,
                                         ID_MENU_OPTIONS, ID_MENU_ALARMS, ID_MENU_SAVE_OPTIONS,
                                         ID_MENU_LOAD_OPTIONS, 0, ID_MENU_EXIT }));
    DestroyMenu(menu);
}

} // namespace
