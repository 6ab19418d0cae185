// minimal_clock: the least a ticking round clock window can do, the yardstick
// that scripts/bench runs beside zentim.exe. Whatever this costs under Wine
// is Wine's own share; what zentim.exe costs beyond it is the clock's.
// So it does only what any such clock must: a round 240 x 240 popup, a
// timer on each second boundary, one line moved in an image kept for the
// window's life, one copy of that image to the window. user32 and gdi32
// only, nothing of the clock's code.
#include <windows.h>

#include <cmath>

namespace {

constexpr int kSize = 240;
// Where scripts/bench looks for it, the clock's place on its own screen.
constexpr int kLeft = 100, kTop = 100;
constexpr UINT_PTR kTickTimer = 1;
constexpr COLORREF kDial = RGB(0, 0, 0), kHand = RGB(255, 0, 0);

struct KeptImage {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ bitmapBefore = nullptr;
    HPEN dialPen = nullptr, handPen = nullptr;
    POINT tip{ kSize / 2, kSize / 2 }; // of the hand last drawn
} kept;

// As the clock times its ticks: a few milliseconds past the boundary, so
// that a timer firing a little early still reads the new second.
UINT DelayToNextSecond()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return 1000 - now.wMilliseconds + 3;
}

void MoveHand()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const int centre = kSize / 2;
    const double radius = centre * 0.9;
    const double angle = now.wSecond * 6 * 3.14159265358979 / 180;

    // Painting out the last hand is all the rest of the image needs.
    SelectObject(kept.dc, kept.dialPen);
    MoveToEx(kept.dc, centre, centre, nullptr);
    LineTo(kept.dc, kept.tip.x, kept.tip.y);
    kept.tip = { centre + static_cast<LONG>(std::lround(radius * std::sin(angle))),
                 centre - static_cast<LONG>(std::lround(radius * std::cos(angle))) };
    SelectObject(kept.dc, kept.handPen);
    MoveToEx(kept.dc, centre, centre, nullptr);
    LineTo(kept.dc, kept.tip.x, kept.tip.y);
}

bool MakeKeptImage()
{
    HDC screen = GetDC(nullptr);
    kept.dc = CreateCompatibleDC(screen);
    kept.bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
    ReleaseDC(nullptr, screen);
    kept.dialPen = CreatePen(PS_SOLID, 3, kDial);
    kept.handPen = CreatePen(PS_SOLID, 1, kHand);
    if (!kept.dc || !kept.bitmap || !kept.dialPen || !kept.handPen)
        return false;
    kept.bitmapBefore = SelectObject(kept.dc, kept.bitmap);
    PatBlt(kept.dc, 0, 0, kSize, kSize, BLACKNESS);
    MoveHand();
    return true;
}

void FreeKeptImage()
{
    if (kept.bitmapBefore)
        SelectObject(kept.dc, kept.bitmapBefore);
    DeleteObject(kept.handPen);
    DeleteObject(kept.dialPen);
    DeleteObject(kept.bitmap);
    DeleteDC(kept.dc);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER: {
        MoveHand();
        HDC dc = GetDC(window);
        BitBlt(dc, 0, 0, kSize, kSize, kept.dc, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
        SetTimer(window, kTickTimer, DelayToNextSecond(), nullptr);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        const RECT& r = ps.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, kept.dc, r.left, r.top,
               SRCCOPY);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // the image covers every pixel
    case WM_DESTROY:
        KillTimer(window, kTickTimer);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    if (!MakeKeptImage())
        return 1;

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = L"MinimalClock";
    if (!RegisterClassW(&windowClass))
        return 1;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Minimal clock", WS_POPUP, kLeft,
                                  kTop, kSize, kSize, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    SetWindowRgn(window, CreateEllipticRgn(0, 0, kSize, kSize), FALSE);
    ShowWindow(window, show);
    SetTimer(window, kTickTimer, DelayToNextSecond(), nullptr);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    FreeKeptImage();
    return static_cast<int>(msg.wParam);
}
