// zentim_bench: how long one clock-face frame takes, printed as one JSON
// object a line for scripts/bench to read.
//   kept   - ComputeFaceGeometry and FaceCanvas::Draw, as each tick draws:
//            the kept dial copied and the hands drawn over it, the tools and
//            the dial made again only when they change (the panel's time,
//            once a minute);
//   smooth - the smooth face's tick, as each tick draws it: both
//            geometries and SmoothCanvas::Draw, the kept dial copied and the
//            hands anti-aliased over it;
//   render - ComputeFaceGeometry and RenderFace into a memory DC of the
//            screen's format, pens, brushes and fonts made and deleted in
//            each frame: a face from nothing, as a new size or style needs;
//   window - the whole CZentimDlg::DrawClock on a real, shown clock window,
//            and the queue run empty after it, which is when Wine puts the
//            window's pixels on the X screen; "smooth window" the same with
//            the smooth face, its layered window updated each frame.
// Each figure is the median over batches of the time per frame in the batch.
// Arguments: --quick for fewer batches; or --smooth-frame SIZE FILE, which
// writes one smooth frame (premultiplied RGBA, as a PAM file) for the
// README's pictures of it over a wallpaper.
#include "support.h"

#include "face/clock_time.h"
#include "face/face_canvas.h"
#include "face/face_renderer.h"
#include "face/smooth_canvas.h"
#include "framework/gdi.h"
#include "framework/winapp.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

class CBenchApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
} theBenchApp;

double Seconds()
{
    static LARGE_INTEGER frequency;
    if (frequency.QuadPart == 0)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Figures {
    double median, fastest, slowest; // microseconds per frame, over batches
    int batches, frames;
};

// Runs frame(i) in batches sized to take about batchMs each.
Figures Measure(const std::function<void(int)>& frame, int batchCount, double batchMs)
{
    int next = 0;
    const double warmStart = Seconds();
    while (Seconds() - warmStart < 0.1 || next < 20)
        frame(next++);
    const double perFrame = (Seconds() - warmStart) / next;
    const int batchSize = std::max(10, static_cast<int>(batchMs / 1000 / perFrame));

    std::vector<double> perBatch;
    for (int b = 0; b < batchCount; ++b) {
        const double start = Seconds();
        for (int i = 0; i < batchSize; ++i)
            frame(next++);
        GdiFlush();
        perBatch.push_back((Seconds() - start) * 1e6 / batchSize);
    }
    std::sort(perBatch.begin(), perBatch.end());
    const size_t n = perBatch.size();
    const double median = n % 2 ? perBatch[n / 2] : (perBatch[n / 2 - 1] + perBatch[n / 2]) / 2;
    return { median, perBatch.front(), perBatch.back(), batchCount, batchCount * batchSize };
}

void Print(const char* what, int size, const char* scene, const Figures& f)
{
    std::printf("{\"what\": \"%s\", \"size\": %d, \"scene\": \"%s\", \"us_per_frame\": %.2f, "
                "\"fastest_batch\": %.2f, \"slowest_batch\": %.2f, \"batches\": %d, "
                "\"frames\": %d}\n",
                what, size, scene, f.median, f.fastest, f.slowest, f.batches, f.frames);
    std::fflush(stdout);
}

struct Scene {
    const char* name;
    std::string up, down;
    bool panel;
};

// The face without settings, and with both texts and the panel.
const Scene kScenes[] = { { "bare", "", "", false }, { "texts+panel", "Office", "Quartz", true } };
const int kSizes[] = { 240, 800 };

// The hands sweep through every second and minute so that no frame is a
// repeat of the last.
timekeeping::ClockTime TimeOfFrame(int i)
{
    return { i, true, (i / 3600) % 24, (i / 60) % 60, i % 60, 0 };
}

void BenchRender(int batches)
{
    const CClientDC screen(nullptr);
    for (const int size : kSizes) {
        const CMemDC dc(screen);
        const face::Size imageSize = face::OffscreenImageSize(size, size);
        const CBitmap image(CreateCompatibleBitmap(screen, imageSize.width, imageSize.height));
        CSelectObject select(dc, image);
        for (const Scene& s : kScenes) {
            const Figures f = Measure(
                [&](int i) {
                    const timekeeping::ClockTime t = TimeOfFrame(i);
                    const face::FaceGeometry g =
                        face::ComputeFaceGeometry(size, size, t.hour, t.minute, t.second);
                    face::RenderFace(dc, g, { s.up, s.down, face::FormatTimeText(t), s.panel }, {});
                },
                batches, 50);
            Print("render", size, s.name, f);
        }
    }
}

void BenchKept(int batches)
{
    const CClientDC screen(nullptr);
    for (const int size : kSizes) {
        for (const Scene& s : kScenes) {
            face::FaceCanvas canvas;
            const Figures f = Measure(
                [&](int i) {
                    const timekeeping::ClockTime t = TimeOfFrame(i);
                    const face::FaceGeometry g =
                        face::ComputeFaceGeometry(size, size, t.hour, t.minute, t.second);
                    canvas.Draw(screen, g, { s.up, s.down, face::FormatTimeText(t), s.panel }, {});
                },
                batches, 50);
            Print("kept", size, s.name, f);
        }
    }
}

void BenchSmooth(int batches)
{
    for (const int size : kSizes) {
        for (const Scene& s : kScenes) {
            face::SmoothCanvas canvas;
            const Figures f = Measure(
                [&](int i) {
                    const timekeeping::ClockTime t = TimeOfFrame(i);
                    const face::SmoothFaceGeometry smooth =
                        face::ComputeSmoothFaceGeometry(size, size, t.hour, t.minute, t.second);
                    const face::FaceGeometry classic =
                        face::ComputeFaceGeometry(size, size, t.hour, t.minute, t.second);
                    canvas.Draw(smooth, classic, { s.up, s.down, face::FormatTimeText(t), s.panel },
                                {});
                },
                batches, 50);
            Print("smooth", size, s.name, f);
        }
    }
}

// The smooth face with texts, panel and date at 10:08:36, as the program
// draws it, its colours premultiplied by its alpha.
void WriteSmoothFrame(int size, const char* file)
{
    const timekeeping::ClockTime t{ 0, true, 10, 8, 36, 0 };
    face::SmoothCanvas canvas;
    canvas.Draw(face::ComputeSmoothFaceGeometry(size, size, t.hour, t.minute, t.second),
                face::ComputeFaceGeometry(size, size, t.hour, t.minute, t.second),
                { "Zentim", "Quartz", face::FormatTimeText(t), true, "Mon 7" }, {});
    const face::PixelImage& frame = canvas.Frame();
    FILE* out = std::fopen(file, "wb");
    if (out == nullptr)
        return;
    std::fprintf(out, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n",
                 frame.Width(), frame.Height());
    for (int i = 0; i < frame.Width() * frame.Height(); ++i) {
        const std::uint32_t p = frame.Pixels()[i];
        const unsigned char rgba[4] = { static_cast<unsigned char>(p >> 16),
                                        static_cast<unsigned char>(p >> 8),
                                        static_cast<unsigned char>(p),
                                        static_cast<unsigned char>(p >> 24) };
        std::fwrite(rgba, 1, 4, out);
    }
    std::fclose(out);
}

void RunQueueEmpty()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Run in a folder of its own (scripts/bench sees to it), so that no
// zentim.ini moves the window.
void BenchWindow(int batches)
{
    for (const bool smooth : { false, true }) {
        for (const int size : kSizes) {
            CZentimDlg dlg;
            wintest::RunAsMainWindow(dlg, [&] {
                settings::ClockSettings values = dlg.Settings();
                values.m_bSmoothFace = smooth;
                dlg.ApplySettings(values);
                // The window's new size gets its round face.
                SetWindowPos(dlg.m_hWnd, nullptr, 20, 20, size, size,
                             SWP_NOZORDER | SWP_NOACTIVATE);
                wintest::PumpFor(200);
                const Figures f = Measure(
                    [&](int) {
                        dlg.DrawClock();
                        RunQueueEmpty();
                    },
                    batches, 100);
                Print(smooth ? "smooth window" : "window", size, "bare", f);
            });
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--smooth-frame") == 0) {
        WriteSmoothFrame(std::atoi(argv[2]), argv[3]);
        return 0;
    }
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    InitCommonControls();
    std::printf("{\"what\": \"build\", \"pointer_bits\": %d}\n",
                static_cast<int>(sizeof(void*) * 8));
    BenchKept(quick ? 8 : 40);
    BenchSmooth(quick ? 8 : 40);
    BenchRender(quick ? 8 : 40);
    BenchWindow(quick ? 5 : 20);
    return 0;
}
