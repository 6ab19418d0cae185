#include "clockwnd/region_presenter.h"

#include "clockwnd/window_geometry.h"

namespace clockwnd {
namespace {

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return { client.right - client.left, client.bottom - client.top };
}

SIZE WindowSize(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return { rect.right - rect.left, rect.bottom - rect.top };
}

} // namespace

bool RegionPresenter::DrawFrame(HWND window, HDC dc, const FaceContent& content)
{
    m_drawn = ClientSize(window);
    const timekeeping::ClockTime& t = content.time;
    face::FaceGeometry geometry = face::ComputeFaceGeometry(
        m_drawn.cx, m_drawn.cy, t.hour, t.minute, ShownSecond(content), content.style.widths);
    if (!content.secondHand)
        geometry.secondHand.reset();
    m_radius = geometry.radius;
    return m_canvas.Draw(
        dc, geometry, { content.up, content.down, content.timeText, content.panel, content.date },
        content.style);
}

void RegionPresenter::Present(HWND window, const FaceContent& content)
{
    const CClientDC dc(window);
    if (dc != nullptr && DrawFrame(window, dc, content))
        m_canvas.Copy(dc, m_drawn.cx, m_drawn.cy);
}

void RegionPresenter::Paint(HWND window, HDC dc, const FaceContent& content)
{
    const SIZE client = ClientSize(window);
    if (client.cx != m_drawn.cx || client.cy != m_drawn.cy)
        DrawFrame(window, dc, content);
    m_canvas.Copy(dc, m_drawn.cx, m_drawn.cy);
}

void RegionPresenter::Resized(HWND window, const FaceContent&)
{
    // Every new size of the normal window, from a load or a key alike, gets
    // the ellipse of that size.
    const SIZE size = WindowSize(window);
    if (size.cx != m_clipped.cx || size.cy != m_clipped.cy)
        SetRoundRegion(window);
}

void RegionPresenter::SetRoundRegion(HWND window)
{
    m_clipped = WindowSize(window);
    const face::Box box = RoundRegionBox(m_clipped.cx, m_clipped.cy);
    CRgn region(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
    // The window owns the region once it is set.
    if (SetWindowRgn(window, region, TRUE))
        region.Detach();
}

void RegionPresenter::Release(HWND window)
{
    m_canvas.Release();
    m_drawn = m_clipped = SIZE{};
    // Another presenter shapes the window by other means.
    if (window != nullptr && IsWindow(window))
        SetWindowRgn(window, nullptr, TRUE);
}

} // namespace clockwnd
