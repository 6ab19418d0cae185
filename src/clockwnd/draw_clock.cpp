// CZentimDlg::DrawClock and CheckKuku: each tick's pass - the chime when
// one is due, the alarms, then the face of that second; the face a paint
// shows; and the presenter that puts it on screen.
#include "clockwnd/zentim_dlg.h"

#include "clockwnd/layered_presenter.h"
#include "clockwnd/region_presenter.h"
#include "face/clock_time.h"
#include "time/local_format.h"

timekeeping::ClockTime CZentimDlg::DrawClock()
{
    const timekeeping::ClockTime now = m_timeSource();
    // The chime first: a once alarm is still on, for the chime to give way
    // to, until it has rung.
    CheckKuku(now);
    CheckAlarms(now);
    m_lastTime = now;
    if (m_name.Update(m_hWnd, now))
        m_trayIcon.SetTip(TrayTip());
    if (m_presenter) {
        m_presenter->Present(m_hWnd, Content(now));
        m_dRadius = m_presenter->Radius();
    }
    return now;
}

clockwnd::FaceContent CZentimDlg::Content(const timekeeping::ClockTime& time) const
{
    return { time,
             m_settings.m_strUpStr,
             m_settings.m_strDownStr,
             face::FormatTimeText(time),
             m_settings.m_nDigitalPanel == 1,
             m_settings.m_bSecondHand,
             m_settings.m_bDateWindow ? DateText(time) : std::string(),
             m_colours.Shown(m_settings.m_style) };
}

const std::string& CZentimDlg::DateText(const timekeeping::ClockTime& time) const
{
    // Asked of the system once a day, not at every tick.
    const int day = time.year * 10000 + time.month * 100 + time.day;
    if (!m_date || m_date->first != day)
        m_date.emplace(day, timekeeping::DateWindowText(time));
    return m_date->second;
}

void CZentimDlg::ApplyLook()
{
    const Look look{ m_settings.m_bSmoothFace, m_settings.m_nOpacity, m_settings.m_bClickThrough };
    if (m_hWnd == nullptr || (m_look && *m_look == look))
        return;
    const bool newFace = !m_look || m_look->smooth != look.smooth;
    if (newFace && m_presenter)
        m_presenter->Release(m_hWnd);
    // A window goes from the layer's constant alpha to its own image, or
    // back, only through a style without the layer.
    const LONG plain = GetWindowLongW(m_hWnd, GWL_EXSTYLE) & ~(WS_EX_LAYERED | WS_EX_TRANSPARENT);
    SetWindowLongW(m_hWnd, GWL_EXSTYLE, plain);
    const bool layered =
        look.smooth || look.opacity < settings::ClockSettings::kMaxOpacity || look.clickThrough;
    if (layered)
        SetWindowLongW(m_hWnd, GWL_EXSTYLE,
                       plain | WS_EX_LAYERED | (look.clickThrough ? WS_EX_TRANSPARENT : 0));
    if (layered && !look.smooth)
        SetLayeredWindowAttributes(m_hWnd, 0, static_cast<BYTE>(look.opacity * 255 / 100),
                                   LWA_ALPHA);
    if (look.smooth) {
        m_presenter = std::make_unique<clockwnd::LayeredPresenter>(look.opacity);
    } else if (newFace) {
        auto region = std::make_unique<clockwnd::RegionPresenter>();
        region->SetRoundRegion(m_hWnd);
        m_presenter = std::move(region);
    }
    m_look = look;
    if (m_lastTime)
        m_presenter->Present(m_hWnd, Content(*m_lastTime));
    ShowTrayIcon();
}

void CZentimDlg::CheckKuku(const timekeeping::ClockTime& time)
{
    // Claimed all the same in an alarm's minute, so that it does not chime
    // at the next tick instead.
    if (m_kukuLatch.ClaimChime(time, m_settings.m_nKukuType) &&
        !m_ringer.ChimeGivesWay(time.seconds - time.second))
        m_chime.Start(m_hWnd, m_settings.m_nKukuFlashCount, m_settings.m_strKukuSound);
}
