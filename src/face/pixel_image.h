// PixelImage: the smooth face's one image type, premultiplied 32-bit pixels
// in memory as a Windows 32-bpp top-down DIB holds them, so that a frame
// goes to the screen without conversion.
#pragma once

#include <cstdint>
#include <vector>

namespace face {

// One std::uint32_t per pixel, 0xAARRGGBB (bytes B, G, R, A in memory), the
// colour channels premultiplied by alpha; rows top-down, no padding.
class PixelImage {
public:
    PixelImage() = default;
    // All transparent.
    PixelImage(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    std::uint32_t* Pixels() { return m_pixels.data(); }
    const std::uint32_t* Pixels() const { return m_pixels.data(); }
    std::uint32_t* Row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* Row(int y) const
    {
        return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
    }

    // Every pixel transparent.
    void Clear();
    // Becomes a copy of other: one memcpy each tick, as the frame keeps the
    // dial's size; it takes other's size (and a new buffer) otherwise.
    void CopyFrom(const PixelImage& other);

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

} // namespace face
