#include "gui_objects.h"

#include "framework/gdi.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace wintest {
namespace {

// Wine keeps GDI objects in one table of 65 536 entries, indexed by a
// handle's low word; a handle value with a zero high word names whatever
// lives at that index. On Windows the high word must match, so this finds
// nothing there, which is why it is only the fallback.
long ScanGdiHandles()
{
    long count = 0;
    for (UINT_PTR value = 1; value <= 0xFFFF; ++value)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0;
    return count;
}

// Wine's USER handles are 0x20 plus twice an index, below 0x10000, and
// also answer to a zero high word.
long ScanUserHandles()
{
    long count = 0;
    for (UINT_PTR value = 0x20; value < 0x10000; value += 2) {
        const HWND wnd = reinterpret_cast<HWND>(value);
        DWORD process = 0;
        if (IsWindow(wnd)) {
            GetWindowThreadProcessId(wnd, &process);
            count += process == GetCurrentProcessId();
            continue;
        }
        if (IsMenu(reinterpret_cast<HMENU>(value))) {
            ++count;
            continue;
        }
        ICONINFO info;
        if (GetIconInfo(reinterpret_cast<HICON>(value), &info)) {
            ++count;
            // The copies of its bitmaps that the question made.
            CBitmap mask(info.hbmMask), colour(info.hbmColor);
        }
    }
    return count;
}

} // namespace

GuiObjects CountGuiObjects()
{
    const HANDLE process = GetCurrentProcess();
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    if (gdi != 0)
        return { static_cast<long>(gdi),
                 static_cast<long>(GetGuiResources(process, GR_USEROBJECTS)), "GetGuiResources" };
    const long user = ScanUserHandles();
    return { ScanGdiHandles(), user, "handle scan" };
}

std::string GdiObjectsThatCannotBeCreated()
{
    // All held at once: a leak that filled the table and then stalled, as
    // one does whose own creations start failing, still leaves no room
    // for this many.
    constexpr int kEach = 1000;
    std::vector<CPen> pens;
    std::vector<CBrush> brushes;
    std::vector<CFont> fonts;
    std::vector<CRgn> regions;
    std::vector<CBitmap> bitmaps;
    std::deque<CMemDC> dcs; // a deque, since a DC owner does not move
    const CClientDC screen(nullptr);
    for (int i = 0; i < kEach; ++i) {
        pens.emplace_back(CreatePen(PS_SOLID, 1, RGB(i, 2, 3)));
        brushes.emplace_back(CreateSolidBrush(RGB(i, 2, 3)));
        fonts.emplace_back(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                       FF_MODERN | DEFAULT_PITCH, "Tahoma"));
        regions.emplace_back(CreateEllipticRgn(0, 0, 10, 10));
        bitmaps.emplace_back(CreateCompatibleBitmap(screen, 8, 8));
        dcs.emplace_back(screen);
    }
    std::string missing;
    const auto need = [&](bool made, const char* what) {
        if (!made)
            missing += missing.empty() ? what : std::string(", ") + what;
    };
    const auto all = [](const auto& owners) {
        for (const auto& owner : owners) {
            if (owner.Get() == nullptr)
                return false;
        }
        return true;
    };
    need(all(pens), "pens");
    need(all(brushes), "brushes");
    need(all(fonts), "fonts");
    need(all(regions), "regions");
    need(all(bitmaps), "bitmaps");
    need(std::all_of(dcs.begin(), dcs.end(), [](const CMemDC& dc) { return dc != nullptr; }),
         "memory DCs");
    return missing;
}

} // namespace wintest
