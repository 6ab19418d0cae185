#include "face/face_renderer.h"

#include "framework/gdi.h"

namespace face {
namespace {

COLORREF ToColorRef(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

CFont MakeFont(const FontSpec& font, const char* face)
{
    return CFont(CreateFontA(font.height, font.width, 0, 0, font.weight, FALSE, FALSE, FALSE,
                             ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             FF_MODERN | DEFAULT_PITCH, face));
}

SIZE Measure(HDC dc, const std::string& text)
{
    SIZE extent{ 0, 0 };
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

void PutText(HDC dc, Point at, const std::string& text)
{
    TextOutA(dc, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
}

// With the pen already chosen.
void Stroke(HDC dc, const Line& line)
{
    MoveToEx(dc, line.from.x, line.from.y, nullptr);
    LineTo(dc, line.to.x, line.to.y);
}

void DrawLine(HDC dc, HPEN pen, const Line& line)
{
    CSelectObject select(dc, pen);
    Stroke(dc, line);
}

} // namespace

void RenderFace(HDC dc, const FaceGeometry& g, const FaceTexts& texts, const FaceStyle& style)
{
    const COLORREF arrows = ToColorRef(style.arrows);
    const COLORREF background = ToColorRef(style.background);
    const CPen thinPen(CreatePen(PS_SOLID, 1, arrows));
    const CPen scalePen(CreatePen(PS_SOLID, g.marks[0].penWidth, arrows));
    const CPen hourPen(CreatePen(PS_SOLID, g.hourHand.penWidth, arrows));
    const CPen minutePen(CreatePen(PS_SOLID, g.minuteHand.penWidth, arrows));
    const CPen secondPen(CreatePen(PS_SOLID, 1, ToColorRef(style.secondArrow)));
    const CPen corePen(CreatePen(PS_SOLID, 1, background));
    const CBrush backgroundBrush(CreateSolidBrush(background));
    const CBrush capBrush(CreateSolidBrush(arrows));

    const RECT client{ 0, 0, g.width, g.height };
    FillRect(dc, &client, backgroundBrush);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, background);

    {
        const CFont font = MakeFont(g.upFont, "Tahoma");
        CSelectObject select(dc, font);
        SetTextColor(dc, arrows);
        if (!texts.up.empty())
            PutText(dc, UpTextOrigin(g, Measure(dc, texts.up).cx), texts.up);
    }
    {
        const CFont font = MakeFont(g.downFont, "Arial");
        CSelectObject select(dc, font);
        if (!texts.down.empty()) {
            const SIZE extent = Measure(dc, texts.down);
            PutText(dc, DownTextOrigin(g, extent.cx, extent.cy), texts.down);
        }
    }
    if (texts.digitalPanel) {
        const CFont font = MakeFont(g.panelFont, "Tahoma");
        CSelectObject select(dc, font);
        SetTextColor(dc, ToColorRef(style.panelDigits));
        const SIZE extent = Measure(dc, texts.timeText);
        const PanelLayout panel = ComputePanelLayout(g, extent.cx, extent.cy);
        const CBrush boxBrush(CreateSolidBrush(ToColorRef(style.panelBox)));
        const RECT box{ panel.box.left, panel.box.top, panel.box.right, panel.box.bottom };
        FillRect(dc, &box, boxBrush);
        SetBkMode(dc, TRANSPARENT);
        PutText(dc, panel.text, texts.timeText);
        SetBkMode(dc, OPAQUE);
    }

    // One pen selection per kind of mark rather than per mark: the marks
    // never cross, and the selections were a third of the frame's time.
    for (const bool major : { false, true }) {
        CSelectObject pen(dc, major ? scalePen : thinPen);
        for (const ScaleMark& mark : g.marks) {
            if (mark.major == major)
                Stroke(dc, mark.line);
        }
    }
    DrawLine(dc, hourPen, g.hourHand.line);
    DrawLine(dc, corePen, g.hourHand.core);
    DrawLine(dc, minutePen, g.minuteHand.line);
    DrawLine(dc, corePen, g.minuteHand.core);
    DrawLine(dc, secondPen, g.secondHand);

    {
        CSelectObject pen(dc, thinPen);
        CSelectObject brush(dc, capBrush);
        Ellipse(dc, g.capDisc.left, g.capDisc.top, g.capDisc.right, g.capDisc.bottom);
    }
    const CRgn core(
        CreateEllipticRgn(g.capCore.left, g.capCore.top, g.capCore.right, g.capCore.bottom));
    FillRgn(dc, core, backgroundBrush);
}

void PresentFace(HWND window, const FaceGeometry& g, const FaceTexts& texts, const FaceStyle& style)
{
    const CClientDC windowDC(window);
    if (windowDC == nullptr)
        return;
    const Size size = OffscreenImageSize(g.width, g.height);
    const CMemDC memDC(windowDC);
    const CBitmap image(CreateCompatibleBitmap(windowDC, size.width, size.height));
    if (memDC == nullptr || image == nullptr)
        return;
    CSelectObject select(memDC, image);
    RenderFace(memDC, g, texts, style);
    BitBlt(windowDC, 0, 0, g.width, g.height, memDC, 0, 0, SRCCOPY);
}

} // namespace face
