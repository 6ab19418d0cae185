#include "face/face_renderer.h"

#include "framework/gdi.h"

namespace face {
namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kPanelBox = RGB(153, 102, 10);
const COLORREF kPanelDigits = RGB(255, 102, 51);

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

void RenderFace(HDC dc, const FaceGeometry& g, const FaceTexts& texts)
{
    const CPen thinWhite(CreatePen(PS_SOLID, 1, kWhite));
    const CPen mediumWhite(CreatePen(PS_SOLID, 3, kWhite));
    const CPen thickWhite(CreatePen(PS_SOLID, 5, kWhite));
    const CPen red(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    const CPen black(CreatePen(PS_SOLID, 1, kBlack));
    const CBrush blackBrush(CreateSolidBrush(kBlack));

    const RECT client{ 0, 0, g.width, g.height };
    FillRect(dc, &client, blackBrush);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kBlack);

    {
        const CFont font = MakeFont(g.upFont, "Tahoma");
        CSelectObject select(dc, font);
        SetTextColor(dc, kWhite);
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
        SetTextColor(dc, kPanelDigits);
        const SIZE extent = Measure(dc, texts.timeText);
        const PanelLayout panel = ComputePanelLayout(g, extent.cx, extent.cy);
        const CBrush boxBrush(CreateSolidBrush(kPanelBox));
        const RECT box{ panel.box.left, panel.box.top, panel.box.right, panel.box.bottom };
        FillRect(dc, &box, boxBrush);
        SetBkMode(dc, TRANSPARENT);
        PutText(dc, panel.text, texts.timeText);
        SetBkMode(dc, OPAQUE);
    }

    // One pen selection per kind of mark rather than per mark: the marks
    // never cross, and the selections were a third of the frame's time.
    for (const bool major : { false, true }) {
        CSelectObject pen(dc, major ? mediumWhite : thinWhite);
        for (const ScaleMark& mark : g.marks) {
            if (mark.major == major)
                Stroke(dc, mark.line);
        }
    }
    DrawLine(dc, thickWhite, g.hourHand.white);
    DrawLine(dc, black, g.hourHand.black);
    DrawLine(dc, mediumWhite, g.minuteHand.white);
    DrawLine(dc, black, g.minuteHand.black);
    DrawLine(dc, red, g.secondHand);

    {
        CSelectObject pen(dc, thinWhite);
        CSelectObject brush(dc, GetStockObject(WHITE_BRUSH));
        Ellipse(dc, g.capDisc.left, g.capDisc.top, g.capDisc.right, g.capDisc.bottom);
    }
    const CRgn core(
        CreateEllipticRgn(g.capCore.left, g.capCore.top, g.capCore.right, g.capCore.bottom));
    FillRgn(dc, core, blackBrush);
}

void PresentFace(HWND window, const FaceGeometry& g, const FaceTexts& texts)
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
    RenderFace(memDC, g, texts);
    BitBlt(windowDC, 0, 0, g.width, g.height, memDC, 0, 0, SRCCOPY);
}

} // namespace face
