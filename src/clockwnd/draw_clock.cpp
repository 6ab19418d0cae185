// CZentimDlg::DrawClock and CheckKuku: each tick's pass - the chime when
// one is due, the alarms, then the face of that second; and the face a
// paint shows.
#include "clockwnd/zentim_dlg.h"

#include "face/clock_time.h"

timekeeping::ClockTime CZentimDlg::DrawClock()
{
    const timekeeping::ClockTime now = m_timeSource();
    // The chime first: a once alarm is still on, for the chime to give way
    // to, until it has rung.
    CheckKuku(now);
    CheckAlarms(now);
    m_lastFrame = Frame{ now, face::FormatTimeText(now) };
    const CClientDC windowDC(m_hWnd);
    if (windowDC != nullptr && DrawFrame(windowDC))
        m_canvas.Copy(windowDC, m_lastFrame->width, m_lastFrame->height);
    return now;
}

bool CZentimDlg::DrawFrame(HDC dc)
{
    RECT client;
    GetClientRect(&client);
    Frame& frame = *m_lastFrame;
    frame.width = client.right - client.left;
    frame.height = client.bottom - client.top;
    const timekeeping::ClockTime& t = frame.handsTime;
    const face::FaceGeometry geometry = face::ComputeFaceGeometry(
        frame.width, frame.height, t.hour, t.minute, t.second, m_settings.m_style.widths);
    m_dRadius = geometry.radius;
    return m_canvas.Draw(dc, geometry,
                         { m_settings.m_strUpStr, m_settings.m_strDownStr, frame.timeText,
                           m_settings.m_nDigitalPanel == 1 },
                         m_settings.m_style);
}

void CZentimDlg::PaintFace(HDC dc)
{
    // The last frame, drawn again only when the window has another size
    // since: the time is the tick's to read.
    if (!m_lastFrame)
        return;
    RECT client;
    GetClientRect(&client);
    if (client.right - client.left != m_lastFrame->width ||
        client.bottom - client.top != m_lastFrame->height)
        DrawFrame(dc);
    m_canvas.Copy(dc, m_lastFrame->width, m_lastFrame->height);
}

void CZentimDlg::CheckKuku(const timekeeping::ClockTime& time)
{
    // Claimed all the same in an alarm's minute, so that it does not chime
    // at the next tick instead.
    if (m_kukuLatch.ClaimChime(time, m_settings.m_nKukuType) &&
        !m_ringer.ChimeGivesWay(time.seconds - time.second))
        m_chime.Start(m_hWnd, m_settings.m_nKukuFlashCount, m_settings.m_strKukuSound);
}
