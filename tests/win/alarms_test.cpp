// Alarms on the real clock: the Alarms dialog adds, edits and deletes and
// writes its section alone; an alarm rings at its minute of the clock's
// time (the ring window, the sound looping, the face ticking on), snoozes
// for five minutes, is dismissed, or leaves its notice after ten minutes
// unanswered; the chime gives way in its minute and never cuts the
// alarm's sound, which one player decides.
#include "support.h"

#include "alarmsui/alarm_edit_dlg.h"
#include "framework/text.h"
#include "res/resource.h"
#include "time/zone_clock.h"

#include <commctrl.h>

#include <algorithm>

namespace {

using namespace wintest;

// Every sound played or stopped, and how.
std::vector<std::string> g_sounds;
BOOL WINAPI RecordSound(LPCWSTR sound, HMODULE, DWORD flags)
{
    // clang-format off
    const std::pair<DWORD, const char*> kinds[] = {
        { SND_FILENAME | SND_ASYNC | SND_LOOP, "loop " }, { SND_ALIAS | SND_ASYNC | SND_LOOP, "loop alias " },
        { SND_FILENAME | SND_ASYNC, "once " }, { SND_FILENAME, "to end " }, { SND_ALIAS, "to end alias " },
        { 0, "stop" } };
    // clang-format on
    const auto kind = std::find_if(std::begin(kinds), std::end(kinds),
                                   [&](const auto& k) { return k.first == flags; });
    g_sounds.push_back(kind == std::end(kinds) ? "wrong flags"
                                               : kind->second + (sound ? Narrow(sound) : ""));
    return TRUE;
}

const std::string kAlarmSound = "loop alias Notification.Looping.Alarm";

// A chime's sound is kept quiet while an alarm sounds, and its stop leaves
// the alarm alone; an alarm cuts a chime short and loops, without a file
// the system's alarm sound; a test button plays to the end.
TEST(SoundPlayer, AnAlarmIsNeverCutByAChime)
{
    face::SoundPlayer p(&RecordSound);
    using face::SoundUse;
    // clang-format off
    const struct { std::function<void()> act; std::string heard; } steps[] = {
        { [&] { p.StartChime("a.wav"); }, "once a.wav" }, { [&] { p.StartAlarm("b.wav"); }, "loop b.wav" },
        { [&] { p.StartChime("c.wav"); }, "" },           { [&] { p.Stop(SoundUse::Chime); }, "" },
        { [&] { p.Stop(SoundUse::Alarm); }, "stop" },     { [&] { p.Stop(SoundUse::Alarm); }, "" },
        { [&] { p.StartChime("c.wav"); }, "once c.wav" }, { [&] { p.Stop(SoundUse::Chime); }, "stop" },
        { [&] { p.StartAlarm(""); }, kAlarmSound },       { [&] { p.PlayToEnd("", SoundUse::Chime); }, "" },
        { [&] { p.PlayToEnd("", SoundUse::Alarm); }, "to end alias Notification.Looping.Alarm" },
    };
    // clang-format on
    for (const auto& step : steps) {
        g_sounds.clear();
        step.act();
        EXPECT_EQ(g_sounds.empty() ? "" : g_sounds[0] + std::string(g_sounds.size() - 1, '+'),
                  step.heard)
            << "step " << &step - steps;
    }
}

class Alarms : public ClockTest {
protected:
    Alarms()
    {
        g_sounds.clear();
        m_clock.SetPlaySound(&RecordSound);
        SetNow(kDue - 30);
    }
    // The clock's time at a UTC second, in the machine's zone as the clock
    // reads it.
    void SetNow(std::int64_t utc) { m_time = timekeeping::ZoneClock().At(utc * 1000); }
    void TickAt(std::int64_t utc)
    {
        SetNow(utc);
        m_clock.DrawClock();
    }
    // An alarm whose minute starts at kDue in the clock's zone.
    static alarms::Alarm Due(bool once, const std::string& label, const std::string& sound)
    {
        const timekeeping::CivilTime local = timekeeping::ZoneClock().ToLocal(kDue);
        return { local.hour, local.minute, once, once ? std::uint8_t(0) : alarms::kEveryDay,
                 label,      sound,        true };
    }
    static HWND RingWindow()
    {
        const HWND ring = FindWindowA("#32770", "Zentim alarm");
        return ring != nullptr && IsWindowVisible(ring) ? ring : nullptr;
    }
    // Once the flashes are over the ring window has the keys.
    static void PressInRingWindow(WPARAM key)
    {
        EXPECT_TRUE(PumpUntil([] { return GetActiveWindow() == RingWindow(); }, 3000))
            << "the ring window never took the keys";
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        EXPECT_TRUE(PumpUntil([] { return RingWindow() == nullptr; }, 2000))
            << "key " << key << " did not answer the alarm";
    }

    // A Monday, 08:10:00 UTC.
    static constexpr std::int64_t kDue = 1772439000;
};

// Hidden in the notification area, the clock comes back for its alarm and
// keeps ticking while it rings; its ring window stays above every other,
// above ordinary windows or not, and shows the alarm. S snoozes for five minutes, Enter dismisses.
// A once alarm is off after its ring, in the file too.
TEST_F(Alarms, RingsAtItsMinuteUntilSnoozedOrDismissed)
{
    const alarms::Alarm alarm = Due(true, "Stand-up", "ring.wav");
    Change([&](settings::ClockSettings& values) {
        values.m_alarms = { alarm };
        values.m_nKukuFlashCount = 1;
        values.m_bAlwaysOnTop = false;
    });
    Run([&] {
        TickAt(kDue - 1);
        m_clock.ShowWindow(SW_MINIMIZE);
        EXPECT_FALSE(IsWindowVisible(m_clock.m_hWnd));
        EXPECT_EQ(RingWindow(), nullptr) << "rang before its minute";
        TickAt(kDue);
        const HWND ring = RingWindow();
        ASSERT_NE(ring, nullptr);
        EXPECT_TRUE(IsWindowVisible(m_clock.m_hWnd) && !IsIconic(m_clock.m_hWnd));
        EXPECT_EQ(GetWindow(ring, GW_OWNER), m_clock.m_hWnd);
        EXPECT_NE(GetWindowLongA(ring, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        EXPECT_EQ(Text(ring, IDC_RING_TIME) + " " + Text(ring, IDC_RING_LABEL),
                  alarms::TimeText(alarm) + " Stand-up");
        EXPECT_EQ(g_sounds, std::vector<std::string>{ "loop ring.wav" });
        const int reads = m_timeReads;
        PumpFor(1300);
        EXPECT_GT(m_timeReads, reads) << "no tick while it rang";
        EXPECT_FALSE(m_clock.Settings().m_alarms[0].on);
        EXPECT_NE(Read("zentim.ini").find("alarm1_on=0"), std::string::npos);

        PressInRingWindow('S');
        TickAt(kDue + alarms::kSnoozeSeconds - 1);
        EXPECT_EQ(RingWindow(), nullptr) << "back before five minutes";
        TickAt(kDue + alarms::kSnoozeSeconds);
        EXPECT_NE(RingWindow(), nullptr) << "not back after five minutes";
        PressInRingWindow(VK_RETURN);
        TickAt(kDue + 2 * alarms::kSnoozeSeconds);
        EXPECT_EQ(RingWindow(), nullptr) << "back after a dismissal";
    });
    EXPECT_EQ(g_sounds,
              (std::vector<std::string>{ "loop ring.wav", "stop", "loop ring.wav", "stop" }));
}

// A clock started within an alarm's minute, as one started with the
// system at 07:30 is, still rings it.
TEST_F(Alarms, AClockStartedWithinTheMinuteRings)
{
    Change([&](settings::ClockSettings& values) { values.m_alarms = { Due(false, "", "") }; });
    SetNow(kDue + 20);
    Run([&] { EXPECT_TRUE(PumpUntil([] { return RingWindow() != nullptr; }, 2000)); });
}

// Unanswered for ten minutes, an alarm stops and leaves its notice on an
// icon that shows while the clock is on screen, until a click on the icon
// takes it away.
TEST_F(Alarms, UnansweredTenMinutesLeaveTheMissedNotice)
{
    const alarms::Alarm alarm = Due(false, "Stand-up", "");
    Change([&](settings::ClockSettings& values) { values.m_alarms = { alarm }; });
    const std::string notice = "Missed alarm: " + alarms::TimeText(alarm) + " Stand-up";
    Run([&] {
        TickAt(kDue);
        EXPECT_NE(RingWindow(), nullptr);
        TickAt(kDue + alarms::kRingSeconds - 1);
        EXPECT_NE(RingWindow(), nullptr);
        EXPECT_EQ(m_clock.Ringer().Notice(), "");
        TickAt(kDue + alarms::kRingSeconds);
        EXPECT_EQ(RingWindow(), nullptr);
        EXPECT_EQ(g_sounds, (std::vector<std::string>{ kAlarmSound, "stop" }));
        EXPECT_EQ(m_clock.Ringer().Notice(), notice);
        EXPECT_TRUE(m_clock.Ringer().NoticeShown() && IsWindowVisible(m_clock.m_hWnd));

        m_clock.SendMessage(clockwnd::WM_ALARM_NOTICE, 1, WM_LBUTTONDOWN);
        EXPECT_EQ(m_clock.Ringer().Notice(), "");
        EXPECT_FALSE(m_clock.Ringer().NoticeShown());
    });
}

// A chime every minute without flashes: it chimes the minute before, gives
// way in the alarm's minute, and in the next, while the alarm sounds, keeps
// its sound. The alarm flashes three times when the chime's setting asks
// for none.
TEST_F(Alarms, ChimeGivesWayToTheAlarm)
{
    Change([&](settings::ClockSettings& values) {
        values.m_nKukuType = 1;
        values.m_strKukuSound = "kuku.wav";
        values.m_alarms = { Due(false, "", "") };
    });
    Run([&] {
        // A window manager may answer a change twice: a run counts once.
        int flashes = 0;
        WPARAM last = SIZE_RESTORED;
        SentMessages sizes([&](const CWPSTRUCT& call) {
            if (call.hwnd != m_clock.m_hWnd || call.message != WM_SIZE)
                return;
            flashes += call.wParam == SIZE_MAXIMIZED && last != SIZE_MAXIMIZED;
            last = call.wParam;
        });
        TickAt(kDue - 60);
        TickAt(kDue);
        PumpFor(1500);
        TickAt(kDue + 60);
        EXPECT_EQ(flashes, 3);
    });
    EXPECT_EQ(g_sounds, (std::vector<std::string>{ "once kuku.wav", kAlarmSound, "stop" }));
}

// A once alarm that rings while the options dialog is open stays off when
// the dialog's Apply hands back the settings it took before.
TEST_F(Alarms, OptionsApplyKeepsWhatARingChanged)
{
    Change([&](settings::ClockSettings& values) { values.m_alarms = { Due(true, "", "") }; });
    Run([&] {
        WhenShown("Zentim options", [&](HWND options) {
            TickAt(kDue);
            Click(options, IDC_BUTTON_APPLY);
            CloseOptions(options, 0);
        });
        m_clock.SendMessage(WM_COMMAND, ID_MENU_OPTIONS, 0);
    });
    EXPECT_FALSE(m_clock.Settings().m_alarms[0].on);
}

// The list's rows: their box, time, repeat and label.
std::string Rows(HWND list)
{
    std::string rows;
    const int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        const UINT state = UINT(SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
        rows += state == INDEXTOSTATEIMAGEMASK(2) ? "[x]" : "[ ]";
        for (int column = 0; column < 3; ++column) {
            wchar_t text[100] = L"";
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 100;
            SendMessageW(list, LVM_GETITEMTEXTW, row, LPARAM(&item));
            rows += " " + Narrow(text);
        }
        rows += "|";
    }
    return rows;
}

// Selects a row, or switches its alarm by its box.
void SetRowState(HWND list, int row, UINT state, UINT mask)
{
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    SendMessageW(list, LVM_SETITEMSTATE, row, LPARAM(&item));
}
const UINT kSelected = LVIS_SELECTED | LVIS_FOCUSED;

// Runs act in the alarm's dialog that Add or Edit opens, then OK.
void InAlarmDialog(std::function<void(HWND)> act)
{
    WhenShown("Alarm", [act](HWND edit) {
        act(edit);
        Click(edit, IDOK);
    });
}

class AlarmsDialog : public Alarms {
protected:
    // Opens the dialog from the menu, runs act in it, then presses OK or
    // Cancel.
    void Open(std::function<void(HWND, HWND)> act, int close = IDOK)
    {
        WhenShown("Alarms", [=](HWND dlg) {
            act(dlg, GetDlgItem(dlg, IDC_ALARMS_LIST));
            Click(dlg, close);
        });
        m_clock.SendMessage(WM_COMMAND, ID_MENU_ALARMS, 0);
    }
};

// It lists the file's alarms; an alarm added with chosen days (OK only once
// a day is chosen), one edited after a double-click on it, one deleted, one
// switched off by its box, and OK writes them into their section alone:
// every other line of the file stays byte for byte. The editor's test
// button plays the system's alarm sound for an empty box.
TEST_F(AlarmsDialog, AddsEditsDeletesAndWritesItsSectionAlone)
{
    const std::string options = "; mine\r\n[Options]\r\nkuku_type=5\r\nkuku_sound=\"\"\r\n"
                                "up_str=\"\"\r\ndown_str=\"\"\r\n";
    const std::string before =
        options + "[Alarms]\r\n"
                  "alarm1_time=06:00\r\nalarm1_days=daily\r\nalarm1_label=\"Run\"\r\n"
                  "alarm2_time=22:00\r\nalarm2_label=\"Bed\"\r\n\r\n[Extra]\r\na=1\r\n";
    Write("zentim.ini", before);
    Run([&] {
        Open([&](HWND, HWND list) {
            EXPECT_EQ(Rows(list), "[x] 06:00 Every day Run|[x] 22:00 Once Bed|");
            InAlarmDialog([](HWND edit) {
                SYSTEMTIME time{};
                SendDlgItemMessageW(edit, IDC_ALARM_TIME, DTM_GETSYSTEMTIME, 0, LPARAM(&time));
                time.wHour = 7;
                time.wMinute = 30;
                SendDlgItemMessageW(edit, IDC_ALARM_TIME, DTM_SETSYSTEMTIME, GDT_VALID,
                                    LPARAM(&time));
                Click(edit, IDC_ALARM_ON_DAYS);
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(edit, IDOK))) << "no day chosen";
                for (int day = 0; day < 5; ++day)
                    Click(edit, IDC_ALARM_MONDAY + day);
                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(edit, IDOK)));
                SetDlgItemTextW(edit, IDC_ALARM_LABEL, L"Stand-up");
                static_cast<CAlarmEditDlg*>(CWnd::FromHandle(edit))->SetPlaySound(&RecordSound);
                Click(edit, IDC_ALARM_PLAY);
                SetDlgItemTextW(edit, IDC_ALARM_SOUND, L"C:\\ring.wav");
            });
            Click(GetParent(list), IDC_ALARMS_ADD);
            SetRowState(list, 1, kSelected, kSelected);
            InAlarmDialog([](HWND edit) {
                EXPECT_EQ(Text(edit, IDC_ALARM_LABEL), "Bed");
                EXPECT_EQ(IsDlgButtonChecked(edit, IDC_ALARM_ONCE), UINT(BST_CHECKED));
                Click(edit, IDC_ALARM_DAILY);
                SetDlgItemTextW(edit, IDC_ALARM_LABEL, L"Sleep");
            });
            RECT row{ LVIR_LABEL };
            SendMessageW(list, LVM_GETITEMRECT, 1, LPARAM(&row));
            SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 2, row.top + 2));
            SetRowState(list, 0, kSelected, kSelected);
            Click(GetParent(list), IDC_ALARMS_DELETE);
            SetRowState(list, 0, INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK);
            EXPECT_EQ(Rows(list),
                      "[ ] 22:00 Every day Sleep|[x] 07:30 Mon Tue Wed Thu Fri Stand-up|");
        });
    });
    EXPECT_EQ(g_sounds, std::vector<std::string>{ "to end alias Notification.Looping.Alarm" });
    EXPECT_EQ(m_clock.Settings().m_alarms,
              (std::vector<alarms::Alarm>{ { 22, 0, false, alarms::kEveryDay, "Sleep", "", false },
                                           { 7, 30, false, 0x3e, "Stand-up", "C:\\ring.wav" } }));
    EXPECT_EQ(
        Read("zentim.ini"),
        options +
            "[Alarms]\r\n"
            "alarm1_time=22:00\r\nalarm1_days=daily\r\nalarm1_label=\"Sleep\"\r\n"
            "alarm2_time=07:30\r\nalarm2_label=\"Stand-up\"\r\nalarm1_sound=\"\"\r\n"
            "alarm1_on=0\r\nalarm2_days=mon,tue,wed,thu,fri\r\nalarm2_sound=\"C:\\ring.wav\"\r\n"
            "alarm2_on=1\r\n\r\n[Extra]\r\na=1\r\n");
    EXPECT_TRUE(m_boxes.empty());
}

// A once alarm that rings while the Alarms dialog is open stays off, in the
// file too, when OK hands back the list the dialog opened with.
TEST_F(AlarmsDialog, ARingWhileItIsOpenLeavesTheAlarmOff)
{
    Change([&](settings::ClockSettings& values) { values.m_alarms = { Due(true, "", "") }; });
    Run([&] { Open([&](HWND, HWND) { TickAt(kDue); }); });
    EXPECT_FALSE(m_clock.Settings().m_alarms[0].on);
    EXPECT_NE(Read("zentim.ini").find("alarm1_on=0\r\n"), std::string::npos) << Read("zentim.ini");
}

// Add is disabled at sixteen alarms and enabled again by a deletion;
// Cancel keeps the list and the file; a file that cannot be written says
// so in one line and stays as it was.
TEST_F(AlarmsDialog, SixteenAtMostCancelKeepsAndAFailedWriteSaysSo)
{
    const std::vector<alarms::Alarm> sixteen(alarms::kMaxAlarms, alarms::Alarm{ 6, 45 });
    Change([&](settings::ClockSettings& values) { values.m_alarms = sixteen; });
    Run([&] {
        Open(
            [&](HWND dlg, HWND list) {
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_ALARMS_ADD)));
                SetRowState(list, 3, kSelected, kSelected);
                Click(dlg, IDC_ALARMS_DELETE);
                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_ALARMS_ADD)));
            },
            IDCANCEL);
        EXPECT_EQ(m_clock.Settings().m_alarms, sixteen);
        EXPECT_EQ(Read("zentim.ini"), "");

        Write("zentim.ini", "[Options]\r\nkuku_type=5\r\n");
        const HANDLE lock = CreateFileW(Widen(Path("zentim.ini")).c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        Open([&](HWND dlg, HWND list) {
            SetRowState(list, 0, kSelected, kSelected);
            Click(dlg, IDC_ALARMS_DELETE);
        });
        CloseHandle(lock);
    });
    EXPECT_EQ(m_clock.Settings().m_alarms.size(), sixteen.size() - 1);
    EXPECT_EQ(Read("zentim.ini"), "[Options]\r\nkuku_type=5\r\n");
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Can`t write Alarms!\n");
    EXPECT_EQ(m_boxes[0].type, UINT(MB_OK | MB_ICONERROR));
}

} // namespace
