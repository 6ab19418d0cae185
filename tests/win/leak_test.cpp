// Long runs that must leave the process's GDI and USER objects where they
// started: frames rendered into a memory DC and drawn on the clock window,
// the options dialog opened and closed, the window resized by arrow keys.
// The counts are compared ten times a run, and at the end fresh objects
// must still be creatable; each test records which count it used.
#include "clock_test_support.h"
#include "gui_objects.h"

#include "face/face_renderer.h"
#include "framework/gdi.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>

namespace {

// Texts and panel by frame, so that every path of a frame comes round.
struct FrameLook {
    std::string up, down;
    bool panel;
};
FrameLook LookOfFrame(int frame)
{
    return { frame % 4 < 2 ? "Office" : "", frame % 4 == 1 || frame % 4 == 2 ? "Quartz" : "",
             frame % 3 != 0 };
}

face::ClockTime TimeOfFrame(int frame)
{
    return { frame, true, frame / 3600 % 24, frame / 60 % 60, frame % 60, 0 };
}

// Runs step(0) .. step(count - 1); `what` names the steps in messages.
// The counts are taken after the first few steps, when whatever a first use
// creates for good exists, and compared ten times over the run.
void ExpectObjectsKept(const char* what, int count, const std::function<void(int)>& step)
{
    constexpr int kWarmUp = 24;
    for (int i = 0; i < kWarmUp; ++i)
        step(i);
    const wintest::GuiObjects start = wintest::CountGuiObjects();
    testing::Test::RecordProperty("object_count", start.method);
    std::cout << "Objects counted by " << start.method << ": " << start.gdi << " GDI, "
              << start.user << " USER\n";
    bool kept = true;
    for (int i = kWarmUp; i < count; ++i) {
        step(i);
        if (kept && ((i + 1) % (count / 10) == 0 || i + 1 == count)) {
            const wintest::GuiObjects now = wintest::CountGuiObjects();
            kept = now.gdi == start.gdi && now.user == start.user;
            // The first difference only, and the run goes on, so that the
            // check below gets its say on a full handle table too.
            EXPECT_TRUE(kept) << "after " << i + 1 << " " << what << " (counted by " << start.method
                              << "): " << now.gdi << " GDI objects, " << now.user
                              << " USER objects; " << start.gdi << " and " << start.user
                              << " at the start";
        }
    }
    EXPECT_EQ(wintest::GdiObjectsThatCannotBeCreated(), "") << "after " << count << " " << what;
}

TEST(Leaks, RenderingFramesIntoMemoryDcKeepsObjects)
{
    // Three sizes, each with its own memory DC and bitmap for the whole run.
    struct Canvas {
        int side;
        CMemDC dc;
        CBitmap bitmap;
        CSelectObject select;
        Canvas(HDC screen, int side)
            : side(side), dc(screen), bitmap(CreateCompatibleBitmap(screen, side + 5, side + 1)),
              select(dc, bitmap)
        {
        }
    };
    const CClientDC screen(nullptr);
    Canvas canvases[] = { { screen, 240 }, { screen, 113 }, { screen, 400 } };
    ExpectObjectsKept("frames", 100000, [&](int frame) {
        const Canvas& canvas = canvases[frame % 3];
        const face::ClockTime time = TimeOfFrame(frame);
        const FrameLook look = LookOfFrame(frame);
        const face::FaceGeometry geometry = face::ComputeFaceGeometry(
            canvas.side, canvas.side, time.hour, time.minute, time.second);
        face::RenderFace(canvas.dc, geometry,
                         { look.up, look.down, face::FormatTimeText(time), look.panel });
    });
}

int g_frame = 0;
face::ClockTime TimeOfCurrentFrame() { return TimeOfFrame(g_frame); }

TEST(Leaks, DrawingTheClockWindowKeepsObjects)
{
    wintest::ScratchDir dir;
    CZentimDlg dlg;
    dlg.SetTimeSource(&TimeOfCurrentFrame);
    wintest::RunClock(dlg, [&] {
        ExpectObjectsKept("frames", 100000, [&](int frame) {
            g_frame = frame;
            const FrameLook look = LookOfFrame(frame);
            dlg.m_strUpStr = look.up;
            dlg.m_strDownStr = look.down;
            dlg.m_nDigitalPanel = look.panel ? 1 : 0;
            dlg.DrawClock();
            // Paints and ticks go on as they would between frames.
            if (frame % 100 == 0)
                wintest::PumpFor(0);
        });
    });
}

} // namespace

// Closes the options dialog once it shows and has painted, each time
// another way: its Cancel button, Escape, the close box.
int g_closeWay = 0;
void CALLBACK CloseOptions(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND options = FindWindowA("#32770", "Zentim options");
    if (options == nullptr || !IsWindowVisible(options))
        return;
    KillTimer(nullptr, id);
    UpdateWindow(options);
    switch (g_closeWay % 3) {
    case 0:
        SendMessageA(GetDlgItem(options, IDC_BUTTON_CANCEL), BM_CLICK, 0, 0);
        break;
    case 1:
        SendMessageA(options, WM_COMMAND, IDCANCEL, 0);
        break;
    default:
        SendMessageA(options, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
}

TEST(Leaks, OpeningAndClosingTheOptionsKeepsObjects)
{
    wintest::ScratchDir dir;
    CZentimDlg dlg;
    dlg.SetTimeSource(&wintest::QuietTime);
    wintest::RunClock(dlg, [&] {
        ExpectObjectsKept("openings", 1000, [&](int opening) {
            g_closeWay = opening;
            SetTimer(nullptr, 0, 10, &CloseOptions);
            // As the popup menu's item does; returns when the dialog ends.
            SendMessageA(dlg.m_hWnd, WM_COMMAND, ID_MENU_OPTIONS, 0);
        });
    });
}

TEST(Leaks, ArrowKeyResizingKeepsObjects)
{
    wintest::ScratchDir dir;
    CZentimDlg dlg;
    dlg.SetTimeSource(&wintest::QuietTime);
    wintest::RunClock(dlg, [&] {
        RECT first;
        GetWindowRect(dlg.m_hWnd, &first);
        ExpectObjectsKept("resizes", 10000, [&](int resize) {
            // Runs of 50 up, then 50 down: the window grows and shrinks by
            // 100 pixels and stays within its bounds.
            const bool up = resize / 50 % 2 == 0;
            MSG msg{ dlg.m_hWnd, WM_KEYDOWN, static_cast<WPARAM>(up ? VK_UP : VK_DOWN), 0, 0, {} };
            dlg.PreTranslateMessage(&msg);
            if (resize == 49) {
                RECT grown;
                GetWindowRect(dlg.m_hWnd, &grown);
                EXPECT_EQ(grown.right - grown.left, first.right - first.left + 100)
                    << "the keys did not resize the window";
            }
            // Paints and ticks go on as they would between key presses.
            if (resize % 10 == 0)
                wintest::PumpFor(0);
        });
    });
}
