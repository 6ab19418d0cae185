// CZentimDlg: the clock window. It holds the settings, draws the face once
// a second, loads and saves the settings file, and is dragged, resized,
// minimised into the notification area and driven from its menu; the
// chime, the alarms and the notification-area icon are owners of their
// own, as are its place on the monitors, its name for screen readers, its
// colours under high contrast and its hiding over full-screen programs.
// WM_TRAY_NOTIFY: the message its notification-area icon sends it.
#pragma once

#include "clockwnd/accessible_name.h"
#include "clockwnd/alarm_ringer.h"
#include "clockwnd/chime_runner.h"
#include "clockwnd/clock_placement.h"
#include "clockwnd/colour_scheme.h"
#include "clockwnd/date_tooltip.h"
#include "clockwnd/face_presenter.h"
#include "clockwnd/full_screen_watch.h"
#include "clockwnd/tray_icon.h"
#include "face/chime_rule.h"
#include "face/sound_player.h"
#include "framework/dialog.h"
#include "framework/menu.h"
#include "options/options_target.h"
#include "settings/clock_settings.h"
#include "settings/load_attempts.h"
#include "settings/window_placement.h"
#include "time/clock_time.h"
#include "time/zone_clock.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

// Callback message of the notification-area icon; it carries the mouse
// message that happened over the icon in lParam.
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;

class CZentimDlg : public CDialog, public OptionsTarget {
public:
    explicit CZentimDlg(CWnd* pParent = nullptr);
    ~CZentimDlg() override;

    // Where DrawClock reads the time: the clock's zone (with none given),
    // or a fixed time in the tests.
    using TimeSource = std::function<timekeeping::ClockTime()>;
    void SetTimeSource(TimeSource source);
    // How the settings operations show their message box, owned by this
    // window: the system's, or a recorder in the tests.
    using MessageBoxShower = std::function<int(HWND owner, const std::string& text,
                                               const std::string& caption, UINT type)>;
    void SetMessageBoxShower(MessageBoxShower show) { m_showMessageBox = std::move(show); }
    // How the chime plays its sound: the system's player, or a recorder.
    void SetPlaySound(face::PlaySoundFunction play) { m_sound = face::SoundPlayer(play); }
    // Whether Windows' high contrast is on: the system's answer, or the tests'.
    void SetHighContrastSource(clockwnd::ColourScheme::HighContrastSource source)
    {
        m_colours.SetSource(std::move(source));
    }

    // What the options dialog edits.
    const settings::ClockSettings& Settings() const override { return m_settings; }
    // The face shows them at the next tick; the topmost state and the
    // window's look (smooth or classic, opacity, click-through) at once.
    void ApplySettings(const settings::ClockSettings& values) override;
    // Writes the window's normal rectangle and the settings to zentim.ini;
    // confirms or lists the failed writes in one message box.
    void SaveOptions() override;
    const std::string& SettingsFolder() const override { return m_strSettingsFolder; }
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption,
                       UINT type) override
    {
        return m_showMessageBox(owner, text, caption, type);
    }

    // One frame: reads the time once, runs the chime when one is due, draws
    // the face; returns the time read.
    timekeeping::ClockTime DrawClock();
    // Reads zentim.ini into the settings and moves the window; reports
    // failures in one message box. A file another program holds is tried
    // again until it can be read.
    void LoadOptions();

    // Keys: Enter does nothing, Escape minimises, Up and Down grow and
    // shrink the window by one pixel per side. Any key or click while a
    // chime runs only stops it.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The alarms at work, for the tests to look at.
    const clockwnd::AlarmRinger& Ringer() const { return m_ringer; }

    // The window's screen rectangle as the system last reported it.
    RECT m_rcWindow{};
    // The folder whose zentim.ini the clock reads: the one it was started
    // on, made a full path at start, else the current one.
    std::string m_strSettingsFolder;
    // The file's path with every backslash doubled, as the save's
    // confirmation has always shown it.
    std::string m_strIniDir;
    std::string m_strIniPath;

protected:
    BOOL OnInitDialog() override;
    const CMessageMapEntry* GetMessageMap() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The window's timers; the chime's is its own (clockwnd::ChimeRunner).
    static constexpr UINT_PTR kClockTimer = 0;
    // While another program holds zentim.ini.
    static constexpr UINT_PTR kLoadRetryTimer = 1;

    void OnPaint();
    BOOL OnEraseBkgnd(HDC dc);
    LRESULT OnFirstFace(WPARAM wParam, LPARAM lParam);
    HCURSOR OnQueryDragIcon();
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
    void OnMenuExit();
    void OnMenuOptions();
    void OnMenuLoadOptions();
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimeChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    void OnMenuSaveOptions();
    void OnMenuAlarms();
    LRESULT OnAlarmNotice(WPARAM wParam, LPARAM lParam);

    LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnRButtonDown(UINT nFlags, POINT point);
    void OnMove(int x, int y);
    void OnSizing(UINT fwSide, RECT* pRect);
    void OnSize(UINT nType, int cx, int cy);
    void OnSysCommand(UINT nID, LPARAM lParam);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnMenuMinimize();
    void OnMenuRestore();
    void OnMenuMaximize();
    void OnMenuClickThrough();

    void DoFirstPaintWork();
    // Keeps the window above ordinary windows, or among them, as the
    // settings say.
    void ApplyAlwaysOnTop();
    // The presenter, the layered style and the click-through style the
    // settings ask for, changed only where they differ from the window's.
    void ApplyLook();
    // The notification-area icon, which stays while clicks pass through
    // the clock: the way back is always one click away.
    void ShowTrayIcon();
    // The icon's menu: the clock's own, with "Click-through" checked.
    void ShowTrayMenu();
    // The clock's popup menu at a point of the screen.
    void ShowPopupMenu(POINT at);
    // What the icon's tip says: the clock's name, then its zone or folder.
    std::string TrayTip() const;
    // Timer 0 fires just after the second boundary that follows now, or
    // the minute boundary on a clock without its second hand.
    void ArmClockTimer(const timekeeping::ClockTime& now);
    // Starts the chime when one is due at time.
    void CheckKuku(const timekeeping::ClockTime& time);
    // What the last frame showed: the tick's time and the settings.
    clockwnd::FaceContent Content(const timekeeping::ClockTime& time) const;
    // The date window's text of the time's day.
    const std::string& DateText(const timekeeping::ClockTime& time) const;
    // Rings, snoozes and reports the alarms due by time.
    void CheckAlarms(const timekeeping::ClockTime& time);
    // Writes the alarms alone to zentim.ini; says so when it cannot.
    void SaveAlarms();
    // One read of zentim.ini, applied when it could be read; tried again
    // from a timer while another program holds it.
    void AttemptLoad();
    // zentim.ini itself, by the plain path.
    std::string IniFile() const;
    // Grows (+1) or shrinks (-1) the window by one pixel per side around
    // its centre, within the bounds of the arrow keys.
    void ResizeByArrowKey(int delta);

    HICON m_hIcon;
    bool m_bFirstPaintDone = false;
    CMenu m_menuPopup;
    // What the options dialog edits, the face shows and zentim.ini keeps.
    settings::ClockSettings m_settings;
    // The last frame's dial radius: the face's size, which follows the width alone.
    double m_dRadius = 0;
    // What puts the face on screen, and the look it was made for.
    std::unique_ptr<clockwnd::FacePresenter> m_presenter;
    struct Look {
        bool smooth;
        int opacity;
        bool clickThrough;
        bool operator==(const Look& o) const
        {
            return smooth == o.smooth && opacity == o.opacity && clickThrough == o.clickThrough;
        }
    };
    std::optional<Look> m_look;
    // The clock's time: the machine's zone or the clock's own.
    timekeeping::ZoneClock m_zoneClock;
    TimeSource m_timeSource;
    // The time of the last frame.
    std::optional<timekeeping::ClockTime> m_lastTime;
    // The date window's text, and the day it is of.
    mutable std::optional<std::pair<int, std::string>> m_date;
    MessageBoxShower m_showMessageBox;
    face::ChimeLatch m_kukuLatch;
    face::SoundPlayer m_sound;
    clockwnd::ChimeRunner m_chime{ m_sound };
    clockwnd::DateTooltip m_tooltip;
    clockwnd::AlarmRinger m_ringer{ m_sound, m_chime, m_zoneClock };
    settings::LoadAttempts m_loadAttempts;
    // Shown while the clock is hidden in the notification area or lets
    // clicks through.
    clockwnd::TrayIcon m_trayIcon;
    clockwnd::ClockPlacement m_placement;
    clockwnd::AccessibleName m_name;
    clockwnd::ColourScheme m_colours;
    clockwnd::FullScreenWatch m_fullScreen{ m_chime };
    // The shell broadcasts this when it (re)starts; its icons are gone then.
    const UINT m_nMsgTaskbarCreated;
};
