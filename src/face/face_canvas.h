// FaceCanvas: what the clock's frames need between ticks. The draw tools
// and the dial (background, texts, panel, marks) are made for a size, a
// style and the texts, and made again only when one of them changes; each
// frame copies the dial into the kept frame image, draws the hands over it
// and puts it on the window in one copy, so that the window never shows
// half a frame. A paint copies the kept frame.
#pragma once

#include "face/face_renderer.h"

#include <optional>

namespace face {

class FaceCanvas {
public:
    FaceCanvas() = default;
    FaceCanvas(const FaceCanvas&) = delete;
    FaceCanvas& operator=(const FaceCanvas&) = delete;

    // Draws the frame into the kept image; images compatible with dc.
    // False when the images cannot be had: the last frame stays.
    bool Draw(HDC dc, const FaceGeometry& g, const FaceTexts& texts, const FaceStyle& style);
    // Copies the kept frame to dc; false when there is none of that size.
    bool Copy(HDC dc, int width, int height) const;
    // Lets go of every object it made.
    void Release();

private:
    // One image and the memory DC that holds it; the selection goes first.
    struct Layer {
        Layer(HDC compatibleWith, Size size);
        CBitmap image;
        CMemDC dc;
        std::optional<CSelectObject> select;
    };

    std::optional<DrawTools> m_tools;
    std::optional<Layer> m_dial, m_frame;
    std::optional<DialKey> m_dialKey;
    Size m_size{ 0, 0 };
};

} // namespace face
