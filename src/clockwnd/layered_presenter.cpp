#include "clockwnd/layered_presenter.h"

#include <algorithm>
#include <cstring>

namespace clockwnd {

LayeredPresenter::Surface::Surface(int w, int h) : width(w), height(h), dc(nullptr)
{
    BITMAPINFO info{};
    info.bmiHeader = { sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    image = CBitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (image != nullptr && dc != nullptr)
        select.emplace(dc, image);
}

void LayeredPresenter::Present(HWND window, const FaceContent& content)
{
    // A layered window has no frame of its own: its client area is the
    // window.
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;
    const timekeeping::ClockTime& t = content.time;
    face::SmoothFaceGeometry smooth = face::ComputeSmoothFaceGeometry(
        width, height, t.hour, t.minute, ShownSecond(content), content.style.widths);
    if (!content.secondHand)
        smooth.secondHand.reset();
    // Places the texts only: the hands are the smooth geometry's.
    const face::FaceGeometry classic =
        face::ComputeFaceGeometry(width, height, t.hour, t.minute, 0, content.style.widths);
    m_radius = smooth.radius;
    const bool newDial = m_canvas.Draw(
        smooth, classic,
        { content.up, content.down, content.timeText, content.panel, content.date }, content.style);

    const bool newSurface = !m_surface || m_surface->width != width || m_surface->height != height;
    if (newSurface)
        m_surface.emplace(width, height);
    if (!m_surface->select)
        return;
    // Only what changed, copied and handed on: the system does less with
    // the layer's image, and the rest of the surface is the frame already.
    const face::PixelBox hands = face::HandsBounds(smooth);
    RECT dirty{ 0, 0, width, height };
    if (!newDial && !newSurface && m_lastHands) {
        dirty = { std::max(0, std::min(hands.left, m_lastHands->left)),
                  std::max(0, std::min(hands.top, m_lastHands->top)),
                  std::min(width, std::max(hands.right, m_lastHands->right)),
                  std::min(height, std::max(hands.bottom, m_lastHands->bottom)) };
    }
    m_lastHands = hands;
    const std::uint32_t* from = m_canvas.Frame().Pixels();
    auto* to = static_cast<std::uint32_t*>(m_surface->bits);
    for (LONG y = dirty.top; y < dirty.bottom && dirty.left < dirty.right; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * width;
        std::memcpy(to + row + dirty.left, from + row + dirty.left,
                    static_cast<std::size_t>(dirty.right - dirty.left) * sizeof(std::uint32_t));
    }
    SIZE size{ width, height };
    POINT origin{ 0, 0 };
    BLENDFUNCTION blend{ AC_SRC_OVER, 0, static_cast<BYTE>(m_opacity * 255 / 100), AC_SRC_ALPHA };
    UPDATELAYEREDWINDOWINFO update{ sizeof update, nullptr, nullptr, &size,     m_surface->dc,
                                    &origin,       0,       &blend,  ULW_ALPHA, &dirty };
    UpdateLayeredWindowIndirect(window, &update);
}

// The system keeps the layer's image and shows it by itself.
void LayeredPresenter::Paint(HWND, HDC, const FaceContent&) {}

void LayeredPresenter::Resized(HWND window, const FaceContent& content)
{
    if (!m_surface)
        return;
    RECT rect{};
    GetWindowRect(window, &rect);
    if (rect.right - rect.left != m_surface->width || rect.bottom - rect.top != m_surface->height)
        Present(window, content);
}

void LayeredPresenter::Release(HWND)
{
    m_canvas.Release();
    m_surface.reset();
    m_lastHands.reset();
}

} // namespace clockwnd
