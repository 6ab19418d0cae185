// CZentimDlg::DrawClock and CheckKuku: each tick's pass - the chime when
// one is due, then the face of that second.
#include "clockwnd/zentim_dlg.h"

#include "face/chime.h"
#include "face/face_renderer.h"

void CZentimDlg::DrawClock()
{
    const face::ClockTime handsTime = m_timeSource();
    CheckKuku(handsTime);
    // Read again: a chime may have taken past the minute, and the panel
    // should say when the frame was really drawn.
    const std::string timeText = face::FormatTimeText(m_timeSource());

    RECT client;
    GetClientRect(&client);
    const face::FaceGeometry geometry = face::ComputeFaceGeometry(
        client.right - client.left, client.bottom - client.top, handsTime.hour, handsTime.minute,
        handsTime.second, m_settings.m_style.widths);
    m_dRadius = geometry.radius;
    face::PresentFace(m_hWnd, geometry,
                      { m_settings.m_strUpStr, m_settings.m_strDownStr, timeText,
                        m_settings.m_nDigitalPanel == 1 },
                      m_settings.m_style);
}

void CZentimDlg::CheckKuku(const face::ClockTime& time)
{
    if (m_kukuLatch.ClaimChime(time, m_settings.m_nKukuType))
        face::RunChime(m_hWnd, m_settings.m_nKukuFlashCount, m_settings.m_strKukuSound);
}
