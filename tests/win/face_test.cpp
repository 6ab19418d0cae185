// The face as GDI draws it: every pixel of the classic face, the colours,
// widths, texts and panel of a style, the same frame on the real window.
#include "support.h"

#include "face/clock_time.h"
#include "face/face_renderer.h"
#include "framework/text.h"

#include <optional>

namespace {

using wintest::ClockTest;

// A 200 x 200 top-down 32-bpp DIB section in a memory DC, read from memory.
class Frame {
public:
    Frame() : m_dc(nullptr)
    {
        BITMAPINFO info{ { sizeof(BITMAPINFOHEADER), 200, -200, 1, 32, BI_RGB, 0, 0, 0, 0, 0 },
                         {} };
        void* bits = nullptr;
        m_bitmap = CBitmap(CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<const DWORD*>(bits);
        m_select.emplace(m_dc, m_bitmap);
    }
    // The face at h:m:s with the texts, the panel's "HH:MM", the panel and
    // the date window.
    void Render(int h, int m, int s, const std::string& up, const std::string& down, bool panel,
                const face::FaceStyle& style = {}, const std::string& date = {})
    {
        face::RenderFace(m_dc, face::ComputeFaceGeometry(200, 200, h, m, s, style.widths),
                         { up, down, face::FormatTimeText({ 0, true, h, m, s, 0 }), panel, date },
                         style);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const DWORD p = m_bits[y * 200 + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Whether the colour shows anywhere in the box.
    bool Shows(const RECT& box, COLORREF colour) const
    {
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                if (At(x, y) == colour)
                    return true;
            }
        }
        return false;
    }

private:
    CMemDC m_dc;
    CBitmap m_bitmap;
    const DWORD* m_bits = nullptr;
    std::optional<CSelectObject> m_select;
};

// Every pixel of a face with both texts and the panel, as the clock has
// always drawn it with its own colours and widths: a settings file without
// the keys for them must still give exactly this. The fonts are Wine's.
TEST(FaceRender, TheClassicFaceIsExactlyAsItWas)
{
    if (GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") == nullptr)
        GTEST_SKIP() << "the reference pixels were taken under Wine";
    Frame frame;
    frame.Render(10, 8, 20, "Office", "Quartz", true);
    std::uint32_t hash = 2166136261u; // FNV-1a over the 200 x 200 pixels
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x)
            hash = (hash ^ frame.At(x, y)) * 16777619u;
    }
    EXPECT_EQ(hash, 1099271998u);
}

// Each colour where the face has it, and the widths on the marks and hands:
// at 15:00:45 the hour hand points right and the second hand left. At
// 10:08:20 no hand crosses the texts and the panel, which show only when
// set; the up text's top is at y 53.
TEST(FaceRender, ColoursWidthsTextsAndPanelOfAStyle)
{
    const face::FaceStyle style{ { 0, 0, 128 },  { 0, 200, 0 },   { 200, 0, 200 },
                                 { 10, 20, 30 }, { 250, 250, 0 }, { 9, 3, 1 } };
    const COLORREF background = RGB(0, 0, 128), arrows = RGB(0, 200, 0);
    Frame frame;
    frame.Render(15, 0, 45, "", "", false, style);
    EXPECT_EQ(frame.At(60, 60), background);
    EXPECT_EQ(frame.At(100, 8), arrows) << "mark 0";
    EXPECT_EQ(frame.At(99, 8), background) << "mark 0 is 1 pixel wide";
    EXPECT_EQ(frame.At(30, 100), RGB(200, 0, 200)) << "second hand";
    EXPECT_EQ(frame.At(140, 96), arrows) << "hour hand, 9 wide";
    EXPECT_EQ(frame.At(140, 94), background) << "beside the hour hand";
    EXPECT_EQ(frame.At(140, 100), background) << "the hour hand's core line";
    for (const bool set : { true, false }) {
        frame.Render(10, 8, 20, set ? "Office" : "", set ? "Quartz" : "", set, style,
                     set ? "Mon 7" : "");
        EXPECT_FALSE(frame.Shows({ 78, 40, 123, 53 }, arrows)) << "above the up text";
        EXPECT_EQ(frame.Shows({ 78, 53, 123, 72 }, arrows), set) << "up text";
        EXPECT_EQ(frame.Shows({ 78, 115, 123, 145 }, arrows), set) << "down text";
        EXPECT_EQ(frame.At(100, 146), set ? RGB(10, 20, 30) : background) << "panel box";
        EXPECT_EQ(frame.Shows({ 70, 147, 131, 168 }, RGB(250, 250, 0)), set) << "digits";
        EXPECT_EQ(frame.At(141, 100), set ? RGB(10, 20, 30) : background) << "date window";
        EXPECT_EQ(frame.Shows({ 145, 94, 172, 106 }, RGB(250, 250, 0)), set) << "the date";
    }
}

// Letters beyond ASCII reach the face as themselves: the up text drawn from
// the program's UTF-8 is the same as those letters drawn directly.
TEST(FaceRender, TextsInAnyScriptShowAsWritten)
{
    const std::wstring letters = L"Zo\u00EB \u03A9\u03BC\u03AD\u0433\u0430";
    Frame face, reference;
    // At 3:45:30 no hand comes near the up text, drawn over them here.
    face.Render(3, 45, 30, Narrow(letters), "", false);
    reference.Render(3, 45, 30, "", "", false);
    const face::FaceGeometry g = face::ComputeFaceGeometry(200, 200, 3, 45, 30);
    const face::DrawTools tools(g, face::FaceStyle{});
    {
        CSelectObject font(reference.Dc(), tools.up);
        SetTextColor(reference.Dc(), RGB(255, 255, 255));
        SIZE extent{};
        GetTextExtentPoint32W(reference.Dc(), letters.c_str(), int(letters.size()), &extent);
        const face::Point at = face::UpTextOrigin(g, extent.cx);
        TextOutW(reference.Dc(), at.x, at.y, letters.c_str(), int(letters.size()));
    }
    int differing = 0;
    for (int y = 40; y < 80; ++y) {
        for (int x = 0; x < 200; ++x)
            differing += face.At(x, y) != reference.At(x, y);
    }
    EXPECT_EQ(differing, 0);
}

// Read back through the window's DC, which works while nothing covers the
// topmost clock. Only a panel setting of 1 shows the panel.
TEST_F(ClockTest, DrawClockShowsTheFrameOfItsTimeAndSettings)
{
    m_clock.SetTimeSource([] { return timekeeping::ClockTime{ 0, true, 10, 8, 20, 0 }; });
    Change([](settings::ClockSettings& values) {
        values.m_strUpStr = "Office";
        values.m_style.background = { 0, 0, 128 };
        values.m_style.widths.minute = 7;
    });
    Run([&] {
        SetWindowPos(m_clock.m_hWnd, nullptr, 50, 50, 200, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        const CRgn visible(CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(GetWindowRgn(m_clock.m_hWnd, visible), ERROR);
        for (const int panel : { 1, 2 }) {
            Change([&](settings::ClockSettings& values) { values.m_nDigitalPanel = panel; });
            m_clock.DrawClock();
            Frame shown, expected;
            BitBlt(shown.Dc(), 0, 0, 200, 200, CClientDC(m_clock.m_hWnd), 0, 0, SRCCOPY);
            expected.Render(10, 8, 20, "Office", "", panel == 1, m_clock.Settings().m_style);
            int differing = 0;
            for (int y = 0; y < 200; ++y) {
                for (int x = 0; x < 200; ++x)
                    differing += PtInRegion(visible, x, y) && shown.At(x, y) != expected.At(x, y);
            }
            EXPECT_EQ(differing, 0) << "panel " << panel;
        }
    });
}

} // namespace
