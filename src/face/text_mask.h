// TextMask: a text drawn by GDI in one of the face's fonts, anti-aliased,
// as 8-bit coverage that the smooth face blends in its colour. GDI has the
// fonts, their fallbacks for letters a font lacks, and the shaping of
// every script; the rasteriser only has shapes.
#pragma once

#include "face/face_geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace face {

struct TextMask {
    int width = 0, height = 0;          // the text's extent, as GetTextExtentPoint32 gives it
    std::vector<std::uint8_t> coverage; // width x height, rows top-down
};

// The font as the classic face makes it, but with anti-aliased quality.
TextMask RenderTextMask(const std::string& text, const FontSpec& font, const wchar_t* face);

} // namespace face
