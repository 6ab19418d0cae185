// SmoothCanvas: what the smooth face's frames need between ticks, as
// FaceCanvas is for the classic one. The dial (its disc, marks, texts and
// panel) is made for a size, a style and the texts, and made again only
// when one of them changes; each frame copies it and draws the hands over
// it, into a premultiplied image with the window's shape in its alpha.
#pragma once

#include "face/face_renderer.h"
#include "face/pixel_image.h"
#include "face/smooth_face.h"

#include <optional>
#include <string>

namespace face {

class SmoothCanvas {
public:
    // The frame at the geometry's time; `classic` places the texts and the
    // panel as the classic face does, about the smooth face's centre. True
    // when the dial was made anew, so that every pixel may have changed.
    bool Draw(const SmoothFaceGeometry& g, const FaceGeometry& classic, const FaceTexts& texts,
              const FaceStyle& style);
    const PixelImage& Frame() const { return m_frame; }
    void Release();

private:
    void DrawDial(const SmoothFaceGeometry& g, const FaceGeometry& classic, const FaceTexts& texts,
                  const FaceStyle& style);

    std::optional<DialKey> m_dialKey;
    PixelImage m_dial, m_frame;
};

} // namespace face
