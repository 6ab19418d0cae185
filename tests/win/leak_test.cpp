// Runs that must leave the process's GDI and USER objects where they
// started: frames drawn on the clock window, the options dialog opened and
// closed. The counts are exact, so a run of some hundreds shows one object
// lost per frame or per opening; each test records how it counted.
#include "support.h"

#include "framework/gdi.h"
#include "res/resource.h"

namespace {

using Leaks = wintest::ClockTest;

struct GuiObjects {
    long gdi, user;
    const char* method;
};

// Windows keeps the counts. Wine's GetGuiResources is a stub returning 0;
// there every value of its 16-bit handle tables is tried instead (on
// Windows a handle's high word must match, so the scan would find nothing):
// GDI handles with GetObjectType, USER handles (0x20 plus twice an index)
// as a window of this process, a menu, an icon or a cursor.
GuiObjects CountGuiObjects()
{
    const HANDLE process = GetCurrentProcess();
    if (const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS))
        return { long(gdi), long(GetGuiResources(process, GR_USEROBJECTS)), "GetGuiResources" };
    GuiObjects counted{ 0, 0, "handle scan" };
    for (UINT_PTR value = 0x20; value < 0x10000; value += 2) {
        DWORD owner = 0;
        ICONINFO icon;
        if (IsWindow(reinterpret_cast<HWND>(value))) {
            GetWindowThreadProcessId(reinterpret_cast<HWND>(value), &owner);
            counted.user += owner == GetCurrentProcessId();
        } else if (IsMenu(reinterpret_cast<HMENU>(value))) {
            ++counted.user;
        } else if (GetIconInfo(reinterpret_cast<HICON>(value), &icon)) {
            ++counted.user;
            // The copies of its bitmaps that the question made.
            CBitmap mask(icon.hbmMask), colour(icon.hbmColor);
        }
    }
    for (UINT_PTR value = 1; value <= 0xFFFF; ++value)
        counted.gdi += GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0;
    return counted;
}

// Runs step(0) .. step(count - 1), then compares the counts with those taken
// after the first few steps, when whatever a first use makes for good exists.
void ExpectObjectsKept(const char* what, int count, const std::function<void(int)>& step)
{
    constexpr int kWarmUp = 24;
    for (int i = 0; i < kWarmUp; ++i)
        step(i);
    wintest::PumpFor(0);
    const GuiObjects start = CountGuiObjects();
    testing::Test::RecordProperty("object_count", start.method);
    for (int i = kWarmUp; i < count; ++i) {
        step(i);
        // Paints and ticks go on as they would between the steps.
        if (i % 10 == 0)
            wintest::PumpFor(0);
    }
    const GuiObjects now = CountGuiObjects();
    EXPECT_EQ(now.gdi, start.gdi) << "GDI objects after " << count << " " << what;
    EXPECT_EQ(now.user, start.user) << "USER objects after " << count << " " << what;
}

// Every path of a frame comes round: texts on and off, the panel on and
// off, the mouse over the clock (whose date tip is made at the first pass).
TEST_F(Leaks, DrawingFramesKeepsObjects)
{
    int frame = 0;
    m_clock.SetTimeSource([&] {
        return timekeeping::ClockTime{ frame,           true,       frame / 3600 % 24,
                                       frame / 60 % 60, frame % 60, 0 };
    });
    Run([&] {
        ExpectObjectsKept("frames", 2000, [&](int i) {
            frame = i;
            Change([&](settings::ClockSettings& values) {
                values.m_strUpStr = i % 4 < 2 ? "Office" : "";
                values.m_strDownStr = i % 4 == 1 || i % 4 == 2 ? "Quartz" : "";
                values.m_nDigitalPanel = i % 3 != 0;
            });
            m_clock.DrawClock();
            PostMessageW(m_clock.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(i % 50, 20));
        });
    });
}

// Each closing way of the dialog but Save, in turn, the mouse passing over
// the clock (whose date tip is made at the first pass) between them.
TEST_F(Leaks, OpeningAndClosingTheOptionsKeepsObjects)
{
    Run([&] {
        ExpectObjectsKept("openings", 42, [&](int opening) {
            PostMessageW(m_clock.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(opening % 50, 20));
            wintest::WhenShown("Zentim options", [opening](HWND options) {
                UpdateWindow(options);
                wintest::CloseOptions(options, opening % 3);
            });
            m_clock.SendMessage(WM_COMMAND, ID_MENU_OPTIONS, 0);
        });
    });
}

} // namespace
