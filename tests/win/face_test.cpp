// The face as GDI draws it: marks, hands, cap, texts and panel at the pixels
// their geometry gives, the same frame on the real window; and the chime's
// flashes and sound on that window.
#include "support.h"

#include "face/chime.h"
#include "face/face_renderer.h"
#include "framework/gdi.h"

#include <optional>

namespace {

using wintest::ClockTest;

const COLORREF kWhite = RGB(255, 255, 255), kBlack = 0;
const COLORREF kPanelBox = RGB(153, 102, 10), kPanelDigits = RGB(255, 102, 51);

// A 200 x 200 top-down 32-bpp DIB section in a memory DC, read from memory.
class Frame {
public:
    Frame() : m_dc(nullptr)
    {
        BITMAPINFO info{};
        info.bmiHeader = { sizeof(BITMAPINFOHEADER), 200, -200, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
        void* bits = nullptr;
        m_bitmap = CBitmap(CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<const DWORD*>(bits);
        m_select.emplace(m_dc, m_bitmap);
    }
    // The face at h:m:s with the texts, the panel's "HH:MM" and the panel.
    void Render(int h, int m, int s, const std::string& up, const std::string& down, bool panel,
                const face::FaceStyle& style = {})
    {
        face::RenderFace(m_dc, face::ComputeFaceGeometry(200, 200, h, m, s, style.widths),
                         { up, down, face::FormatTimeText({ 0, true, h, m, s, 0 }), panel }, style);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const DWORD p = m_bits[y * 200 + x];
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

// Each colour where the face has it, and the widths on the marks and hands;
// at 15:00:45 the hour hand points right and the second hand left.
TEST(FaceRender, ColoursAndWidthsOfTheStyle)
{
    const face::FaceStyle style{ { 0, 0, 128 },  { 0, 200, 0 },   { 200, 0, 200 },
                                 { 10, 20, 30 }, { 250, 250, 0 }, { 9, 3, 1 } };
    Frame frame;
    frame.Render(15, 0, 45, "", "", true, style);
    const COLORREF background = RGB(0, 0, 128), arrows = RGB(0, 200, 0);
    EXPECT_EQ(frame.At(60, 60), background);
    EXPECT_EQ(frame.At(100, 8), arrows) << "mark 0";
    EXPECT_EQ(frame.At(99, 8), background) << "mark 0 is 1 pixel wide";
    EXPECT_EQ(frame.At(30, 100), RGB(200, 0, 200)) << "second hand";
    EXPECT_EQ(frame.At(140, 96), arrows) << "hour hand, 9 wide";
    EXPECT_EQ(frame.At(140, 94), background) << "beside the hour hand";
    EXPECT_EQ(frame.At(140, 100), background) << "the hour hand's core line";
    EXPECT_EQ(frame.At(100, 146), RGB(10, 20, 30)) << "panel box";
    EXPECT_GT(frame.Count({ 70, 147, 131, 168 }, RGB(250, 250, 0)), 0) << "digits";
}

// At 10:08:20 no hand crosses these bands of the face.
TEST(FaceRender, TextsAndPanelOnlyWhenSet)
{
    for (int set = 0; set < 4; ++set) {
        const std::string up = set & 1 ? "Office" : "", down = set & 2 ? "Quartz" : "";
        const bool panel = set != 1 && set != 2;
        Frame frame;
        frame.Render(10, 8, 20, up, down, panel);
        EXPECT_EQ(frame.Count({ 78, 40, 123, 53 }, kWhite), 0) << "the up text's top is at y 53";
        EXPECT_EQ(frame.Count({ 78, 53, 123, 72 }, kWhite) > 0, !up.empty());
        EXPECT_EQ(frame.Count({ 78, 115, 123, 145 }, kWhite) > 0, !down.empty());
        EXPECT_EQ(frame.At(100, 146), panel ? kPanelBox : kBlack) << "top of the panel box";
        EXPECT_EQ(frame.Count({ 70, 147, 131, 168 }, kPanelDigits) > 0, panel);
    }
}

// Read back through the window's DC, which works while nothing covers the
// topmost clock. Only a panel setting of 1 shows the panel.
TEST_F(ClockTest, DrawClockShowsTheFrameOfItsTimeAndSettings)
{
    m_clock.SetTimeSource([] { return face::ClockTime{ 0, true, 10, 8, 20, 0 }; });
    m_clock.m_settings.m_strUpStr = "Office";
    m_clock.m_settings.m_style.background = { 0, 0, 128 };
    m_clock.m_settings.m_style.widths.minute = 7;
    Run([&] {
        SetWindowPos(m_clock.m_hWnd, nullptr, 50, 50, 200, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(m_clock.m_hWnd);
        const CRgn visible(CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(GetWindowRgn(m_clock.m_hWnd, visible), ERROR);
        for (const int panel : { 1, 2 }) {
            m_clock.m_settings.m_nDigitalPanel = panel;
            m_clock.DrawClock();
            Frame shown, expected;
            BitBlt(shown.Dc(), 0, 0, 200, 200, CClientDC(m_clock.m_hWnd), 0, 0, SRCCOPY);
            expected.Render(10, 8, 20, "Office", "", panel == 1, m_clock.m_settings.m_style);
            int differing = 0;
            for (int y = 0; y < 200; ++y) {
                for (int x = 0; x < 200; ++x)
                    differing += PtInRegion(visible, x, y) && shown.At(x, y) != expected.At(x, y);
            }
            EXPECT_EQ(differing, 0) << "panel " << panel;
        }
    });
}

// Every size change of the watched window and every sound, in order, with
// the time each came.
HWND g_watched = nullptr;
std::vector<std::pair<DWORD, std::string>> g_events;

LRESULT CALLBACK RecordSize(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_watched && call->message == WM_SIZE)
        g_events.emplace_back(GetTickCount(), call->wParam == SIZE_MAXIMIZED ? "max" : "restore");
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI RecordSound(LPCSTR sound, HMODULE, DWORD flags)
{
    g_events.emplace_back(GetTickCount(), flags == SND_FILENAME ? sound : "wrong flags");
    return TRUE;
}

class Chime : public ClockTest {
protected:
    Chime() : m_hook(SetWindowsHookExA(WH_CALLWNDPROC, &RecordSize, nullptr, GetCurrentThreadId()))
    {
        g_events.clear();
    }
    ~Chime() override { UnhookWindowsHookEx(m_hook); }
    std::vector<std::string> Events() const
    {
        std::vector<std::string> names;
        for (const auto& event : g_events)
            names.push_back(event.second);
        return names;
    }
    HHOOK m_hook;
};

// 150 ms in each state, then the sound; the window ends where it was.
TEST_F(Chime, FlashesThenPlays)
{
    RECT before{}, after{};
    Run([&] {
        before = wintest::WindowRect(g_watched = m_clock.m_hWnd);
        face::RunChime(m_clock.m_hWnd, 2, "kuku.wav", &RecordSound);
        after = wintest::WindowRect(m_clock.m_hWnd);
    });
    EXPECT_EQ(after, before);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{ "max", "restore", "max", "restore", "kuku.wav" }));
    for (std::size_t i = 1; i < g_events.size(); ++i) {
        EXPECT_GE(g_events[i].first - g_events[i - 1].first, 120u) << "before event " << i;
        EXPECT_LE(g_events[i].first - g_events[i - 1].first, 1500u) << "before event " << i;
    }
}

// A flash also brings back a clock hidden in the notification area; passes
// that come twice in the due second chime once.
TEST_F(Chime, DueMinuteChimesOnceAlsoFromTheTray)
{
    // Quiet until the window is up, then at 12:15:00.
    face::ClockTime now{ 1772409600 + 12 * 3600 + 14 * 60 + 30, true, 12, 14, 30, 0 };
    m_clock.SetTimeSource([&] { return now; });
    m_clock.m_settings.m_nKukuType = 15;
    m_clock.m_settings.m_nKukuFlashCount = 1;
    Run([&] {
        g_watched = m_clock.m_hWnd;
        const RECT before = wintest::WindowRect(m_clock.m_hWnd);
        m_clock.ShowWindow(SW_MINIMIZE);
        m_clock.ShowWindow(SW_HIDE);
        g_events.clear();
        now = { 1772409600 + 12 * 3600 + 15 * 60, true, 12, 15, 0, 0 };
        m_clock.DrawClock();
        m_clock.DrawClock();
        EXPECT_EQ(Events(), (std::vector<std::string>{ "max", "restore" }));
        EXPECT_TRUE(IsWindowVisible(m_clock.m_hWnd) && !IsIconic(m_clock.m_hWnd));
        wintest::PumpFor(200);
        EXPECT_EQ(wintest::WindowRect(m_clock.m_hWnd), before);
    });
}

} // namespace
