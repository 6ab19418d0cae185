#include "face/face_canvas.h"

namespace face {

FaceCanvas::Layer::Layer(HDC compatibleWith, Size size)
    : image(CreateCompatibleBitmap(compatibleWith, size.width, size.height)), dc(compatibleWith)
{
    if (image != nullptr && dc != nullptr)
        select.emplace(dc, image);
}

bool FaceCanvas::Draw(HDC dc, const FaceGeometry& g, const FaceTexts& texts, const FaceStyle& style)
{
    const Size size = OffscreenImageSize(g.width, g.height);
    if (!m_frame || size.width != m_size.width || size.height != m_size.height) {
        Release();
        m_dial.emplace(dc, size);
        m_frame.emplace(dc, size);
        if (!m_dial->select || !m_frame->select) {
            Release();
            return false;
        }
        m_size = size;
    }
    const DialKey key = DialKeyOf(g.width, g.height, texts, style);
    if (!m_dialKey || !(m_dialKey->style == style) || m_dialKey->width != g.width)
        m_tools.emplace(g, style);
    if (!m_dialKey || !(*m_dialKey == key)) {
        RenderDial(m_dial->dc, g, texts, *m_tools);
        m_dialKey = key;
    }
    BitBlt(m_frame->dc, 0, 0, g.width, g.height, m_dial->dc, 0, 0, SRCCOPY);
    RenderHands(m_frame->dc, g, *m_tools);
    return true;
}

bool FaceCanvas::Copy(HDC dc, int width, int height) const
{
    if (!m_frame || !m_dialKey || m_dialKey->width != width || m_dialKey->height != height)
        return false;
    return BitBlt(dc, 0, 0, width, height, m_frame->dc, 0, 0, SRCCOPY) != FALSE;
}

void FaceCanvas::Release()
{
    m_dialKey.reset();
    m_tools.reset();
    m_dial.reset();
    m_frame.reset();
    m_size = { 0, 0 };
}

} // namespace face
