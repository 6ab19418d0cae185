// RenderFace: draws one whole clock-face frame into any device context;
// the clock window, the tests and the benchmark all draw through it.
// PresentFace: a frame built off screen and put on a window in one copy,
// so that the window never shows half a frame.
#pragma once

#include "face/face_geometry.h"

#include <windows.h>

#include <string>

namespace face {

struct FaceTexts {
    const std::string& up;       // above the centre; nothing drawn when empty
    const std::string& down;     // below the centre; nothing drawn when empty
    const std::string& timeText; // the digital panel's "HH:MM"
    bool digitalPanel;           // whether the panel is drawn
};

// The geometry's pen widths and the style's colours.
void RenderFace(HDC dc, const FaceGeometry& geometry, const FaceTexts& texts,
                const FaceStyle& style);

// When the window's surface or the image cannot be had, the window keeps
// its last frame.
void PresentFace(HWND window, const FaceGeometry& geometry, const FaceTexts& texts,
                 const FaceStyle& style);

} // namespace face
