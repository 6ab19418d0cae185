// What the resource compiler really put into the module, read back as the
// system reads it, so that a compiler that adds or drops a flag is caught.
#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

namespace {

std::vector<WORD> Words(LPCSTR type, WORD id)
{
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (info == nullptr)
        return {};
    std::vector<WORD> words(SizeofResource(module, info) / 2);
    std::memcpy(words.data(), LockResource(LoadResource(module, info)), words.size() * 2);
    return words;
}

// An image of its own at each size and depth: the system never scales one.
TEST(Resources, IconGroupHoldsNineImages)
{
    const std::vector<WORD> group = Words(RT_GROUP_ICON, IDR_MAINFRAME);
    ASSERT_GE(group.size(), 3u);
    std::set<std::pair<int, int>> images;
    // After the 3-word header, entries of 7 words: width and height bytes,
    // colours, planes, bits per pixel, size, id.
    for (size_t entry = 3; entry + 7 <= group.size(); entry += 7)
        images.emplace(group[entry] & 0xFF, group[entry + 3]);
    EXPECT_EQ(images, (std::set<std::pair<int, int>>{ { 48, 24 },
                                                      { 48, 8 },
                                                      { 48, 4 },
                                                      { 32, 24 },
                                                      { 32, 8 },
                                                      { 32, 4 },
                                                      { 16, 24 },
                                                      { 16, 8 },
                                                      { 16, 4 } }));
}

// Word by word: version 1 and the extended signature, help id 0, extended
// style WS_EX_APPWINDOW, style 0x8600004A, no controls, at (0, 0) and
// 119 x 113 units, no menu, class or title; then the font: 8 points,
// weight 0, not italic, character set 1, "MS Shell Dlg".
TEST(Resources, ClockDialogTemplateIsExact)
{
    std::vector<WORD> expected{ 1, 0xFFFF, 0,   0, 0, 0x0004, 0x004A, 0x8600, 0,     0,
                                0, 119,    113, 0, 0, 0,      8,      0,      0x0100 };
    for (const char* c = "MS Shell Dlg"; *c != '\0'; ++c)
        expected.push_back(WORD(*c));
    expected.push_back(0);
    EXPECT_EQ(Words(RT_DIALOG, IDD_ZENTIM_DIALOG), expected);
}

} // namespace
