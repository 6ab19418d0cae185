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

// A text in a box of the panel's colours, where layout puts the two for the
// text's extent: the digital panel and the date window.
void BlendBoxedText(PixelImage& image, const TextMask& mask,
                    PanelLayout (*layout)(const FaceGeometry&, int, int),
                    const FaceGeometry& classic, Offset offset, const FaceStyle& style)
{
    const PanelLayout placed = layout(classic, mask.width, mask.height);
    FillRect(image, placed.box.left + offset.dx, placed.box.top + offset.dy,
             placed.box.right + offset.dx, placed.box.bottom + offset.dy,
             { style.panelBox, 1, Blend::Atop });
    BlendText(image, mask, placed.text, offset, style.panelDigits);
}

} // namespace

bool SmoothCanvas::Draw(const SmoothFaceGeometry& g, const FaceGeometry& classic,
                        const FaceTexts& texts, const FaceStyle& style)
{
    const DialKey key = DialKeyOf(g.width, g.height, texts, style);
    const bool newDial = !m_dialKey || !(*m_dialKey == key);
    if (newDial) {
        DrawDial(g, classic, texts, style);
        m_dialKey = key;
    }
    m_frame.CopyFrom(m_dial);
    RenderSmoothHands(m_frame, g, style);
    return newDial;
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
        BlendBoxedText(m_dial, RenderTextMask(texts.timeText, classic.panelFont, L"Tahoma"),
                       ComputePanelLayout, classic, offset, style);
    }
    if (!texts.date.empty()) {
        BlendBoxedText(m_dial, RenderTextMask(texts.date, classic.dateFont, L"Tahoma"),
                       ComputeDateLayout, classic, offset, style);
    }
}

void SmoothCanvas::Release()
{
    m_dialKey.reset();
    m_dial = PixelImage();
    m_frame = PixelImage();
}

} // namespace face
