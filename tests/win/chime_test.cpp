// The chime on the real window: its flashes 150 ms apart and then its
// sound, run from a timer while the clock goes on ticking and answering,
// and stopped by the first click or key.
#include "support.h"

#include "framework/text.h"

#include <algorithm>
#include <fstream>

namespace {

using wintest::ClockTest;

// Every size change of the clock and every sound, with the time each came.
std::vector<std::pair<DWORD, std::string>> g_events;

BOOL WINAPI RecordSound(LPCWSTR sound, HMODULE, DWORD flags)
{
    g_events.emplace_back(GetTickCount(), sound == nullptr                      ? "stop"
                                          : flags == (SND_FILENAME | SND_ASYNC) ? Narrow(sound)
                                                                                : "wrong flags");
    return TRUE;
}

class Chime : public ClockTest {
protected:
    Chime()
    {
        g_events.clear();
        m_clock.SetPlaySound(&RecordSound);
        // Quiet until the window is up; a chime every 15 minutes.
        m_time = { 1772453670, true, 12, 14, 30, 0 };
    }
    // A window manager may answer a change twice, and late: a run of the
    // same event counts once, at its first.
    static std::vector<std::pair<DWORD, std::string>> Distinct()
    {
        std::vector<std::pair<DWORD, std::string>> runs;
        for (const auto& event : g_events) {
            if (runs.empty() || runs.back().second != event.second)
                runs.push_back(event);
        }
        return runs;
    }
    static std::vector<std::string> Events()
    {
        std::vector<std::string> names;
        for (const auto& event : Distinct())
            names.push_back(event.second);
        return names;
    }
    wintest::SentMessages m_sizes{ [this](const CWPSTRUCT& call) {
        if (call.hwnd == m_clock.m_hWnd && call.message == WM_SIZE)
            g_events.emplace_back(GetTickCount(),
                                  call.wParam == SIZE_MAXIMIZED ? "max" : "restore");
        if (call.hwnd == m_clock.m_hWnd && call.message == WM_SYSCOMMAND)
            g_events.emplace_back(GetTickCount(), "system command");
    } };
};

// The flashes take their time before the sound (their steps are the
// sequence's, tested natively), the window ends where it was, a flash
// brings back a clock hidden in the notification area, passes that come
// twice in the due second chime once, and the pass that starts the chime
// returns at once.
TEST_F(Chime, FlashesThenPlaysOncePerDueMinute)
{
    Change([](settings::ClockSettings& values) {
        values.m_nKukuType = 15;
        values.m_nKukuFlashCount = 2;
        values.m_strKukuSound = "kuku.wav";
    });
    Run([&] {
        const RECT before = wintest::WindowRect(m_clock.m_hWnd);
        m_clock.ShowWindow(SW_MINIMIZE);
        m_clock.ShowWindow(SW_HIDE);
        g_events.clear();
        m_time = { 1772453700, true, 12, 15, 0, 0 };
        const DWORD start = GetTickCount();
        m_clock.DrawClock();
        m_clock.DrawClock();
        EXPECT_LT(GetTickCount() - start, 100u) << "the chime held the clock up";
        const auto sound = [] {
            return std::find_if(g_events.begin(), g_events.end(),
                                [](const auto& event) { return event.second == "kuku.wav"; });
        };
        ASSERT_TRUE(wintest::PumpUntil([&] { return sound() != g_events.end(); }));
        EXPECT_GE(sound()->first - start, 4u * 150 - 30) << "the sound came before the flashes";
        EXPECT_EQ(Events().front(), "max");
        EXPECT_TRUE(wintest::PumpUntil([&] {
            return IsWindowVisible(m_clock.m_hWnd) && !IsIconic(m_clock.m_hWnd) &&
                   wintest::WindowRect(m_clock.m_hWnd) == before;
        })) << "the window did not come back to where it stood";
        wintest::PumpFor(300);
    });
    const std::vector<std::string> events = Events();
    EXPECT_EQ(std::count(events.begin(), events.end(), "kuku.wav"), 1);
}

// A WAV file of two seconds of silence.
void WriteWav(const std::string& path)
{
    const std::uint32_t rate = 8000, bytes = 2 * rate;
    std::ofstream wav(path, std::ios::binary);
    const auto put = [&](std::uint32_t value, int size) {
        wav.write(reinterpret_cast<const char*>(&value), size);
    };
    wav << "RIFF";
    put(36 + bytes, 4);
    wav << "WAVEfmt ";
    put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate, 4), put(1, 2), put(8, 2);
    wav << "data";
    put(bytes, 4);
    wav << std::string(bytes, '\x80');
}

// However many flashes a typo asks for, the face keeps ticking through
// them; a click or a key stops the flashes, and one during the sound stops
// the sound, and does nothing else: no drag, no resize.
TEST_F(Chime, KeepsTheClockTickingAndStopsAtAClickOrAKey)
{
    WriteWav(Path("long.wav"));
    Run([&] {
        const RECT before = wintest::WindowRect(m_clock.m_hWnd);
        for (const UINT input : { WM_LBUTTONDOWN, WM_KEYDOWN }) {
            for (const int flashes : { 1000, 1 }) {
                Change([&](settings::ClockSettings& values) {
                    values.m_nKukuType = 1;
                    values.m_nKukuFlashCount = flashes;
                    values.m_strKukuSound = Path("long.wav");
                });
                m_time.seconds += 60;
                m_time.second = 0;
                m_clock.DrawClock();
                const int reads = m_timeReads;
                wintest::PumpFor(1300);
                EXPECT_GT(m_timeReads, reads) << "no tick while the chime ran";
                g_events.clear();
                PostMessageW(m_clock.m_hWnd, input, input == WM_KEYDOWN ? VK_UP : MK_LBUTTON, 1);
                wintest::Settle();
                wintest::PumpFor(300);
                // Mid-flash the window may be maximised or restored already.
                std::vector<std::string> events = Events();
                if (flashes > 1 && !events.empty() && events[0] == "restore")
                    events.erase(events.begin());
                EXPECT_EQ(events, flashes > 1 ? std::vector<std::string>{}
                                              : std::vector<std::string>{ "stop" })
                    << flashes << " flashes, input " << input;
                EXPECT_EQ(wintest::WindowRect(m_clock.m_hWnd), before);
            }
        }
    });
}

} // namespace
