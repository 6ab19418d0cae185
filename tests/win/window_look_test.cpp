// The window's look: the classic face in its clipped window or the smooth
// one in a layered window, the opacity, and clicks passing through, as
// the settings file and the options dialog's Apply switch them.
#include "support.h"

#include "framework/gdi.h"
#include "res/resource.h"

#include <set>

namespace {

using namespace wintest;

class WindowLook : public ClockTest {
protected:
    LONG ExStyle() const
    {
        return GetWindowLongW(m_clock.m_hWnd, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT);
    }
    // The distinct colours the screen shows in a box of the window.
    std::set<COLORREF> ColoursOnScreen(const RECT& box) const
    {
        const RECT window = WindowRect(m_clock.m_hWnd);
        const HDC screen = GetDC(nullptr);
        std::set<COLORREF> colours;
        for (LONG y = box.top; y < box.bottom; ++y) {
            for (LONG x = box.left; x < box.right; ++x)
                colours.insert(GetPixel(screen, window.left + x, window.top + y));
        }
        ReleaseDC(nullptr, screen);
        return colours;
    }
    // The window's pixels as the screen shows them, row by row.
    std::vector<std::uint32_t> Shown() const
    {
        const RECT window = WindowRect(m_clock.m_hWnd);
        const int width = window.right - window.left, height = window.bottom - window.top;
        BITMAPINFO info{};
        info.bmiHeader = { sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
        void* bits = nullptr;
        const CMemDC dc(nullptr);
        const CBitmap image(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const CSelectObject select(dc, image);
        const HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, width, height, screen, window.left, window.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        return { pixels, pixels + static_cast<size_t>(width) * height };
    }
};

// Layered exactly when the face is smooth, see-through or lets clicks
// through; clipped to its ellipse exactly when it is classic; in place
// whatever the look. An old file's clock is neither layered nor clear.
TEST_F(WindowLook, TheWindowIsLayeredExactlyWhenItMustBe)
{
    // clang-format off
    const struct { bool smooth; int opacity; bool through; LONG style; BYTE alpha; } looks[] = {
        { false, 100, false, 0, 0 },
        { true, 100, false, WS_EX_LAYERED, 0 },
        { false, 50, false, WS_EX_LAYERED, 127 },
        { false, 100, true, WS_EX_LAYERED | WS_EX_TRANSPARENT, 255 },
        { true, 20, true, WS_EX_LAYERED | WS_EX_TRANSPARENT, 0 },
        { false, 100, false, 0, 0 },
    };
    // clang-format on
    Run([&] {
        const RECT place = WindowRect(m_clock.m_hWnd);
        for (const auto& look : looks) {
            Change([&](settings::ClockSettings& values) {
                values.m_bSmoothFace = look.smooth;
                values.m_nOpacity = look.opacity;
                values.m_bClickThrough = look.through;
            });
            Settle();
            const std::string which = std::to_string(look.smooth) + "," +
                                      std::to_string(look.opacity) + "," +
                                      std::to_string(look.through);
            EXPECT_EQ(ExStyle(), look.style) << which;
            EXPECT_EQ(WindowRect(m_clock.m_hWnd), place) << which;
            const CRgn region(CreateRectRgn(0, 0, 0, 0));
            const bool clipped = GetWindowRgn(m_clock.m_hWnd, region) != ERROR;
            EXPECT_EQ(clipped, !look.smooth) << which;
            if (!look.smooth)
                EXPECT_TRUE(IsClippedToClockEllipse(m_clock.m_hWnd)) << which;
            BYTE alpha = 0;
            DWORD flags = 0;
            if (look.alpha != 0 &&
                GetLayeredWindowAttributes(m_clock.m_hWnd, nullptr, &alpha, &flags))
                EXPECT_EQ(alpha, look.alpha) << which;
        }
    });
}

// Along the hour hand's edge the smooth face has colours between the
// hand's and the dial's; the classic face has only theirs.
TEST_F(WindowLook, TheSmoothFacesEdgesAreAntiAliased)
{
    Run([&] {
        SetWindowPos(m_clock.m_hWnd, nullptr, 100, 100, 240, 240, SWP_NOZORDER | SWP_NOACTIVATE);
        // At 10:08:20 the hour hand runs up and left from the centre.
        const RECT alongTheHand{ 70, 80, 110, 110 };
        for (const bool smooth : { false, true }) {
            Change([&](settings::ClockSettings& values) { values.m_bSmoothFace = smooth; });
            m_clock.DrawClock();
            Settle();
            std::set<COLORREF> greys;
            for (const COLORREF colour : ColoursOnScreen(alongTheHand)) {
                if (colour != RGB(0, 0, 0) && colour != RGB(255, 255, 255))
                    greys.insert(colour);
            }
            EXPECT_EQ(greys.size() > 3, smooth) << "smooth " << smooth;
        }
    });
}

// Ticks hand on only the pixels around the hands; what they leave on
// screen, across a second and a minute, is the whole frame of that time.
TEST_F(WindowLook, TheSmoothFacesTicksShowTheWholeFrame)
{
    Change([](settings::ClockSettings& values) { values.m_bSmoothFace = true; });
    Run([&] {
        SetWindowPos(m_clock.m_hWnd, nullptr, 100, 100, 240, 240, SWP_NOZORDER | SWP_NOACTIVATE);
        Settle();
        for (const int second : { 21, 22, 40, 59, 0, 1 }) {
            m_time.seconds += 1;
            m_time.minute += second == 0;
            m_time.second = second;
            m_clock.DrawClock();
        }
        Settle();
        const std::vector<std::uint32_t> ticked = Shown();
        for (const bool smooth : { false, true })
            Change([&](settings::ClockSettings& values) { values.m_bSmoothFace = smooth; });
        Settle();
        EXPECT_TRUE(Shown() == ticked) << "a tick left pixels of an earlier frame";
    });
}

// While clicks pass through, the notification-area icon stays, and its
// menu's checked "Click-through" turns it off: the icon goes, and the
// clock takes clicks again.
TEST_F(WindowLook, ClickThroughKeepsTheIconAndItsMenuTurnsItOff)
{
    const int icons = TrayIcons();
    Run([&] {
        Change([](settings::ClockSettings& values) { values.m_bClickThrough = true; });
        EXPECT_TRUE(PumpUntil([&] { return TrayIcons() == icons + 1; }));
        WhenShown(
            "",
            [](HWND menu) {
                const HMENU items = HMENU(SendMessageW(menu, MN_GETHMENU, 0, 0));
                EXPECT_EQ(GetMenuState(items, ID_MENU_CLICK_THROUGH, MF_BYCOMMAND) & MF_CHECKED,
                          UINT(MF_CHECKED));
                const int count = GetMenuItemCount(items);
                EXPECT_EQ(GetMenuItemID(items, count - 1), UINT(ID_MENU_CLICK_THROUGH));
                PostMessageW(menu, WM_KEYDOWN, VK_END, 0);
                PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
            },
            "#32768");
        m_clock.SendMessage(WM_TRAY_NOTIFY, 0, WM_RBUTTONUP);
        EXPECT_TRUE(PumpUntil([&] { return !m_clock.Settings().m_bClickThrough; }));
        EXPECT_EQ(ExStyle(), 0);
        EXPECT_TRUE(PumpUntil([&] { return TrayIcons() == icons; }));
    });
}

} // namespace
