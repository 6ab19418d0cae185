#include "face/text_mask.h"

#include "framework/gdi.h"
#include "framework/text.h"

namespace face {

TextMask RenderTextMask(const std::string& text, const FontSpec& font, const wchar_t* face)
{
    TextMask mask;
    const std::wstring wide = Widen(text);
    const CMemDC dc(nullptr);
    // Grey-scale smoothing, not ClearType: the mask is one channel, blended
    // in any colour over any background.
    const CFont made(CreateFontW(font.height, font.width, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                 ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 ANTIALIASED_QUALITY, FF_MODERN | DEFAULT_PITCH, face));
    if (dc == nullptr || made == nullptr || wide.empty())
        return mask;
    CSelectObject selectFont(dc, made);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    if (extent.cx <= 0 || extent.cy <= 0)
        return mask;
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), extent.cx, -extent.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0
    };
    void* bits = nullptr;
    const CBitmap image(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (image == nullptr)
        return mask;
    {
        CSelectObject selectImage(dc, image);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, RGB(0, 0, 0));
        SetTextColor(dc, RGB(255, 255, 255));
        TextOutW(dc, 0, 0, wide.c_str(), static_cast<int>(wide.size()));
        GdiFlush();
    }
    mask.width = extent.cx;
    mask.height = extent.cy;
    mask.coverage.resize(static_cast<std::size_t>(extent.cx) * extent.cy);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    // White on black: any channel is the coverage; green is the one that
    // sub-pixel smoothing would shift least.
    for (std::size_t i = 0; i < mask.coverage.size(); ++i)
        mask.coverage[i] = static_cast<std::uint8_t>(pixels[i] >> 8 & 0xFF);
    return mask;
}

} // namespace face
