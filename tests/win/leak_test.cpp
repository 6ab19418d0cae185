// Long runs that must leave the process's GDI and USER objects where they
// started: frames rendered into a memory DC and drawn on the clock window.
// The counts are compared every few thousand frames, and at the end fresh
// objects must still be creatable; each test records which count it used.
#include "clock_test_support.h"
#include "gui_objects.h"

#include "face/face_renderer.h"
#include "framework/gdi.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>

namespace {

constexpr int kCheckEvery = 10000;

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

// Draws frames 0 .. frames - 1. The counts are taken after the first
// round of looks, when whatever a first use creates for good exists.
void ExpectObjectsKept(int frames, const std::function<void(int)>& draw)
{
    constexpr int kWarmUp = 24;
    for (int frame = 0; frame < kWarmUp; ++frame)
        draw(frame);
    const wintest::GuiObjects start = wintest::CountGuiObjects();
    testing::Test::RecordProperty("object_count", start.method);
    std::cout << "Objects counted by " << start.method << ": " << start.gdi << " GDI, "
              << start.user << " USER\n";
    bool kept = true;
    for (int frame = kWarmUp; frame < frames; ++frame) {
        draw(frame);
        if (kept && ((frame + 1) % kCheckEvery == 0 || frame + 1 == frames)) {
            const wintest::GuiObjects now = wintest::CountGuiObjects();
            kept = now.gdi == start.gdi && now.user == start.user;
            // The first difference only, and the run goes on, so that the
            // check below gets its say on a full handle table too.
            EXPECT_TRUE(kept) << "after " << frame + 1 << " frames (counted by " << start.method
                              << "): " << now.gdi << " GDI objects, " << now.user
                              << " USER objects; " << start.gdi << " and " << start.user
                              << " at the start";
        }
    }
    EXPECT_EQ(wintest::GdiObjectsThatCannotBeCreated(), "") << "after " << frames << " frames";
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
    ExpectObjectsKept(100000, [&](int frame) {
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
        ExpectObjectsKept(100000, [&](int frame) {
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
