// Cost of drawing a skinned form's frame: a full RenderFrame of 380 x 537 with
// the embedded 440 x 440 JPEG stretched (mode 3), PresentFrame, and one
// caption-button fade step (DrawCaptionButton with an overlay, copied to the
// window), each beside a BitBlt of a 380 x 537 surface onto the same window
// measured in the same run. The pieces of a full render are timed alone too:
// picture decode, stretch, tint, outline, caption text, caption buttons.
//
//   frame_render_bench.exe [samples]
//
// Fails (exit code 1) when the form cannot be set up or the baseline did not run.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "base/handle.h"
#include "bench_support.h"
#include "graphics/gx_bitmap.h"
#include "graphics/gx_graphics.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/windows/frame_parts.h"
#include "skin/windows/frame_render.h"

using namespace pelorin;
using namespace pelorin::skin;

namespace {

using bench::Stats;
// Every call is timed together with the GDI work it queued.
constexpr auto Time = &bench::TimeFlushed;

constexpr int kWidth = 380;
constexpr int kHeight = 537;

CaptionButton MakeButton(std::int32_t kind, EmbeddedPicture picture) {
    CaptionButton button;
    button.kind = kind;
    button.width = kind == kCaptionClose ? 38 : 26;
    button.picture = LoadEmbeddedPicture(picture);
    return button;
}

// The main window's frame as the skin is applied to it: title area 110 high,
// the "更多功能" button, minimise and close, the caption text with its halo.
struct BenchForm : bench::SkinnedBenchForm {
    bool Create() {
        bench::BenchFormOptions options;
        options.title = L"Pelorin MINI版";
        options.width = kWidth;
        options.height = kHeight;
        options.style = WS_POPUP | WS_VISIBLE;
        options.exStyle = WS_EX_TOOLWINDOW;
        options.gradientFrame = false;  // rendered by the bench
        if (!SkinnedBenchForm::Create(options)) return false;
        FormRecord& form = Record();
        form.titleHeight = 110;
        form.resizable = false;
        form.hasOwnIcon = true;
        form.backgroundAlpha = 100;
        form.captionButtons.push_back(MakeButton(kCaptionCustom, EmbeddedPicture::CaptionMore));
        form.captionButtons.push_back(MakeButton(kCaptionMinimize, EmbeddedPicture::CaptionMinimize));
        form.captionButtons.push_back(MakeButton(kCaptionClose, EmbeddedPicture::CaptionClose));
        form.captionStripWidth = 26 + 26 + 38 + 2 + 3;
        form.captionStripLeft = kWidth - form.captionStripWidth + 1;
        for (std::size_t i = 0; i < form.captionButtons.size(); ++i) {
            CaptionButton& b = form.captionButtons[i];
            const int left = form.captionStripLeft + 2 + static_cast<int>(i) * 27;
            b.rect = RECT{left, 1, left + (b.kind == kCaptionClose ? 40 : 26), 19};
        }
        return !skinDefaults.skinBackgroundPicture.empty();
    }
};

struct Row {
    const char* what;
    Stats measured;
    bool withBaseline;
};

void PrintRow(const Row& row, const Stats& baseline) {
    bench::PrintRow(50, row.what, row.measured, row.withBaseline ? &baseline : nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int samples = argc > 1 ? std::max(10, _wtoi(argv[1])) : 100;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    int status = 0;
    {
        skinDefaults.frameBorderWidth = 3;
        skinDefaults.skinBackgroundColor = 0x00A08060;
        skinDefaults.skinBackgroundPicture = LoadEmbeddedPicture(EmbeddedPicture::Background);
        skinDefaults.skinPictureMode = 3;
        BenchForm benchForm;
        if (!benchForm.Create()) {
            std::fprintf(stderr, "FAILED: cannot set up the skinned form (window or background picture missing)\n");
            Gdiplus::GdiplusShutdown(token);
            return 1;
        }
        const std::int32_t form = benchForm.index;
        ::UpdateWindow(benchForm.window);
        RenderFrame(form, nullptr, true);

        // The baseline: a plain copy of a surface of the frame's size onto the window.
        SurfacePtr plain = MemorySurface::Create(kWidth, kHeight);
        const Stats blit =
            bench::TimeBlitOnto(samples, benchForm.window, bench::DcOf::Client, plain->Dc(), kWidth, kHeight);

        std::vector<Row> rows;
        rows.push_back({"RenderFrame, presented (region, present)",
                        Time(samples, [&] { RenderFrame(form, nullptr, true); }), true});
        rows.push_back({"RenderFrame, off screen", Time(samples, [&] { RenderFrame(form, nullptr, false); }), true});
        rows.push_back({"PresentFrame", Time(samples, [&] { PresentFrame(form); }), true});
        const auto fadeStep = [&](bool onPixels) {
            return [&, onPixels] {
                static int step = 0;
                step = (step + 1) % 8;
                const std::int32_t opacity = 30 + step * 30;
                if (onPixels) {
                    SurfaceCanvas canvas(*formRegistry[form].frameBuffer);
                    DrawCaptionButton(form, 3, canvas.Graphics(), false, false, opacity);
                } else {
                    GxGraphics graphics;
                    graphics.CreateFromHDC(formRegistry[form].frameBuffer->Dc());
                    DrawCaptionButton(form, 3, graphics, false, false, opacity);
                }
            };
        };
        rows.push_back({"fade step: DrawCaptionButton close, overlay, shown", Time(samples, fadeStep(true)), true});
        rows.push_back({"  the same with a graphics object on the DC", Time(samples, fadeStep(false)), true});

        // The pieces of a full render, each alone on a surface of the frame's size.
        SurfacePtr target = MemorySurface::Create(kWidth, kHeight);
        SurfaceCanvas canvas(*target);
        GxGraphics& graphics = canvas.Graphics();
        FormRecord& record = formRegistry[form];
        rows.push_back({"  part: four surfaces made (buffer, caches, copy)",
                        Time(samples,
                             [&] {
                                 SurfacePtr a = MemorySurface::Create(kWidth, kHeight);
                                 SurfacePtr b = MemorySurface::Create(kWidth, kHeight);
                                 SurfacePtr c = MemorySurface::Create(kWidth, record.titleHeight);
                                 ::BitBlt(b->Dc(), 0, 0, kWidth, kHeight, a->Dc(), 0, 0, SRCCOPY);
                                 ::BitBlt(c->Dc(), 0, 0, kWidth, record.titleHeight, a->Dc(), 0, 0, SRCCOPY);
                             }),
                        false});
        rows.push_back({"  part: JPEG 440 x 440 decoded",
                        Time(samples,
                             [&] {
                                 GxBitmap picture;
                                 picture.LoadFromBytes(skinDefaults.skinBackgroundPicture);
                                 picture.GetWidth();
                             }),
                        false});
        GxBitmap decoded;
        decoded.LoadFromBytes(skinDefaults.skinBackgroundPicture);
        rows.push_back({"  part: stretched to 380 x 537 (mode 3, GDI halftone)",
                        Time(samples,
                             [&] {
                                 PlacePicture(target->Dc(), graphics, decoded, 3, kWidth, kHeight);
                                 graphics.Flush(Gdiplus::FlushIntentionSync);
                             }),
                        false});
        rows.push_back({"  (for comparison: GDI+ bilinear, as for a PNG)",
                        Time(samples,
                             [&] {
                                 graphics.DrawImageRect(decoded, 0, 0, kWidth, kHeight);
                                 graphics.Flush(Gdiplus::FlushIntentionSync);
                             }),
                        false});
        rows.push_back({"  part: background whole (fill, decode, stretch, tint)",
                        Time(samples,
                             [&] {
                                 DrawFrameBackground(record, target->Dc(), graphics, kWidth, kHeight);
                                 graphics.Flush(Gdiplus::FlushIntentionSync);
                             }),
                        false});
        rows.push_back({"  part: outline, two rings",
                        Time(samples,
                             [&] {
                                 DrawFrameOutline(graphics, kWidth, kHeight);
                                 graphics.Flush(Gdiplus::FlushIntentionSync);
                             }),
                        false});
        SurfaceCanvas onBuffer(*record.frameBuffer);
        rows.push_back({"  part: caption text with halo, off screen",
                        Time(samples, [&] { DrawCaptionText(form, onBuffer.Graphics(), true); }), false});
        rows.push_back({"  part: three caption buttons, normal, off screen",
                        Time(samples,
                             [&] {
                                 for (std::int32_t i = 1; i <= 3; ++i)
                                     DrawCaptionButton(form, i, onBuffer.Graphics(), true, false, 0);
                             }),
                        false});
        rows.push_back({"  part: region (SetWindowRgn + SetWindowPos)",
                        Time(samples,
                             [&] {
                                 ::SetWindowRgn(benchForm.window, nullptr, FALSE);
                                 ::SetWindowPos(benchForm.window, nullptr, 0, 0, 0, 0,
                                                SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                                 ::SetWindowRgn(benchForm.window,
                                                ::CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 5, 5), TRUE);
                             }),
                        false});

        std::printf("Pelorin frame render benchmark: %d samples each, same run, same 380 x 537 window\n", samples);
        std::printf("| %-50s | %-17s | %-17s | %-7s |\n", "milliseconds", "measured: med/max", "BitBlt: med/max",
                    "ratio");
        bench::PrintRule({52, 19, 19, 9});
        for (const Row& row : rows) PrintRow(row, blit);
        if (!bench::BaselinesRan({&blit}, "the BitBlt baseline did not run")) status = 1;
        ::DestroyWindow(benchForm.window);
        formRegistry.Remove(form);
    }
    Gdiplus::GdiplusShutdown(token);
    return status;
}
