#include "face/smooth_canvas.h"

#include "face/text_mask.h"

#include <cmath>

namespace face {
namespace {

// Where the classic face puts a text, moved to the smooth face's centre.
struct Offset {
    int dx, dy;
};

void BlendText(PixelImage& image, const TextMask& mask, Point at, Offset offset, const Rgb& colour)
{
    if (mask.coverage.empty())
        return;
    BlendMask(image, { mask.coverage.data(), mask.width, mask.height, mask.width },
              at.x + offset.dx, at.y + offset.dy, { colour, 1, Blend::Atop });
}

} // namespace

void SmoothCanvas::Draw(const SmoothFaceGeometry& g, const FaceGeometry& classic,
                        const FaceTexts& texts, const FaceStyle& style)
{
    // The texts only matter where they are drawn.
    const DialKey key{ g.width,
                       g.height,
                       style,
                       texts.up,
                       texts.down,
                       texts.digitalPanel ? texts.timeText : std::string(),
                       texts.digitalPanel,
                       texts.date };
    if (!m_dialKey || !(*m_dialKey == key)) {
        DrawDial(g, classic, texts, style);
        m_dialKey = key;
    }
    m_frame.CopyFrom(m_dial);
    RenderSmoothHands(m_frame, g, style);
}

void SmoothCanvas::DrawDial(const SmoothFaceGeometry& g, const FaceGeometry& classic,
                            const FaceTexts& texts, const FaceStyle& style)
{
    if (m_dial.Width() != g.width || m_dial.Height() != g.height)
        m_dial = PixelImage(g.width, g.height);
    RenderSmoothDial(m_dial, g, style);
    const Offset offset{ static_cast<int>(std::lround(g.centre.x)) - classic.cx,
                         static_cast<int>(std::lround(g.centre.y)) - classic.cy };
    if (!texts.up.empty()) {
        const TextMask up = RenderTextMask(texts.up, classic.upFont, L"Tahoma");
        BlendText(m_dial, up, UpTextOrigin(classic, up.width), offset, style.arrows);
    }
    if (!texts.down.empty()) {
        const TextMask down = RenderTextMask(texts.down, classic.downFont, L"Arial");
        BlendText(m_dial, down, DownTextOrigin(classic, down.width, down.height), offset,
                  style.arrows);
    }
    if (texts.digitalPanel) {
        const TextMask digits = RenderTextMask(texts.timeText, classic.panelFont, L"Tahoma");
        const PanelLayout panel = ComputePanelLayout(classic, digits.width, digits.height);
        FillRect(m_dial, panel.box.left + offset.dx, panel.box.top + offset.dy,
                 panel.box.right + offset.dx, panel.box.bottom + offset.dy,
                 { style.panelBox, 1, Blend::Atop });
        BlendText(m_dial, digits, panel.text, offset, style.panelDigits);
    }
    if (!texts.date.empty()) {
        const TextMask date = RenderTextMask(texts.date, classic.dateFont, L"Tahoma");
        const PanelLayout window = ComputeDateLayout(classic, date.width, date.height);
        FillRect(m_dial, window.box.left + offset.dx, window.box.top + offset.dy,
                 window.box.right + offset.dx, window.box.bottom + offset.dy,
                 { style.panelBox, 1, Blend::Atop });
        BlendText(m_dial, date, window.text, offset, style.panelDigits);
    }
}

void SmoothCanvas::Release()
{
    m_dialKey.reset();
    m_dial = PixelImage();
    m_frame = PixelImage();
}

} // namespace face
