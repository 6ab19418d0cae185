// The interval chime as the clock window runs it: flashes by maximising
// and restoring the window, then the sound, once per due minute.
#include "clock_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

face::ClockTime g_now;
face::ClockTime Now() { return g_now; }

// 2026-03-02 at the given local time (taken as UTC).
face::ClockTime At(int hour, int minute, int second)
{
    return { 1772409600 + hour * 3600 + minute * 60 + second, true, hour, minute, second, 0 };
}

struct SizeEvent {
    DWORD tick;
    WPARAM type; // SIZE_MAXIMIZED, SIZE_RESTORED, ...
};

// Every size change of the clock window, recorded while a test runs.
HWND g_watched = nullptr;
std::vector<SizeEvent> g_sizes;

LRESULT CALLBACK RecordSize(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_watched && call->message == WM_SIZE)
        g_sizes.push_back({ GetTickCount(), call->wParam });
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class Chime : public testing::Test {
protected:
    Chime() : m_hook(SetWindowsHookExA(WH_CALLWNDPROC, &RecordSize, nullptr, GetCurrentThreadId()))
    {
        g_now = At(12, 14, 50);
        m_dlg.SetTimeSource(&Now);
        m_dlg.m_nKukuType = 15;
    }
    ~Chime() override { UnhookWindowsHookEx(m_hook); }

    // Records the window's size changes from now on, and runs a drawing pass
    // at the time.
    void DrawAt(const face::ClockTime& time)
    {
        g_watched = m_dlg.m_hWnd;
        g_sizes.clear();
        g_now = time;
        m_dlg.DrawClock();
    }

    HHOOK m_hook;
    wintest::ScratchDir m_dir;
    CZentimDlg m_dlg;
};

} // namespace

// A flash also brings back a clock hidden in the notification area, and it
// ends restored where it was.
TEST_F(Chime, FlashesMaximiseAndRestoreTheWindowOncePerMinute)
{
    m_dlg.m_nKukuFlashCount = 3;
    std::vector<SizeEvent> sizes;
    DWORD elapsed = 0;
    RECT before{};
    wintest::RunClock(m_dlg, [&] {
        m_dlg.GetWindowRect(&before);
        for (bool hidden : { false, true }) {
            SCOPED_TRACE(hidden ? "hidden" : "shown");
            if (hidden) {
                m_dlg.ShowWindow(SW_MINIMIZE);
                m_dlg.ShowWindow(SW_HIDE);
                ASSERT_FALSE(IsWindowVisible(m_dlg.m_hWnd));
            }
            const DWORD start = GetTickCount();
            DrawAt(At(12, hidden ? 30 : 15, 0));
            if (!hidden) {
                elapsed = GetTickCount() - start;
                sizes = g_sizes;
            }
            RECT after{};
            m_dlg.GetWindowRect(&after);
            EXPECT_EQ(after, before);
            EXPECT_TRUE(IsWindowVisible(m_dlg.m_hWnd));
            EXPECT_FALSE(IsZoomed(m_dlg.m_hWnd));
            EXPECT_FALSE(IsIconic(m_dlg.m_hWnd));
        }
        DrawAt(At(12, 30, 0));
        EXPECT_TRUE(g_sizes.empty()) << "the minute chimed twice";
    });

    std::vector<WPARAM> types;
    for (const SizeEvent& size : sizes)
        types.push_back(size.type);
    EXPECT_EQ(types, (std::vector<WPARAM>{ SIZE_MAXIMIZED, SIZE_RESTORED, SIZE_MAXIMIZED,
                                           SIZE_RESTORED, SIZE_MAXIMIZED, SIZE_RESTORED }));
    for (std::size_t i = 1; i < sizes.size(); ++i) {
        const DWORD gap = sizes[i].tick - sizes[i - 1].tick;
        EXPECT_GE(gap, 120u) << "between size changes " << i - 1 << " and " << i;
        EXPECT_LE(gap, 1500u) << "between size changes " << i - 1 << " and " << i;
    }
    EXPECT_GE(elapsed, 850u);
    EXPECT_LE(elapsed, 5000u);
}

TEST_F(Chime, WithoutFlashesOnlyTheSoundIsTried)
{
    m_dlg.m_strKukuSound = m_dir.File("missing.wav");
    const struct {
        int count;
        face::ClockTime time;
    } cases[] = { { 0, At(12, 15, 0) }, { -2, At(12, 30, 0) } };
    wintest::RunClock(m_dlg, [&] {
        for (const auto& c : cases) {
            m_dlg.m_nKukuFlashCount = c.count;
            DrawAt(c.time);
            EXPECT_TRUE(g_sizes.empty()) << "flash count " << c.count;
            EXPECT_TRUE(IsWindowVisible(m_dlg.m_hWnd) && !IsZoomed(m_dlg.m_hWnd))
                << "flash count " << c.count;
        }
    });
}
