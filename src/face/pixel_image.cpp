#include "face/pixel_image.h"

#include <algorithm>
#include <cstring>

namespace face {

PixelImage::PixelImage(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_pixels(static_cast<std::size_t>(m_width) * m_height, 0u)
{
}

void PixelImage::Clear()
{
    if (!m_pixels.empty())
        std::memset(m_pixels.data(), 0, m_pixels.size() * sizeof(std::uint32_t));
}

void PixelImage::CopyFrom(const PixelImage& other)
{
    if (&other == this)
        return;
    if (m_pixels.size() != other.m_pixels.size())
        m_pixels.resize(other.m_pixels.size());
    m_width = other.m_width;
    m_height = other.m_height;
    if (!m_pixels.empty())
        std::memcpy(m_pixels.data(), other.m_pixels.data(),
                    m_pixels.size() * sizeof(std::uint32_t));
}

} // namespace face
