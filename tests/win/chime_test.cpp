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

HWND g_watched = nullptr;
std::vector<SizeEvent> g_sizes;

LRESULT CALLBACK RecordSize(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_watched && call->message == WM_SIZE)
        g_sizes.push_back({ GetTickCount(), call->wParam });
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Records every size change of one window while it lives.
class SizeRecorder {
public:
    explicit SizeRecorder(HWND hWnd)
    {
        g_watched = hWnd;
        g_sizes.clear();
        m_hook = SetWindowsHookExA(WH_CALLWNDPROC, &RecordSize, nullptr, GetCurrentThreadId());
    }
    ~SizeRecorder()
    {
        UnhookWindowsHookEx(m_hook);
        g_watched = nullptr;
    }
    SizeRecorder(const SizeRecorder&) = delete;
    SizeRecorder& operator=(const SizeRecorder&) = delete;

private:
    HHOOK m_hook;
};

class Chime : public testing::Test {
protected:
    Chime()
    {
        g_now = At(12, 14, 50);
        m_dlg.SetTimeSource(&Now);
        m_dlg.m_nKukuType = 15;
    }

    wintest::ScratchDir m_dir;
    CZentimDlg m_dlg;
};

} // namespace

TEST_F(Chime, FlashesMaximiseAndRestoreTheWindowOncePerMinute)
{
    m_dlg.m_nKukuFlashCount = 3;
    std::vector<SizeEvent> sizes;
    DWORD elapsed = 0;
    RECT before{}, after{};
    bool visible = false, zoomed = true, iconic = true;
    std::size_t sizesAfterSecondPass = 0;
    wintest::RunClock(m_dlg, [&] {
        m_dlg.GetWindowRect(&before);
        SizeRecorder recorder(m_dlg.m_hWnd);
        g_now = At(12, 15, 0);
        const DWORD start = GetTickCount();
        m_dlg.DrawClock();
        elapsed = GetTickCount() - start;
        sizes = g_sizes;
        m_dlg.GetWindowRect(&after);
        visible = IsWindowVisible(m_dlg.m_hWnd);
        zoomed = IsZoomed(m_dlg.m_hWnd);
        iconic = IsIconic(m_dlg.m_hWnd);
        g_now = At(12, 15, 1);
        m_dlg.DrawClock();
        sizesAfterSecondPass = g_sizes.size();
    });

    const std::vector<WPARAM> expected{ SIZE_MAXIMIZED, SIZE_RESTORED,  SIZE_MAXIMIZED,
                                        SIZE_RESTORED,  SIZE_MAXIMIZED, SIZE_RESTORED };
    std::vector<WPARAM> types;
    for (const SizeEvent& size : sizes)
        types.push_back(size.type);
    EXPECT_EQ(types, expected);
    for (std::size_t i = 1; i < sizes.size(); ++i) {
        const DWORD gap = sizes[i].tick - sizes[i - 1].tick;
        EXPECT_GE(gap, 120u) << "between size changes " << i - 1 << " and " << i;
        EXPECT_LE(gap, 1500u) << "between size changes " << i - 1 << " and " << i;
    }
    EXPECT_GE(elapsed, 850u);
    EXPECT_LE(elapsed, 5000u);
    EXPECT_TRUE(visible);
    EXPECT_FALSE(zoomed);
    EXPECT_FALSE(iconic);
    EXPECT_EQ(after, before);
    EXPECT_EQ(sizesAfterSecondPass, sizes.size()) << "the minute chimed twice";
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
            SizeRecorder recorder(m_dlg.m_hWnd);
            g_now = c.time;
            m_dlg.DrawClock();
            EXPECT_TRUE(g_sizes.empty()) << "flash count " << c.count;
            EXPECT_TRUE(IsWindowVisible(m_dlg.m_hWnd) && !IsZoomed(m_dlg.m_hWnd))
                << "flash count " << c.count;
        }
    });
}

TEST_F(Chime, FlashBringsBackAClockHiddenInTheNotificationArea)
{
    m_dlg.m_nKukuFlashCount = 1;
    RECT before{}, after{};
    bool hidden = false, visible = false, zoomed = true, iconic = true;
    wintest::RunClock(m_dlg, [&] {
        m_dlg.GetWindowRect(&before);
        m_dlg.ShowWindow(SW_MINIMIZE);
        m_dlg.ShowWindow(SW_HIDE);
        hidden = !IsWindowVisible(m_dlg.m_hWnd);
        g_now = At(12, 15, 0);
        m_dlg.DrawClock();
        m_dlg.GetWindowRect(&after);
        visible = IsWindowVisible(m_dlg.m_hWnd);
        zoomed = IsZoomed(m_dlg.m_hWnd);
        iconic = IsIconic(m_dlg.m_hWnd);
    });
    ASSERT_TRUE(hidden);
    EXPECT_TRUE(visible);
    EXPECT_FALSE(zoomed);
    EXPECT_FALSE(iconic);
    EXPECT_EQ(after, before);
}
