// CZentimDlg::DrawClock: one frame, built off screen and copied in one blit.
#include "clockwnd/zentim_dlg.h"
#include "face/face_renderer.h"
#include "framework/gdi.h"

void CZentimDlg::DrawClock()
{
    const face::ClockTime handsTime = m_pfnTimeSource();
    CheckKuku(handsTime);
    // Read again: a chime may have taken past the minute, and the panel
    // should say when the frame was really drawn.
    const std::string timeText = face::FormatTimeText(m_pfnTimeSource());

    RECT client;
    GetClientRect(&client);
    const face::FaceGeometry geometry =
        face::ComputeFaceGeometry(client.right - client.left, client.bottom - client.top,
                                  handsTime.hour, handsTime.minute, handsTime.second);
    m_dRadius = geometry.radius;

    const CClientDC windowDC(m_hWnd);
    if (windowDC == nullptr)
        return;
    const CMemDC memDC(windowDC);
    const CBitmap image(CreateCompatibleBitmap(windowDC, geometry.width + 5, geometry.height + 1));
    if (memDC == nullptr || image == nullptr)
        return; // the window keeps its last frame; the next tick tries again
    CSelectObject select(memDC, image);
    face::RenderFace(memDC, geometry,
                     { m_strUpStr, m_strDownStr, timeText, m_nDigitalPanel == 1 });
    BitBlt(windowDC, 0, 0, geometry.width, geometry.height, memDC, 0, 0, SRCCOPY);
}
