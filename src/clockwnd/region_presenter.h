// RegionPresenter: the classic face - a GDI frame kept between ticks
// (face::FaceCanvas) and copied into the window in one piece, the window
// clipped to the face's ellipse.
#pragma once

#include "clockwnd/face_presenter.h"
#include "face/face_canvas.h"

namespace clockwnd {

class RegionPresenter : public FacePresenter {
public:
    void Present(HWND window, const FaceContent& content) override;
    void Paint(HWND window, HDC dc, const FaceContent& content) override;
    void Resized(HWND window, const FaceContent& content) override;
    double Radius() const override { return m_radius; }
    void Release(HWND window) override;

    // Clips the window to the ellipse of its size.
    void SetRoundRegion(HWND window);

private:
    // The content drawn for the client area's size into the canvas, whose
    // images are made compatible with dc.
    bool DrawFrame(HWND window, HDC dc, const FaceContent& content);

    face::FaceCanvas m_canvas;
    // The size the last frame was drawn in, and the one the ellipse was
    // made for.
    SIZE m_drawn{}, m_clipped{};
    double m_radius = 0;
};

} // namespace clockwnd
