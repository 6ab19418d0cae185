// CZentimDlg: the clock window. It owns every setting, draws the face once
// a second, chimes, loads and saves the settings file, and is dragged,
// resized, minimised into the notification area and driven from its menu.
// WM_TRAY_NOTIFY: the message its notification-area icon sends it.
#pragma once

#include "face/chime_rule.h"
#include "face/clock_time.h"
#include "face/face_canvas.h"
#include "framework/dialog.h"
#include "framework/menu.h"
#include "settings/clock_settings.h"
#include "settings/window_placement.h"

#include <functional>
#include <optional>
#include <string>

// Callback message of the notification-area icon; it carries the mouse
// message that happened over the icon in lParam.
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;

class CZentimDlg : public CDialog {
public:
    explicit CZentimDlg(CWnd* pParent = nullptr);
    ~CZentimDlg() override;

    // Where DrawClock reads the time: the system clock, or a fixed time in
    // the tests.
    using TimeSource = std::function<face::ClockTime()>;
    void SetTimeSource(TimeSource source) { m_timeSource = std::move(source); }
    // How the settings operations show their message box, owned by this
    // window: the system's, or a recorder in the tests.
    using MessageBoxShower = std::function<int(HWND owner, LPCSTR text, LPCSTR caption, UINT type)>;
    void SetMessageBoxShower(MessageBoxShower show) { m_showMessageBox = std::move(show); }
    int ShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
    {
        return m_showMessageBox(owner, text, caption, type);
    }

    // One frame: reads the time, runs the chime, draws the face.
    void DrawClock();
    // Clips the window to the ellipse of m_rcWindow's size.
    void SetRoundRegion();
    // Keeps the window above ordinary windows, or among them, as the
    // settings say.
    void ApplyAlwaysOnTop();
    // Reads zentim.ini into the settings and moves the window; reports
    // failures in one message box.
    void LoadOptions();
    // Writes the window's normal rectangle and the settings to zentim.ini;
    // confirms or lists the failed writes in one message box.
    void SaveOptions();

    // Keys: Enter does nothing, Escape minimises, Up and Down grow and
    // shrink the window by one pixel per side.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The window's screen rectangle as the system last reported it.
    RECT m_rcWindow{};
    // The folder whose zentim.ini the clock reads: the one it was started
    // on, made a full path at start, else the current one.
    std::string m_strSettingsFolder;
    std::string m_strIniDir;
    std::string m_strIniPath;
    // What the options dialog edits, the face shows and zentim.ini keeps.
    settings::ClockSettings m_settings;

protected:
    BOOL OnInitDialog() override;
    const CMessageMapEntry* GetMessageMap() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
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
    void OnMenuSaveOptions();

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

    void DoFirstPaintWork();
    // Timer 0 fires just after each second boundary.
    void ArmClockTimer();
    // Flashes the window and plays the sound when a chime is due at time.
    void CheckKuku(const face::ClockTime& time);
    // The last frame's time drawn for the client area's size into the
    // canvas, whose images are made compatible with dc.
    bool DrawFrame(HDC dc);
    // The last frame, in the client area's size.
    void PaintFace(HDC dc);
    // Moves the window to a saved rectangle, onto the nearest monitor when
    // it lies off every one.
    void MoveToSavedRect(const settings::ScreenRect& saved);
    // Grows (+1) or shrinks (-1) the window by one pixel per side around
    // its centre, within the bounds of the arrow keys.
    void ResizeByArrowKey(int delta);
    // The notification-area icon, identified by this window and id 0.
    bool AddTrayIcon();
    void DeleteTrayIcon();
    void OnTaskbarCreated();

    HICON m_hIcon;
    bool m_bFirstPaintDone = false;
    CMenu m_menuPopup;
    // The last frame's dial radius: the face's size, which follows the width alone.
    double m_dRadius = 0;
    // The tray icon's tip, left empty: the icon is only there to bring the clock back.
    std::string m_strTrayTip;
    TimeSource m_timeSource;
    // The time of the last frame and the size it was drawn in.
    struct Frame {
        face::ClockTime handsTime;
        std::string timeText;
        int width = 0, height = 0;
    };
    std::optional<Frame> m_lastFrame;
    face::FaceCanvas m_canvas;
    MessageBoxShower m_showMessageBox;
    face::ChimeLatch m_kukuLatch;
    // Set while the clock is hidden behind its notification-area icon.
    bool m_bTrayIconAdded = false;
    // The size the window's ellipse was made for.
    SIZE m_szClipped{};
    // Set while the window moves to a rectangle from the settings file.
    bool m_bPlacingSavedRect = false;
    // The shell broadcasts this when it (re)starts; its icons are gone then.
    const UINT m_nMsgTaskbarCreated;
};
