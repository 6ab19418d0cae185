// CZentimDlg: the clock window. It owns every setting, draws the face once
// a second, chimes, and loads and saves the settings file.
#pragma once

#include "face/chime_rule.h"
#include "face/clock_time.h"
#include "framework/dialog.h"
#include "framework/menu.h"

#include <string>

class CZentimDlg : public CDialog {
public:
    explicit CZentimDlg(CWnd* pParent = nullptr);
    ~CZentimDlg() override;

    // Where DrawClock reads the time. Tests hand in a fixed time.
    using TimeSource = face::ClockTime (*)();
    void SetTimeSource(TimeSource source) { m_pfnTimeSource = source; }

    // One frame: reads the time, runs the chime, draws the face.
    void DrawClock();
    // Clips the window to the ellipse of m_rcWindow's size.
    void SetRoundRegion();
    // Reads zentim.ini into the settings and moves the window; reports
    // failures in one message box.
    void LoadOptions();
    // Writes the window's normal rectangle and the settings to zentim.ini;
    // confirms or lists the failed writes in one message box.
    void SaveOptions();

    // The window's screen rectangle as the system last reported it.
    RECT m_rcWindow{};
    std::string m_strIniDir;
    std::string m_strIniPath;

    // Settings: chime interval in minutes (0 = off), its WAV file and number
    // of flashes, the texts above and below the centre, and the digital
    // panel (1 = shown).
    int m_nKukuType = 0;
    std::string m_strKukuSound;
    int m_nKukuFlashCount = 0;
    std::string m_strUpStr;
    std::string m_strDownStr;
    int m_nDigitalPanel = 0;

    // The local time now, read from the system clock.
    static face::ClockTime ReadLocalTime();

protected:
    BOOL OnInitDialog() override;
    const CMessageMapEntry* GetMessageMap() const override;

private:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
    void OnMenuExit();
    void OnMenuLoadOptions();
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void OnMenuSaveOptions();

    void DoFirstPaintWork();
    void MakeTopmost();
    // Timer 0 fires just after each second boundary.
    void ArmClockTimer();
    // Flashes the window and plays the sound when a chime is due at time.
    void CheckKuku(const face::ClockTime& time);
    // Moves the window to a saved "left,right,top,bottom" rectangle, when
    // it is usable and can be brought on screen.
    void ApplySavedRect(const std::string& sizeText);

    HICON m_hIcon;
    bool m_bFirstPaintDone = false;
    CMenu m_menuPopup;
    double m_dRadius = 0;
    std::string m_strTrayTip;
    TimeSource m_pfnTimeSource = &ReadLocalTime;
    face::ChimeLatch m_kukuLatch;
};
