// Checks of what the resource compiler really put into the module: the icon
// group, the popup menu, the clock window's dialog template and the picture
// of the test-sound button. They read the compiled resources, not the script,
// so a resource compiler that adds or drops a flag is caught too.
#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct RawResource {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

RawResource FindRaw(LPCSTR type, WORD id)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (info == nullptr)
        return {};
    return {static_cast<const BYTE*>(LockResource(LoadResource(module, info))),
            SizeofResource(module, info)};
}

// Reads little-endian fields one after another; reading past the end yields
// zeros and sets overrun, so a truncated resource fails instead of crashing.
class Reader {
public:
    explicit Reader(RawResource raw) : m_pos(raw.data), m_end(raw.data + raw.size) {}

    template <typename T> T Read()
    {
        T value{};
        if (m_end - m_pos < static_cast<ptrdiff_t>(sizeof(T))) {
            overrun = true;
            m_pos = m_end;
            return value;
        }
        std::memcpy(&value, m_pos, sizeof(T));
        m_pos += sizeof(T);
        return value;
    }

    // A zero-terminated UTF-16 string.
    std::wstring String()
    {
        std::wstring text;
        for (wchar_t c = Read<WORD>(); c != 0 && !overrun; c = Read<WORD>())
            text += c;
        return text;
    }

    // A name that is either a string or 0xFFFF and an ordinal, as "#n".
    std::wstring NameOrOrdinal()
    {
        if (m_end - m_pos >= 2 && m_pos[0] == 0xFF && m_pos[1] == 0xFF) {
            Read<WORD>();
            return L"#" + std::to_wstring(Read<WORD>());
        }
        return String();
    }

    bool overrun = false;

private:
    const BYTE* m_pos;
    const BYTE* m_end;
};

// Entries of RT_GROUP_ICON: the icon file's directory with the file offset
// replaced by the identifier of an RT_ICON resource.
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

std::vector<GroupIconEntry> IconGroupEntries()
{
    Reader reader(FindRaw(RT_GROUP_ICON, IDR_MAINFRAME));
    reader.Read<WORD>();
    const WORD type = reader.Read<WORD>();
    const WORD count = reader.Read<WORD>();
    std::vector<GroupIconEntry> entries;
    for (WORD i = 0; i < count && type == 1 && !reader.overrun; ++i)
        entries.push_back(reader.Read<GroupIconEntry>());
    if (reader.overrun)
        entries.clear();
    return entries;
}

struct IconImage {
    int size;
    int bitsPerPixel;
};

void PrintTo(const IconImage& image, std::ostream* os)
{
    *os << image.size << " px at " << image.bitsPerPixel << " bpp";
}

const IconImage kIconImages[] = {
    {48, 24}, {48, 8}, {48, 4}, {32, 24}, {32, 8}, {32, 4}, {16, 24}, {16, 8}, {16, 4},
};

TEST(Resources, IconGroupHoldsExactlyTheNineImages)
{
    std::vector<std::pair<int, int>> found;
    for (const GroupIconEntry& entry : IconGroupEntries()) {
        const int width = entry.width == 0 ? 256 : entry.width;
        EXPECT_EQ(entry.height == 0 ? 256 : entry.height, width);
        found.emplace_back(width, entry.bitCount);
    }
    std::vector<std::pair<int, int>> expected;
    for (const IconImage& image : kIconImages)
        expected.emplace_back(image.size, image.bitsPerPixel);
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
}

class IconImageTest : public testing::TestWithParam<IconImage> {};

// Each image is a classic bitmap entry of its declared size and depth, and
// shows only black on a background that stays visible around it.
TEST_P(IconImageTest, IsBlackHandsOnTransparentBackground)
{
    const IconImage image = GetParam();
    const std::vector<GroupIconEntry> entries = IconGroupEntries();
    auto entry = std::find_if(entries.begin(), entries.end(), [&](const GroupIconEntry& e) {
        return e.width == image.size && e.bitCount == image.bitsPerPixel;
    });
    ASSERT_NE(entry, entries.end());
    const RawResource raw = FindRaw(RT_ICON, entry->id);
    ASSERT_GE(raw.size, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(raw.size, entry->bytesInRes);
    BITMAPINFOHEADER header;
    std::memcpy(&header, raw.data, sizeof header);
    EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(header.biWidth, image.size);
    EXPECT_EQ(header.biHeight, 2 * image.size);
    EXPECT_EQ(header.biBitCount, image.bitsPerPixel);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));

    HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(raw.data), raw.size, TRUE,
                                          0x00030000, image.size, image.size, LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);

    const COLORREF background = RGB(40, 160, 220);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.size;
    info.bmiHeader.biHeight = -image.size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP surface = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(surface, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, surface);
    HBRUSH brush = CreateSolidBrush(background);
    const RECT all = {0, 0, image.size, image.size};
    FillRect(dc, &all, brush);
    DrawIconEx(dc, 0, 0, icon, image.size, image.size, 0, nullptr, DI_NORMAL);
    GdiFlush();

    const DWORD* pixels = static_cast<const DWORD*>(bits);
    const DWORD backgroundPixel = GetRValue(background) << 16 | GetGValue(background) << 8 |
                                  GetBValue(background);
    int black = 0;
    int others = 0;
    for (int i = 0; i < image.size * image.size; ++i) {
        const DWORD pixel = pixels[i] & 0xFFFFFF;
        if (pixel == 0)
            ++black;
        else if (pixel != backgroundPixel)
            ++others;
    }
    const int last = image.size - 1;
    for (int corner : {0, last, last * image.size, last * image.size + last})
        EXPECT_EQ(pixels[corner] & 0xFFFFFF, backgroundPixel) << "corner " << corner;
    EXPECT_GT(black, image.size) << "too little of the hands is drawn";
    EXPECT_LT(black, image.size * image.size / 4) << "the background is not transparent";
    EXPECT_EQ(others, 0);

    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(brush);
    DeleteObject(surface);
    DestroyIcon(icon);
}

INSTANTIATE_TEST_SUITE_P(Resources, IconImageTest, testing::ValuesIn(kIconImages),
                         [](const testing::TestParamInfo<IconImage>& info) {
                             return std::to_string(info.param.size) + "px" +
                                    std::to_string(info.param.bitsPerPixel) + "bpp";
                         });

// The system picks an image drawn for the size asked for, not a scaled one.
TEST(Resources, IconLoadsAtEachSizeFromItsOwnImage)
{
    const RawResource group = FindRaw(RT_GROUP_ICON, IDR_MAINFRAME);
    ASSERT_NE(group.data, nullptr);
    const std::vector<GroupIconEntry> entries = IconGroupEntries();
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        const int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group.data), TRUE, size,
                                                   size, LR_DEFAULTCOLOR);
        auto chosen = std::find_if(entries.begin(), entries.end(),
                                   [&](const GroupIconEntry& e) { return e.id == id; });
        ASSERT_NE(chosen, entries.end());
        EXPECT_EQ(chosen->width, size);

        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                   MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                   size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr);
        ICONINFO iconInfo = {};
        ASSERT_TRUE(GetIconInfo(icon, &iconInfo));
        BITMAP colour = {};
        GetObjectA(iconInfo.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(iconInfo.hbmColor);
        DeleteObject(iconInfo.hbmMask);
        DestroyIcon(icon);
    }
}

std::string MenuCaption(HMENU menu, UINT position)
{
    char text[64] = "";
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = text;
    item.cch = sizeof text;
    GetMenuItemInfoA(menu, position, TRUE, &item);
    return text;
}

struct MenuEntry {
    const char* caption; // nullptr for a separator
    UINT id;
};

const MenuEntry kPopupItems[] = {
    {"Minimize", 32784}, {"Restore", 32782},      {"Maximize", 32785},
    {nullptr, 0},        {"Options", 32771},      {"Save options", 32783},
    {"Load options", 32786}, {nullptr, 0},        {"Exit", 32772},
};

TEST(Resources, PopupMenuHasItsItemsInOrder)
{
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_POPUP_MENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    EXPECT_EQ(MenuCaption(menu, 0), "");
    EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & (MF_DISABLED | MF_GRAYED), 0u);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(std::size(kPopupItems)));
    for (UINT i = 0; i < std::size(kPopupItems); ++i) {
        const MenuEntry& expected = kPopupItems[i];
        SCOPED_TRACE(i);
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoA(popup, i, TRUE, &item));
        EXPECT_EQ((item.fType & MFT_SEPARATOR) != 0, expected.caption == nullptr);
        EXPECT_EQ(item.hSubMenu, nullptr);
        // A separator's state is the system's business (Wine grays them).
        if (expected.caption != nullptr) {
            EXPECT_EQ(item.fState & (MFS_DISABLED | MFS_GRAYED), 0u);
            EXPECT_EQ(item.wID, expected.id);
            EXPECT_EQ(MenuCaption(popup, i), expected.caption);
        }
    }
    DestroyMenu(menu);
}

// The clock window's template, read field by field as the dialog manager
// reads an extended template.
TEST(Resources, ClockDialogTemplateIsExact)
{
    const RawResource raw = FindRaw(RT_DIALOG, IDD_ZENTIM_DIALOG);
    ASSERT_NE(raw.data, nullptr);
    Reader reader(raw);
    EXPECT_EQ(reader.Read<WORD>(), 1);      // version
    EXPECT_EQ(reader.Read<WORD>(), 0xFFFF); // extended-template signature
    EXPECT_EQ(reader.Read<DWORD>(), 0u);    // help context
    EXPECT_EQ(reader.Read<DWORD>(), 0x00040000u);
    const DWORD style = reader.Read<DWORD>();
    EXPECT_EQ(style, 0x8600004Au);
    EXPECT_EQ(reader.Read<WORD>(), 0); // controls
    EXPECT_EQ(reader.Read<short>(), 0);
    EXPECT_EQ(reader.Read<short>(), 0);
    EXPECT_EQ(reader.Read<short>(), 119);
    EXPECT_EQ(reader.Read<short>(), 113);
    EXPECT_EQ(reader.NameOrOrdinal(), L""); // menu
    EXPECT_EQ(reader.NameOrOrdinal(), L""); // window class
    EXPECT_EQ(reader.String(), L"");        // title
    ASSERT_TRUE(style & DS_SETFONT);
    EXPECT_EQ(reader.Read<WORD>(), 8); // points
    EXPECT_EQ(reader.Read<WORD>(), 0); // weight
    EXPECT_EQ(reader.Read<BYTE>(), 0); // italic
    EXPECT_EQ(reader.Read<BYTE>(), 1); // character set
    EXPECT_EQ(reader.String(), L"MS Shell Dlg");
    EXPECT_FALSE(reader.overrun);
}

const COLORREF kStandardPalette[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255), RGB(255, 255, 255),
};

TEST(Resources, PlayBitmapIsSmallSixteenColourPicture)
{
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                     MAKEINTRESOURCEA(IDB_PLAY), IMAGE_BITMAP,
                                                     0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectA(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 10);
    EXPECT_EQ(dib.dsBm.bmHeight, 16);
    EXPECT_EQ(dib.dsBmih.biBitCount, 4);
    DeleteObject(bitmap);

    const RawResource raw = FindRaw(RT_BITMAP, IDB_PLAY);
    const DWORD paletteEnd = sizeof(BITMAPINFOHEADER) + sizeof kStandardPalette;
    ASSERT_GE(raw.size, paletteEnd);
    for (int i = 0; i < 16; ++i) {
        RGBQUAD entry;
        std::memcpy(&entry, raw.data + sizeof(BITMAPINFOHEADER) + i * sizeof entry, sizeof entry);
        EXPECT_EQ(RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue), kStandardPalette[i])
            << "palette entry " << i;
    }
    // Light grey (7) behind, yellow (11) and white (15) in front.
    ASSERT_GE(raw.size, paletteEnd + 16 * 8u);
    const BYTE* rows = raw.data + paletteEnd;
    EXPECT_EQ(rows[0] >> 4, 7);
    bool used[16] = {};
    for (int row = 0; row < 16; ++row) {
        for (int x = 0; x < 10; ++x) {
            const BYTE pair = rows[row * 8 + x / 2];
            used[x % 2 == 0 ? pair >> 4 : pair & 0x0F] = true;
        }
    }
    EXPECT_TRUE(used[11]);
    EXPECT_TRUE(used[15]);
}

} // namespace
