// RenderFace: draws one whole clock-face frame into any device context.
// The clock window, the tests and the benchmark all draw through it.
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

void RenderFace(HDC dc, const FaceGeometry& geometry, const FaceTexts& texts);

} // namespace face
