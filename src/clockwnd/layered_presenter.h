// LayeredPresenter: the smooth face - an anti-aliased, premultiplied image
// (face::SmoothCanvas) shown by UpdateLayeredWindow with per-pixel alpha,
// so that the round edge is soft against whatever lies behind the clock
// and the corners are truly transparent; the clock's opacity is the
// layer's constant alpha.
#pragma once

#include "clockwnd/face_presenter.h"
#include "face/smooth_canvas.h"
#include "framework/gdi.h"

#include <optional>

namespace clockwnd {

class LayeredPresenter : public FacePresenter {
public:
    // opacityPercent: 20..100.
    explicit LayeredPresenter(int opacityPercent) : m_opacity(opacityPercent) {}

    void Present(HWND window, const FaceContent& content) override;
    void Paint(HWND window, HDC dc, const FaceContent& content) override;
    void Resized(HWND window, const FaceContent& content) override;
    double Radius() const override { return m_radius; }
    void Release(HWND window) override;

private:
    // A 32-bit top-down DIB of the frame's size in a memory DC, what
    // UpdateLayeredWindow takes.
    struct Surface {
        Surface(int width, int height);
        int width, height;
        CMemDC dc;
        CBitmap image;
        void* bits = nullptr;
        std::optional<CSelectObject> select;
    };

    int m_opacity;
    face::SmoothCanvas m_canvas;
    std::optional<Surface> m_surface;
    // Where the last frame's hands were: with a dial unchanged, only these
    // and the new hands' pixels go to the screen.
    std::optional<face::PixelBox> m_lastHands;
    double m_radius = 0;
};

} // namespace clockwnd
