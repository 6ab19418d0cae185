// CZentimDlg's life: creation, the first paint, the timer, the round
// clipping, a change of scale, the options dialog and the ways out.
#include "clockwnd/zentim_dlg.h"

#include "clockwnd/clock_instance.h"
#include "clockwnd/settings_folder.h"
#include "clockwnd/tick_schedule.h"
#include "clockwnd/window_geometry.h"
#include "framework/gdi.h"
#include "framework/text.h"
#include "options/options_dlg.h"
#include "res/resource.h"
#include "settings/settings_text.h"
#include "time/zone_clock.h"

#include <vector>

namespace {
// Posted at creation: the first face is made before the window is first
// shown, at its saved place, rather than after.
constexpr UINT WM_FIRST_FACE = WM_APP + 1;

} // namespace

CZentimDlg::CZentimDlg(CWnd* pParent)
    : CDialog(IDD_ZENTIM_DIALOG, pParent),
      m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_showMessageBox(
          [](HWND owner, const std::string& text, const std::string& caption, UINT type) {
              return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), type);
          }),
      m_nMsgTaskbarCreated(RegisterWindowMessageW(L"TaskbarCreated"))
{
    SetTimeSource(nullptr);
}

CZentimDlg::~CZentimDlg() = default;

void CZentimDlg::SetTimeSource(TimeSource source)
{
    if (!source)
        source = [this] { return m_zoneClock.Now(); };
    m_timeSource = std::move(source);
}

BEGIN_MESSAGE_MAP(CZentimDlg)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_FIRST_FACE, OnFirstFace)
ON_WM_QUERYDRAGICON()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
ON_WM_SIZING()
ON_COMMAND(ID_MENU_EXIT, OnMenuExit)
ON_COMMAND(ID_MENU_OPTIONS, OnMenuOptions)
ON_COMMAND(ID_MENU_ALARMS, OnMenuAlarms)
ON_MESSAGE(clockwnd::WM_ALARM_NOTICE, OnAlarmNotice)
ON_COMMAND(ID_MENU_MINIMIZE, OnMenuMinimize)
ON_COMMAND(ID_MENU_MAXIMIZE, OnMenuMaximize)
ON_COMMAND(ID_MENU_RESTORE, OnMenuRestore)
ON_COMMAND(ID_MENU_SAVE_OPTIONS, OnMenuSaveOptions)
ON_MESSAGE(WM_TRAY_NOTIFY, OnTrayNotify)
ON_WM_LBUTTONUP()
ON_WM_MOVE()
ON_WM_LBUTTONDBLCLK()
ON_WM_SIZE()
ON_WM_CLOSE()
ON_COMMAND(ID_MENU_LOAD_OPTIONS, OnMenuLoadOptions)
ON_COMMAND(ID_MENU_CLICK_THROUGH, OnMenuClickThrough)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
ON_MESSAGE(WM_TIMECHANGE, OnTimeChange)
ON_MESSAGE(WM_NOTIFY, OnNotify)
ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
ON_WM_SYSCOMMAND()
ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_MESSAGE(WM_CONTEXTMENU, OnContextMenu)
END_MESSAGE_MAP()

BOOL CZentimDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Each window of the clock loads its settings at its own first face,
    // and is given its look then.
    m_bFirstPaintDone = false;
    m_look.reset();

    // A tool window has no taskbar button and no place in the task switcher.
    SetWindowLongW(m_hWnd, GWL_EXSTYLE,
                   (GetWindowLongW(m_hWnd, GWL_EXSTYLE) & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
    ApplyAlwaysOnTop();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_strSettingsFolder = clockwnd::SettingsFolder(m_strSettingsFolder);
    clockwnd::ClockInstance::MarkWindow(m_hWnd, m_strSettingsFolder);
    m_strIniDir = settings::BuildIniDir(m_strSettingsFolder);
    m_strIniPath = settings::BuildIniPath(m_strIniDir);

    m_menuPopup.LoadMenu(IDR_POPUP_MENU);
    m_colours.Refresh();
    m_fullScreen.Apply(m_hWnd, m_settings.m_bHideFullScreen);
    ArmClockTimer(m_timeSource());
    // Handled before the modal loop finds its queue empty and shows the
    // window.
    PostMessageW(m_hWnd, WM_FIRST_FACE, 0, 0);
    return TRUE;
}

void CZentimDlg::ApplySettings(const settings::ClockSettings& values)
{
    const bool newFace = values.m_strTimeZone != m_settings.m_strTimeZone ||
                         values.m_bSecondHand != m_settings.m_bSecondHand ||
                         values.m_bDateWindow != m_settings.m_bDateWindow;
    m_settings = values;
    // A zone Windows does not know leaves the clock on the machine's.
    m_zoneClock.SetZone(values.m_strTimeZone);
    ApplyAlwaysOnTop();
    ApplyLook();
    m_ringer.SetAlarms(values.m_alarms);
    m_fullScreen.Apply(m_hWnd, values.m_bHideFullScreen);
    // What changes the face's time or what it shows is seen at once, not at
    // the next tick, a minute away on a clock without its second hand.
    if (newFace && m_bFirstPaintDone && m_hWnd != nullptr)
        ArmClockTimer(DrawClock());
}

void CZentimDlg::ApplyAlwaysOnTop()
{
    // The template's system-modal style makes Windows create the window
    // topmost, but not every implementation of the API does; ask for it
    // either way.
    SetWindowPos(m_hWnd, m_settings.m_bAlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CZentimDlg::OnPaint()
{
    // Minimised for a moment before it hides in the tray, it shows its icon.
    if (IsIconic(m_hWnd)) {
        CPaintDC dc(m_hWnd);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
        RECT rect;
        GetClientRect(&rect);
        const int x = (rect.right - rect.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (rect.bottom - rect.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
        DrawIcon(dc, x, y, m_hIcon);
    } else {
        CPaintDC dc(m_hWnd);
        if (m_presenter && m_lastTime)
            m_presenter->Paint(m_hWnd, dc, Content(*m_lastTime));
    }
    if (!m_bFirstPaintDone)
        DoFirstPaintWork();
}

BOOL CZentimDlg::OnEraseBkgnd(HDC)
{
    // The face covers the whole window: erasing first would only flicker.
    if (m_lastTime)
        return TRUE;
    return static_cast<BOOL>(Default());
}

LRESULT CZentimDlg::OnFirstFace(WPARAM, LPARAM)
{
    if (!m_bFirstPaintDone)
        DoFirstPaintWork();
    return 0;
}

void CZentimDlg::DoFirstPaintWork()
{
    // Set before loading: the load's message box lets paints and ticks
    // through, and none of them may start this work again.
    m_bFirstPaintDone = true;
    LoadOptions();
    // Without a file to load, the look of the clock's own settings.
    ApplyLook();
    GetWindowRect(&m_rcWindow);
    DrawClock();
}

// A minimised window is dragged as this picture: the clock's icon, not a blank.
HCURSOR CZentimDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CZentimDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kClockTimer) {
        m_fullScreen.Recheck();
        ArmClockTimer(DrawClock());
    }
    else if (nIDEvent == kLoadRetryTimer)
        AttemptLoad();
    else if (nIDEvent == clockwnd::ChimeRunner::kTimerId)
        m_chime.OnTimer();
    else if (nIDEvent == clockwnd::DateTooltip::kTimerId)
        m_tooltip.OnTimer();
    Default();
}

void CZentimDlg::ArmClockTimer(const timekeeping::ClockTime& now)
{
    // Re-arming the same timer identifier replaces its period.
    const int delay = m_settings.m_bSecondHand
                          ? clockwnd::DelayToNextTickMs(now.millisecond)
                          : clockwnd::DelayToNextMinuteMs(now.second, now.millisecond);
    SetTimer(m_hWnd, kClockTimer, static_cast<UINT>(delay), nullptr);
}

LRESULT CZentimDlg::OnTimeChange(WPARAM, LPARAM)
{
    // The time was set or the zone changed: the face shows it now, not at
    // a tick aimed at a second boundary that has moved.
    m_zoneClock.Refresh();
    if (m_bFirstPaintDone)
        ArmClockTimer(DrawClock());
    return Default();
}

LRESULT CZentimDlg::OnSettingChange(WPARAM wParam, LPARAM lParam)
{
    // Any change may be the zone's or the high-contrast state's; both show
    // in the frame that OnTimeChange draws at once.
    if (wParam == SPI_SETWORKAREA)
        m_placement.KeepOnScreen(m_hWnd);
    m_colours.Refresh();
    return OnTimeChange(wParam, lParam);
}

LRESULT CZentimDlg::OnDisplayChange(WPARAM, LPARAM)
{
    m_placement.KeepOnScreen(m_hWnd);
    return Default();
}

LRESULT CZentimDlg::OnSysColorChange(WPARAM, LPARAM)
{
    if (m_colours.Refresh() && m_bFirstPaintDone)
        DrawClock();
    return Default();
}

LRESULT CZentimDlg::OnDpiChanged(WPARAM, LPARAM lParam)
{
    // Taking the size the system suggests keeps the clock's physical size
    // on a monitor of another scale; the size changes clip it anew. Not
    // while it moves to a rectangle from the settings file: that is applied
    // as saved, or each start would scale it again.
    if (m_placement.PlacingSaved())
        return 0;
    const RECT& rect = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CZentimDlg::OnClose() { Default(); }

void CZentimDlg::OnMenuExit() { DestroyWindow(); }

void CZentimDlg::OnMenuOptions()
{
    // With no parent the dialog is owned by the main window, this one: it
    // stays disabled but keeps ticking, since the dialog's loop dispatches
    // its timer. The dialog applies what it changes; its result says
    // nothing more.
    COptions dlg;
    dlg.m_pTarget = this;
    dlg.DoModal();
    // Again, now that no dialog of the clock's is open: Wine makes only
    // the dialog topmost while it is.
    ApplyAlwaysOnTop();
}

void CZentimDlg::OnMenuLoadOptions() { LoadOptions(); }

void CZentimDlg::OnMenuSaveOptions() { SaveOptions(); }
