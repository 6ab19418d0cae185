// Checks of what the resource compiler really put into the module: the icon
// group, the popup menu, the clock window's dialog template and the picture
// of the test-sound button. They read the compiled resources, not the script,
// so a resource compiler that adds or drops a flag is caught too.
#include "framework/gdi.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The resource's bytes; none when there is no such resource.
std::vector<BYTE> Raw(LPCSTR type, WORD id)
{
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (info == nullptr)
        return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, info)));
    return { data, data + SizeofResource(module, info) };
}

template <class T>
T ReadAt(const std::vector<BYTE>& raw, size_t offset)
{
    T value{};
    if (offset + sizeof value <= raw.size())
        std::memcpy(&value, raw.data() + offset, sizeof value);
    return value;
}

// An entry of RT_GROUP_ICON: the icon file's directory entry with the file
// offset replaced by the identifier of an RT_ICON resource.
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

// Nine classic bitmap images, each showing only black on a background that
// stays visible around it. With an image of its own at each size and depth,
// the system never needs to scale one.
TEST(Resources, IconGroupHoldsNineBlackOnTransparentImages)
{
    const std::vector<BYTE> group = Raw(RT_GROUP_ICON, IDR_MAINFRAME);
    const WORD type = ReadAt<WORD>(group, 2), count = ReadAt<WORD>(group, 4);
    ASSERT_EQ(type, 1);
    ASSERT_EQ(group.size(), 6 + count * sizeof(GroupIconEntry));
    std::set<std::pair<int, int>> found;
    const DWORD background = 0x28A0DC; // as a DIB pixel
    for (WORD i = 0; i < count; ++i) {
        const GroupIconEntry entry = ReadAt<GroupIconEntry>(group, 6 + i * sizeof(GroupIconEntry));
        const int size = entry.width;
        SCOPED_TRACE(std::to_string(size) + " px at " + std::to_string(entry.bitCount) + " bpp");
        EXPECT_EQ(entry.height, entry.width);
        found.emplace(size, entry.bitCount);

        std::vector<BYTE> image = Raw(RT_ICON, entry.id);
        EXPECT_EQ(image.size(), entry.bytesInRes);
        const auto header = ReadAt<BITMAPINFOHEADER>(image, 0);
        // The height counts the mask below the colour image.
        EXPECT_EQ((std::vector<LONG>{ LONG(header.biSize), header.biWidth, header.biHeight,
                                      header.biBitCount, LONG(header.biCompression) }),
                  (std::vector<LONG>{ sizeof(BITMAPINFOHEADER), size, 2 * size, entry.bitCount,
                                      BI_RGB }));
        const HICON icon = CreateIconFromResourceEx(image.data(), DWORD(image.size()), TRUE,
                                                    0x00030000, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr);
        BITMAPINFO info{};
        info.bmiHeader = { sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
        void* bits = nullptr;
        const CBitmap surface(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        ASSERT_NE(surface.Get(), nullptr);
        {
            const CMemDC dc(nullptr);
            const CSelectObject select(dc, surface);
            const CBrush brush(CreateSolidBrush(RGB(0x28, 0xA0, 0xDC)));
            const RECT all{ 0, 0, size, size };
            FillRect(dc, &all, brush);
            DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
            GdiFlush();
        }
        DestroyIcon(icon);
        const DWORD* pixels = static_cast<const DWORD*>(bits);
        int black = 0, others = 0;
        for (int p = 0; p < size * size; ++p) {
            const DWORD pixel = pixels[p] & 0xFFFFFF;
            black += pixel == 0;
            others += pixel != 0 && pixel != background;
        }
        const int last = size - 1;
        for (int corner : { 0, last, last * size, last * size + last })
            EXPECT_EQ(pixels[corner] & 0xFFFFFF, background) << "corner " << corner;
        EXPECT_GT(black, size) << "too little of the hands is drawn";
        EXPECT_LT(black, size * size / 4) << "the background is not transparent";
        EXPECT_EQ(others, 0);
    }
    std::set<std::pair<int, int>> nine;
    for (int size : { 48, 32, 16 }) {
        for (int bitsPerPixel : { 24, 8, 4 })
            nine.emplace(size, bitsPerPixel);
    }
    EXPECT_EQ(found, nine);
}

// An item as "caption id", or " (popup)" after the caption of a popup, with
// " (disabled)" after either; a separator is "-", whatever state the system
// gives it (Wine grays them).
std::string Describe(HMENU menu, UINT position)
{
    char text[64] = "";
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, position, TRUE, &item))
        return "missing";
    if (item.fType & MFT_SEPARATOR)
        return "-";
    std::string d =
        text + (item.hSubMenu ? std::string(" (popup)") : " " + std::to_string(item.wID));
    return item.fState & (MFS_DISABLED | MFS_GRAYED) ? d + " (disabled)" : d;
}

TEST(Resources, PopupMenuHasItsItemsInOrder)
{
    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_POPUP_MENU));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    EXPECT_EQ(Describe(menu, 0), " (popup)");
    const HMENU popup = GetSubMenu(menu, 0);
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(popup); ++i)
        items.push_back(Describe(popup, i));
    EXPECT_EQ(items, (std::vector<std::string>{ "Minimize 32784", "Restore 32782", "Maximize 32785",
                                                "-", "Options 32771", "Save options 32783",
                                                "Load options 32786", "-", "Exit 32772" }));
    DestroyMenu(menu);
}

// Word by word as the dialog manager reads an extended template: version 1
// and the extended signature, help id 0, extended style WS_EX_APPWINDOW,
// style 0x8600004A, no controls, at (0, 0) and 119 x 113 units, no menu,
// class or title; then the font: 8 points, weight 0, not italic, character
// set 1, "MS Shell Dlg".
TEST(Resources, ClockDialogTemplateIsExact)
{
    std::vector<WORD> expected{ 1, 0xFFFF, 0,   0, 0, 0x0004, 0x004A, 0x8600, 0,     0,
                                0, 119,    113, 0, 0, 0,      8,      0,      0x0100 };
    for (char c : std::string("MS Shell Dlg"))
        expected.push_back(WORD(c));
    expected.push_back(0);
    const std::vector<BYTE> raw = Raw(RT_DIALOG, IDD_ZENTIM_DIALOG);
    std::vector<WORD> words(raw.size() / 2);
    std::memcpy(words.data(), raw.data(), words.size() * 2);
    EXPECT_EQ(words, expected);
}

// 10 x 16 pixels at 4 bpp with the standard 16-colour palette: yellow (11)
// and white (15) on light grey (7).
TEST(Resources, PlayBitmapIsSmallSixteenColourPicture)
{
    const std::vector<BYTE> raw = Raw(RT_BITMAP, IDB_PLAY);
    const auto header = ReadAt<BITMAPINFOHEADER>(raw, 0);
    EXPECT_EQ((std::vector<LONG>{ header.biWidth, header.biHeight, header.biBitCount }),
              (std::vector<LONG>{ 10, 16, 4 }));
    const COLORREF standard[16] = {
        RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
        RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
        RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
    };
    for (int i = 0; i < 16; ++i) {
        const auto entry = ReadAt<RGBQUAD>(raw, sizeof header + i * sizeof(RGBQUAD));
        EXPECT_EQ(RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue), standard[i]) << "entry " << i;
    }
    // Rows of ten 4-bit pixels take 8 bytes each.
    const size_t rows = sizeof header + 16 * sizeof(RGBQUAD);
    ASSERT_GE(raw.size(), rows + 16 * 8);
    EXPECT_EQ(raw[rows] >> 4, 7);
    std::set<int> used;
    for (int row = 0; row < 16; ++row) {
        for (int x = 0; x < 10; ++x) {
            const BYTE pair = raw[rows + row * 8 + x / 2];
            used.insert(x % 2 == 0 ? pair >> 4 : pair & 0x0F);
        }
    }
    EXPECT_TRUE(used.count(11) && used.count(15));
}

} // namespace
