// The options dialog, opened from a running clock as its popup menu does,
// and driven from inside the dialog's own modal loop.
#include "support.h"

#include "clockwnd/settings_folder.h"
#include "framework/text.h"
#include "options/options_dlg.h"

namespace {

using namespace wintest;

class OptionsDialog : public ClockTest {
protected:
    // Inside the clock's run: opens the dialog as the menu's "Options" does,
    // runs act in it and returns when it has gone, cancelled if act left
    // it open.
    void OpenInRun(std::function<void(HWND)> act)
    {
        WhenShown("Zentim options", [act](HWND dlg) {
            act(dlg);
            if (IsWindowVisible(dlg))
                PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
        });
        m_clock.SendMessage(WM_COMMAND, ID_MENU_OPTIONS, 0);
        EXPECT_TRUE(IsWindowEnabled(m_clock.m_hWnd));
    }
    void Open(std::function<void(HWND)> act)
    {
        Run([&] { OpenInRun(std::move(act)); });
    }
};

// The test button plays what the sound box holds, to its end.
std::vector<std::string> g_played;
BOOL WINAPI RecordSound(LPCWSTR sound, HMODULE, DWORD flags)
{
    g_played.push_back(flags == SND_FILENAME ? Narrow(sound) : "wrong flags");
    return TRUE;
}

// Centred over the clock, which it disables while it is open. It shows the
// clock's settings (only a panel setting of 1 checks its box). Each colour
// button opens the colour dialog and shows what was chosen in its swatch;
// the test button shows its loudspeaker and plays the box, applied or not,
// and nothing when it is empty. Apply reads the numbers as atoi does, the
// widths kept within 1..30 and their boxes showing what was taken, keeps
// the dialog open and gives everything to the clock; Enter in a box applies
// too, through the dialog's own loop. What is cancelled is lost.
TEST_F(OptionsDialog, ShowsTheSettingsAndApplyGivesEveryControlToTheClock)
{
    g_played.clear();
    // A text far longer than a box takes by typing goes through whole.
    const std::string longText(10000, 'x');
    m_clock.ApplySettings({ 30, "C:\\cuckoo.wav", -3, "Top", longText, 2 });
    Open([&](HWND dlg) {
        EXPECT_FALSE(IsWindowEnabled(m_clock.m_hWnd));
        const RECT box = WindowRect(dlg), clock = WindowRect(m_clock.m_hWnd);
        EXPECT_NEAR(box.left + box.right, clock.left + clock.right, 2);
        EXPECT_NEAR(box.top + box.bottom, clock.top + clock.bottom, 2);
        const int boxes[] = { IDC_EDIT_KUKU_TYPE,
                              IDC_EDIT_KUKU_SOUND,
                              IDC_EDIT_KUKU_FLASH_COUNT,
                              IDC_EDIT_UP_STR,
                              IDC_EDIT_DOWN_STR,
                              IDC_EDIT_HOUR_ARROW_WIDTH,
                              IDC_EDIT_MINUTE_ARROW_WIDTH,
                              IDC_EDIT_SCALE_POINTS_WIDTH,
                              IDC_EDIT_OPACITY };
        const auto shown = [&] {
            std::string texts;
            for (int id : boxes)
                texts += Text(dlg, id) + "|";
            return texts;
        };
        EXPECT_EQ(shown(), "30|C:\\cuckoo.wav|-3|Top|" + longText + "|5|3|3|100|");
        EXPECT_FALSE(IsDlgButtonChecked(dlg, IDC_CHECK_DIGITAL_PANEL));

        const int colours[] = { IDC_BUTTON_COLOR_BACKGROUND, IDC_BUTTON_COLOR_ARROWS,
                                IDC_BUTTON_COLOR_SECOND_ARROW, IDC_BUTTON_COLOR_DIGITAL_BKGRD,
                                IDC_BUTTON_COLOR_DIGITAL_DIGITS };
        for (int i = 0; i < 5; ++i) {
            // The red, green and blue boxes of the full colour dialog.
            WhenShown("Color", [i](HWND color) {
                const int rgb[] = { 10 * i, 100 + i, 200 - i };
                for (int k = 0; k < 3; ++k)
                    SetDlgItemInt(color, 706 + k, rgb[k], FALSE);
                SendMessageA(color, WM_COMMAND, IDOK, 0);
            });
            Click(dlg, colours[i]);
            const HWND button = GetDlgItem(dlg, colours[i]);
            UpdateWindow(button);
            RECT rc;
            GetClientRect(button, &rc);
            const HDC dc = GetDC(button);
            EXPECT_EQ(GetPixel(dc, rc.bottom, rc.bottom / 2), RGB(10 * i, 100 + i, 200 - i))
                << "the swatch of button " << i;
            ReleaseDC(button, dc);
        }

        BITMAP bm{};
        GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(GetDlgItem(dlg, IDC_BUTTON_PLAY),
                                                          BM_GETIMAGE, IMAGE_BITMAP, 0)),
                   sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth * 100 + bm.bmHeight, 1016) << "the 10 x 16 loudspeaker";
        static_cast<COptions*>(CWnd::FromHandle(dlg))->SetPlaySound(&RecordSound);
        for (const char* sound : { "", "C:\\typed.wav" }) {
            SetDlgItemTextA(dlg, IDC_EDIT_KUKU_SOUND, sound);
            Click(dlg, IDC_BUTTON_PLAY);
        }

        const char* typed[] = { " 15abc", "new.wav", "+3", "Up", nullptr, "0", "45", "7x", "5" };
        for (int i = 0; i < 9; ++i) {
            if (typed[i] != nullptr)
                SetDlgItemTextA(dlg, boxes[i], typed[i]);
        }
        for (const int box : { IDC_CHECK_DIGITAL_PANEL, IDC_CHECK_SMOOTH_FACE })
            CheckDlgButton(dlg, box, BST_CHECKED);
        Click(dlg, IDC_BUTTON_APPLY);
        EXPECT_TRUE(IsWindowVisible(dlg));
        EXPECT_EQ(shown(), " 15abc|new.wav|+3|Up|" + longText + "|1|30|7|20|");
        EXPECT_EQ(m_clock.Settings().m_strDownStr, longText);
        SetDlgItemTextA(dlg, IDC_EDIT_UP_STR, "typed");
        SetDlgItemTextA(dlg, IDC_EDIT_DOWN_STR, "entered");
        SetFocus(GetDlgItem(dlg, IDC_EDIT_DOWN_STR));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    });
    settings::ClockSettings applied{ 15, "new.wav", 3, "typed", "entered", 1 };
    applied.m_bSmoothFace = true;
    applied.m_nOpacity = 20;
    applied.m_style = { { 0, 100, 200 },  { 10, 101, 199 }, { 20, 102, 198 },
                        { 30, 103, 197 }, { 40, 104, 196 }, { 1, 30, 7 } };
    EXPECT_EQ(m_clock.Settings(), applied);
    EXPECT_EQ(g_played, std::vector<std::string>{ "C:\\typed.wav" });
    Open([&](HWND dlg) {
        SetDlgItemTextA(dlg, IDC_EDIT_UP_STR, "Up");
        Click(dlg, IDC_BUTTON_CANCEL);
    });
    EXPECT_EQ(m_clock.Settings().m_strUpStr, "typed");
}

// However the dialog closes (Cancel, Escape, the close box, Save), the
// clock, not another program's window, is the active one again and takes
// the arrow keys: a click on it would start a drag.
TEST_F(OptionsDialog, AfterItClosesTheClockTakesTheKeys)
{
    const HWND other = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                       100, nullptr, nullptr, nullptr, nullptr);
    Settle();
    Run([&] {
        Settle();
        for (int way = 0; way < 4; ++way) {
            OpenInRun([&](HWND dlg) { CloseOptions(dlg, way); });
            EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == m_clock.m_hWnd; }, 1000))
                << "way " << way;
            Settle();
            const LONG width = WindowRect(m_clock.m_hWnd).right - WindowRect(m_clock.m_hWnd).left;
            keybd_event(VK_UP, 0, 0, 0);
            keybd_event(VK_UP, 0, KEYEVENTF_KEYUP, 0);
            EXPECT_TRUE(PumpUntil(
                [&] {
                    const RECT now = WindowRect(m_clock.m_hWnd);
                    return now.right - now.left == width + 2;
                },
                1000))
                << "way " << way;
        }
    });
    DestroyWindow(other);
}

// The dialog worked by keys alone: the focus starts in the first box and
// Tab goes through every control in the order a user reads, the left
// column, the right one, then the bottom row; Space checks a box, Enter
// applies wherever the focus is, Escape closes.
std::vector<int> g_focused;
std::vector<std::function<void()>> g_steps;
void CALLBACK NextStep(HWND, UINT, UINT_PTR id, DWORD)
{
    if (g_steps.empty()) {
        KillTimer(nullptr, id);
        return;
    }
    const auto step = std::move(g_steps.front());
    g_steps.erase(g_steps.begin());
    step();
}

void Press(WORD key)
{
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
}

TEST_F(OptionsDialog, WorkedByKeysInReadingOrder)
{
    const std::vector<int> readingOrder = {
        IDC_EDIT_UP_STR,
        IDC_EDIT_DOWN_STR,
        IDC_EDIT_HOUR_ARROW_WIDTH,
        IDC_EDIT_MINUTE_ARROW_WIDTH,
        IDC_EDIT_SCALE_POINTS_WIDTH,
        IDC_EDIT_KUKU_TYPE,
        IDC_EDIT_KUKU_FLASH_COUNT,
        IDC_BUTTON_PLAY,
        IDC_EDIT_KUKU_SOUND,
        IDC_BUTTON_BROWSE,
        IDC_BUTTON_COLOR_BACKGROUND,
        IDC_BUTTON_COLOR_ARROWS,
        IDC_BUTTON_COLOR_SECOND_ARROW,
        IDC_BUTTON_COLOR_DIGITAL_BKGRD,
        IDC_BUTTON_COLOR_DIGITAL_DIGITS,
        IDC_CHECK_LOAD_AT_START,
        IDC_CHECK_ALWAYS_ON_TOP,
        IDC_CHECK_DIGITAL_PANEL,
        IDC_CHECK_SMOOTH_FACE,
        IDC_CHECK_CLICK_THROUGH,
        IDC_EDIT_OPACITY,
        IDC_CHECK_DATE_WINDOW,
        IDC_CHECK_SECOND_HAND,
        IDC_CHECK_HIDE_FULLSCREEN,
        IDC_COMBO_TIME_ZONE,
        IDC_BUTTON_CANCEL,
        IDC_BUTTON_APPLY,
        IDC_BUTTON_SAVE,
    };
    g_focused.clear();
    bool escapeFailed = false;
    Run([&] {
        WhenShown("Zentim options", [&](HWND dlg) {
            const auto focused = [dlg] {
                const HWND focus = GetFocus();
                g_focused.push_back(GetParent(focus) == dlg ? GetDlgCtrlID(focus) : 0);
            };
            for (const int id : readingOrder) {
                g_steps.push_back(focused);
                if (id == IDC_CHECK_HIDE_FULLSCREEN) {
                    g_steps.push_back([] { Press(VK_SPACE); });
                    g_steps.push_back([] { Press(VK_RETURN); });
                }
                g_steps.push_back([] { Press(VK_TAB); });
            }
            g_steps.push_back(focused);
            g_steps.push_back([] { Press(VK_ESCAPE); });
            g_steps.push_back([&escapeFailed, dlg] {
                escapeFailed = IsWindowVisible(dlg) != FALSE;
                PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
            });
            SetTimer(nullptr, 0, 100, &NextStep);
        });
        m_clock.SendMessage(WM_COMMAND, ID_MENU_OPTIONS, 0);
        g_steps.clear();
    });
    std::vector<int> expected = readingOrder;
    expected.push_back(IDC_EDIT_UP_STR);
    EXPECT_EQ(g_focused, expected);
    EXPECT_FALSE(escapeFailed);
    EXPECT_FALSE(m_clock.Settings().m_bHideFullScreen) << "Space and Enter did not apply";
}

// "Always on top" takes the clock out of the topmost band and back; "Load
// at system start" adds the value of the current user's Run key that starts
// this program on the clock's folder, and takes it away. Two clocks on two
// folders have a value each.
TEST_F(OptionsDialog, CheckBoxesSetTopmostAndTheStartWithTheSystem)
{
    CreateDirectoryA(Path("second").c_str(), nullptr);
    const std::string folders[] = { Path("second"), Path("") };
    for (const bool first : { true, false }) {
        for (const std::string& folder : folders) {
            m_clock.m_strSettingsFolder = folder;
            Change([&](settings::ClockSettings& values) { values.m_bAlwaysOnTop = first; });
            Run([&] {
                OpenInRun([&](HWND dlg) {
                    EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_CHECK_ALWAYS_ON_TOP), UINT(first));
                    EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_CHECK_LOAD_AT_START), UINT(!first));
                    CheckDlgButton(dlg, IDC_CHECK_ALWAYS_ON_TOP, !first);
                    CheckDlgButton(dlg, IDC_CHECK_LOAD_AT_START, first);
                    Click(dlg, IDC_BUTTON_APPLY);
                });
                // Windows changes it at Apply; Wine, while the clock owns the
                // open dialog, only makes the dialog topmost.
                EXPECT_EQ((GetWindowLongA(m_clock.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
                          !first);
            });
        }
        for (const std::string& folder : folders)
            EXPECT_EQ(RunValue(folder), first ? "\"" + ProgramPath() + "\" \"" +
                                                    clockwnd::SettingsFolder(folder) + "\""
                                              : "")
                << folder;
    }
}

} // namespace
