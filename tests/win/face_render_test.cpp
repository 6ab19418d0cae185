// The clock face at fixed times: marks, hands, cap, texts and panel at the
// pixels their geometry gives, and the same frame on the real window.
#include "clock_test_support.h"

#include "face/face_renderer.h"
#include "framework/gdi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kPanelBox = RGB(153, 102, 10);
const COLORREF kPanelDigits = RGB(255, 102, 51);

// A top-down 32-bpp DIB section selected into a memory DC, so that its
// pixels can be read straight from memory.
class Frame {
public:
    Frame(int width, int height) : m_dc(nullptr), m_width(width)
    {
        BITMAPINFO info{};
        info.bmiHeader = { sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
        void* bits = nullptr;
        m_bitmap = CBitmap(CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<const DWORD*>(bits);
        m_select.emplace(m_dc, m_bitmap);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const DWORD p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(const RECT& box, COLORREF colour) const
    {
        int n = 0;
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x)
                n += At(x, y) == colour;
        }
        return n;
    }

private:
    CMemDC m_dc;
    int m_width;
    CBitmap m_bitmap;
    const DWORD* m_bits = nullptr;
    std::optional<CSelectObject> m_select;
};

struct Scene {
    int hour, minute, second;
    std::string up, down;
    bool panel;
};

void Render(const Frame& frame, const Scene& s)
{
    const face::FaceGeometry g = face::ComputeFaceGeometry(200, 200, s.hour, s.minute, s.second);
    const std::string timeText = face::FormatTimeText({ 0, true, s.hour, s.minute, s.second });
    face::RenderFace(frame.Dc(), g, { s.up, s.down, timeText, s.panel });
}

struct Probe {
    int x, y;
    COLORREF colour;
    const char* what;
};

// Whether a pixel within one of (x, y) has the colour: where a slanted line
// falls is the platform's to round.
bool Near(const Frame& frame, int x, int y, COLORREF colour)
{
    return frame.Count({ x - 1, y - 1, x + 2, y + 2 }, colour) > 0;
}

// Scale marks and straight hands, at their ends, widths and draw order.
TEST(FaceRender, MarksHandsAndCapWhereTheirGeometrySays)
{
    const struct {
        Scene scene;
        std::initializer_list<Probe> probes;
    } cases[] = {
        // clang-format off
        { { 10, 8, 20, "", "", false },
          { { 100, 12, kWhite, "mark 0, inner end" },   { 100, 6, kWhite, "mark 0, outer end" },
            { 99, 8, kWhite, "mark 0, 3 wide" },        { 101, 8, kWhite, "mark 0, 3 wide" },
            { 98, 8, kBlack, "beside mark 0" },         { 100, 16, kBlack, "inside mark 0" },
            { 100, 1, kBlack, "beyond the dial" },      { 188, 100, kWhite, "mark 15, inner end" },
            { 194, 100, kWhite, "mark 15, outer end" }, { 184, 100, kBlack, "inside mark 15" },
            { 109, 7, kWhite, "mark 1" },               { 108, 7, kBlack, "mark 1, 1 wide" },
            { 110, 7, kBlack, "mark 1, 1 wide" },       { 91, 7, kWhite, "mark 59, at x 91" },
            { 90, 7, kBlack, "left of mark 59" } } },
        { { 15, 0, 0, "", "", false },
          { { 140, 100, kBlack, "black line over the hour hand" },
            { 140, 98, kWhite, "hour hand" },           { 140, 102, kWhite, "hour hand" },
            { 140, 97, kBlack, "beside the 5-wide hour hand" },
            { 140, 103, kBlack, "beside the 5-wide hour hand" },
            { 100, 50, kRed, "second hand over the minute hand" },
            { 99, 50, kWhite, "minute hand" },          { 101, 50, kWhite, "minute hand" },
            { 98, 50, kBlack, "beside the 3-wide minute hand" },
            { 100, 8, kRed, "second hand over mark 0" },
            { 99, 8, kWhite, "mark 0 beside the second hand" },
            { 92, 100, kWhite, "ring of the cap" },     { 100, 92, kWhite, "ring of the cap" },
            { 96, 104, kBlack, "core of the cap" },     { 90, 104, kBlack, "outside the cap" } } },
        { { 15, 45, 0, "", "", false },
          { { 50, 100, kBlack, "black line over the minute hand" },
            { 50, 99, kWhite, "minute hand" },          { 50, 101, kWhite, "minute hand" },
            { 50, 98, kBlack, "beside the 3-wide minute hand" },
            { 100, 50, kRed, "second hand alone" },     { 99, 50, kBlack, "beside it, 1 wide" } } },
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            face::FormatTimeText({ 0, true, c.scene.hour, c.scene.minute, c.scene.second }));
        const Frame frame(200, 200);
        Render(frame, c.scene);
        for (const Probe& p : c.probes)
            EXPECT_EQ(frame.At(p.x, p.y), p.colour)
                << p.what << " at (" << p.x << ", " << p.y << ")";
    }
}

TEST(FaceRender, SlantedHandsAtTenPastTen)
{
    const Frame frame(200, 200);
    Render(frame, { 10, 8, 20, "", "", false });
    // Second hand from (100, 100) to (182, 147), over nothing but black.
    for (int x = 112; x < 180; ++x) {
        const int y = static_cast<int>(std::lround(100 + (x - 100) * 47.0 / 82.0));
        EXPECT_TRUE(Near(frame, x, y, kRed)) << "second hand at x " << x;
    }
    // Hour hand to (45, 63) and minute hand to (165, 46), each white with
    // its black centre line, sampled at two thirds of their length.
    for (const face::Point at : { face::Point{ 63, 75 }, face::Point{ 143, 64 } }) {
        EXPECT_TRUE(Near(frame, at.x, at.y, kWhite)) << at.x << ", " << at.y;
        EXPECT_TRUE(Near(frame, at.x, at.y, kBlack)) << at.x << ", " << at.y;
    }
}

TEST(FaceRender, TextsAndPanelOnlyWhenSet)
{
    // At 10:08:20 no hand crosses these bands of a 200 x 200 face.
    const RECT aboveUp{ 78, 40, 123, 53 };
    const RECT upBand{ 78, 53, 123, 72 };
    const RECT downBand{ 78, 115, 123, 145 };
    const RECT panelBand{ 70, 147, 131, 168 };
    const Scene scenes[] = { { 10, 8, 20, "Office", "Quartz", true },
                             { 10, 8, 20, "Office", "", false },
                             { 10, 8, 20, "", "Quartz", false },
                             { 10, 8, 20, "", "", true } };
    for (const Scene& s : scenes) {
        SCOPED_TRACE("up \"" + s.up + "\", down \"" + s.down + "\", panel " +
                     (s.panel ? "on" : "off"));
        const Frame frame(200, 200);
        Render(frame, s);
        EXPECT_EQ(frame.Count(aboveUp, kWhite), 0) << "the up text's top is at y 53";
        EXPECT_EQ(frame.Count(upBand, kWhite) > 0, !s.up.empty());
        EXPECT_EQ(frame.Count(downBand, kWhite) > 0, !s.down.empty());
        EXPECT_EQ(frame.At(100, 146), s.panel ? kPanelBox : kBlack) << "top of the panel box";
        EXPECT_EQ(frame.Count(panelBand, kPanelDigits) > 0, s.panel) << "panel digits";
    }
}

face::ClockTime TenPastTen() { return { 0, true, 10, 8, 20 }; }

// Reads the window back through its DC. That works under Wine as on
// Windows as long as nothing covers the (topmost) clock.
TEST(DrawClock, WindowShowsTheFrameOfItsTime)
{
    wintest::ScratchDir dir;
    CZentimDlg dlg;
    dlg.SetTimeSource(&TenPastTen);
    dlg.m_strUpStr = "Office";
    dlg.m_strDownStr = "Quartz";
    wintest::RunClock(dlg, [&] {
        SetWindowPos(dlg.m_hWnd, nullptr, 50, 50, 200, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(dlg.m_hWnd);
        const CRgn visible(CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(GetWindowRgn(dlg.m_hWnd, visible), ERROR);
        // Only 1 shows the panel.
        for (const int panel : { 1, 0, 2 }) {
            SCOPED_TRACE(panel);
            dlg.m_nDigitalPanel = panel;
            dlg.DrawClock();
            const Frame shown(200, 200);
            {
                const CClientDC window(dlg.m_hWnd);
                BitBlt(shown.Dc(), 0, 0, 200, 200, window, 0, 0, SRCCOPY);
            }
            const Frame expected(200, 200);
            Render(expected, { 10, 8, 20, dlg.m_strUpStr, dlg.m_strDownStr, panel == 1 });
            int compared = 0;
            int differing = 0;
            for (int y = 0; y < 200; ++y) {
                for (int x = 0; x < 200; ++x) {
                    if (!PtInRegion(visible, x, y))
                        continue;
                    ++compared;
                    differing += shown.At(x, y) != expected.At(x, y);
                }
            }
            EXPECT_GT(compared, 20000);
            EXPECT_EQ(differing, 0);
        }
    });
}

} // namespace
