#include "face/face_renderer.h"

#include "framework/gdi.h"
#include "framework/text.h"

namespace face {
namespace {

CFont MakeFont(const FontSpec& font, const wchar_t* face)
{
    return CFont(CreateFontW(font.height, font.width, 0, 0, font.weight, FALSE, FALSE, FALSE,
                             ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             FF_MODERN | DEFAULT_PITCH, face));
}

// Texts in any script: a letter the face's font lacks comes from the fonts
// the system links to it.
SIZE Measure(HDC dc, const std::wstring& text)
{
    SIZE extent{ 0, 0 };
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

void PutText(HDC dc, Point at, const std::wstring& text)
{
    TextOutW(dc, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
}

// With the pen already chosen.
void Stroke(HDC dc, const Line& line)
{
    MoveToEx(dc, line.from.x, line.from.y, nullptr);
    LineTo(dc, line.to.x, line.to.y);
}

// A text in a box of the panel's colours, where layout puts the two for the
// text's extent: the digital panel and the date window.
void PutBoxedText(HDC dc, const DrawTools& tools, HFONT font, const std::string& text,
                  PanelLayout (*layout)(const FaceGeometry&, int, int), const FaceGeometry& g)
{
    CSelectObject select(dc, font);
    SetTextColor(dc, tools.panelDigits);
    const std::wstring wide = Widen(text);
    const SIZE extent = Measure(dc, wide);
    const PanelLayout placed = layout(g, extent.cx, extent.cy);
    const RECT box{ placed.box.left, placed.box.top, placed.box.right, placed.box.bottom };
    FillRect(dc, &box, tools.panelBrush);
    SetBkMode(dc, TRANSPARENT);
    PutText(dc, placed.text, wide);
    SetBkMode(dc, OPAQUE);
}

void DrawLine(HDC dc, HPEN pen, const Line& line)
{
    CSelectObject select(dc, pen);
    Stroke(dc, line);
}

} // namespace

DialKey DialKeyOf(int width, int height, const FaceTexts& texts, const FaceStyle& style)
{
    // The panel's time only matters where it is drawn.
    return { width,      height,
             style,      texts.up,
             texts.down, texts.digitalPanel ? texts.timeText : std::string(),
             texts.date, texts.digitalPanel };
}

COLORREF ToColorRef(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

DrawTools::DrawTools(const FaceGeometry& g, const FaceStyle& style)
    : arrows(ToColorRef(style.arrows)), background(ToColorRef(style.background)),
      panelDigits(ToColorRef(style.panelDigits)), thin(CreatePen(PS_SOLID, 1, arrows)),
      scale(CreatePen(PS_SOLID, g.marks[0].penWidth, arrows)),
      hour(CreatePen(PS_SOLID, g.hourHand.penWidth, arrows)),
      minute(CreatePen(PS_SOLID, g.minuteHand.penWidth, arrows)),
      second(CreatePen(PS_SOLID, 1, ToColorRef(style.secondArrow))),
      core(CreatePen(PS_SOLID, 1, background)), backgroundBrush(CreateSolidBrush(background)),
      capBrush(CreateSolidBrush(arrows)), panelBrush(CreateSolidBrush(ToColorRef(style.panelBox))),
      up(MakeFont(g.upFont, L"Tahoma")), down(MakeFont(g.downFont, L"Arial")),
      panel(MakeFont(g.panelFont, L"Tahoma")), date(MakeFont(g.dateFont, L"Tahoma"))
{
}

void RenderDial(HDC dc, const FaceGeometry& g, const FaceTexts& texts, const DrawTools& tools)
{
    const RECT client{ 0, 0, g.width, g.height };
    FillRect(dc, &client, tools.backgroundBrush);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, tools.background);
    SetTextColor(dc, tools.arrows);
    if (!texts.up.empty()) {
        CSelectObject select(dc, tools.up);
        const std::wstring up = Widen(texts.up);
        PutText(dc, UpTextOrigin(g, Measure(dc, up).cx), up);
    }
    if (!texts.down.empty()) {
        CSelectObject select(dc, tools.down);
        const std::wstring down = Widen(texts.down);
        const SIZE extent = Measure(dc, down);
        PutText(dc, DownTextOrigin(g, extent.cx, extent.cy), down);
    }
    if (texts.digitalPanel)
        PutBoxedText(dc, tools, tools.panel, texts.timeText, ComputePanelLayout, g);
    if (!texts.date.empty())
        PutBoxedText(dc, tools, tools.date, texts.date, ComputeDateLayout, g);
    // One pen selection per kind of mark rather than per mark: the marks
    // never cross, and the selections were a third of the frame's time.
    for (const bool major : { false, true }) {
        CSelectObject pen(dc, major ? tools.scale : tools.thin);
        for (const ScaleMark& mark : g.marks) {
            if (mark.major == major)
                Stroke(dc, mark.line);
        }
    }
}

void RenderHands(HDC dc, const FaceGeometry& g, const DrawTools& tools)
{
    for (const Hand* hand : { &g.hourHand, &g.minuteHand }) {
        DrawLine(dc, hand == &g.hourHand ? tools.hour : tools.minute, hand->line);
        if (hand->core)
            DrawLine(dc, tools.core, *hand->core);
    }
    if (g.secondHand)
        DrawLine(dc, tools.second, *g.secondHand);
    {
        CSelectObject pen(dc, tools.thin);
        CSelectObject brush(dc, tools.capBrush);
        Ellipse(dc, g.capDisc.left, g.capDisc.top, g.capDisc.right, g.capDisc.bottom);
    }
    const CRgn core(
        CreateEllipticRgn(g.capCore.left, g.capCore.top, g.capCore.right, g.capCore.bottom));
    FillRgn(dc, core, tools.backgroundBrush);
}

void RenderFace(HDC dc, const FaceGeometry& g, const FaceTexts& texts, const FaceStyle& style)
{
    const DrawTools tools(g, style);
    RenderDial(dc, g, texts, tools);
    RenderHands(dc, g, tools);
}

} // namespace face
