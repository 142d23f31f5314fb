// Cost of painting the skin's slider, edit frame and scroll strip:
// PaintSlider (344 x 16, pictures and vector look), PaintEditFrame and
// PaintScrollStripVertical, each beside a plain BitBlt of a surface of the
// same size onto the same window in the same run (the floor any painter
// pays). Parts of each painter are timed on their own as well, to show which
// costs most.
//
//   control_paint_bench.exe [samples]
//
// Fails (exit code 1) when the form cannot be set up or a baseline did not run.
#include <windows.h>
#include <commctrl.h>
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
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/slider_pictures.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"

using namespace pelorin;
using namespace pelorin::skin;

namespace {

using bench::Stats;
using bench::Time;

constexpr int kFormWidth = 460;
constexpr int kFormHeight = 260;

// A skinned form with a rendered frame of a grey gradient, as the attach
// steps would leave it, and its controls registered by hand.
struct BenchForm : bench::SkinnedBenchForm {
    bool Create() {
        bench::BenchFormOptions options;
        options.width = kFormWidth;
        options.height = kFormHeight;
        return SkinnedBenchForm::Create(options);
    }

    std::int32_t AddSlider(int y, bool pictures) {
        HWND slider = AddChild(TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_NOTICKS, 0, 20, y, 344, 16);
        ::SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        ::SendMessageW(slider, TBM_SETPOS, TRUE, 60);
        FormRecord& form = Record();
        const std::int32_t list = form.sliders.Take();
        form.sliders[list].window = slider;
        form.sliders[list].tickPlacement = 3;
        if (pictures && !LoadSliderPictures(form.sliders[list], LoadEmbeddedPicture(EmbeddedPicture::SliderThumb),
                                            LoadEmbeddedPicture(EmbeddedPicture::SliderChannelGrey),
                                            LoadEmbeddedPicture(EmbeddedPicture::SliderChannelBlue)))
            return 0;
        Register(slider, list, SliderProc);
        return list;
    }

    HWND AddEdit() {
        HWND edit = AddChild(L"Edit", L"", ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE, 20, 80, 240, 150);
        std::wstring text;
        for (int i = 0; i < 60; ++i) text += L"line " + std::to_wstring(i) + L"\r\n";
        ::SetWindowTextW(edit, text.c_str());
        FormRecord& form = Record();
        const std::int32_t list = form.edits.Take();
        form.edits[list].window = edit;
        SetPropValue(edit, prop::kFormIndex, index);
        SetPropValue(edit, prop::kListIndex, list);
        form.edits[list].vStrip = CreateScrollStrip(edit, true, true);
        Register(edit, list, EditProc);
        return edit;
    }
};

struct Row {
    std::string what;
    Stats painter;
    Stats baseline;  // count 0: a part, no baseline of its own
};

void PrintRow(const Row& row) {
    bench::PrintRow(46, row.what, row.painter, row.baseline.count ? &row.baseline : nullptr);
}

SIZE SizeOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// The floor: one BitBlt of a same-size surface onto the same window.
Stats BlitBaseline(int samples, HWND window, bool windowDc) {
    const SIZE size = SizeOf(window);
    SurfacePtr surface = MemorySurface::Create(size.cx, size.cy);
    if (!surface) return {};
    return bench::TimeBlitOnto(samples, window, windowDc ? bench::DcOf::Window : bench::DcOf::Client, surface->Dc(),
                               size.cx, size.cy);
}

// Building and releasing the control's background surface.
Stats BackgroundPart(int samples, HWND window) {
    const SIZE size = SizeOf(window);
    return Time(samples, [&] { ReleaseSurface(BuildControlBackground(window, RECT{0, 0, size.cx, size.cy})); });
}

// A graphics object on a same-size surface, with `draw` run on it.
Stats GraphicsPart(int samples, HWND window, const std::function<void(GxGraphics&)>& draw) {
    const SIZE size = SizeOf(window);
    SurfacePtr surface = MemorySurface::Create(size.cx, size.cy);
    if (!surface) return {};
    return Time(samples, [&] {
        GxGraphics g;
        if (!g.CreateFromHDC(surface->Dc())) return;
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        draw(g);
    });
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int samples = argc > 1 ? std::max(10, _wtoi(argv[1])) : 300;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    int status = 0;
    {
        BenchForm form;
        std::int32_t pictured = 0, vector = 0;
        HWND edit = nullptr;
        if (form.Create()) {
            pictured = form.AddSlider(20, true);
            vector = form.AddSlider(50, false);
            edit = form.AddEdit();
        }
        HWND strip = edit ? formRegistry[form.index].edits[1].vStrip : nullptr;
        if (!pictured || !vector || !strip) {
            std::fprintf(stderr, "FAILED: cannot set up the skinned form (pictures, slider, edit or strip missing)\n");
            Gdiplus::GdiplusShutdown(token);
            return 1;
        }
        ::UpdateWindow(form.window);
        FormRecord& record = formRegistry[form.index];
        SliderRecord& slider = record.sliders[pictured];
        HWND sliderWindow = slider.window;
        const SIZE stripSize = SizeOf(strip);
        const Bytes chevron = LoadEmbeddedPicture(EmbeddedPicture::ScrollDown);

        std::vector<Row> rows;
        const Stats sliderBlit = BlitBaseline(samples, sliderWindow, true);
        rows.push_back(
            {"PaintSlider 344x16, pictures", Time(samples, [&] { PaintSlider(form.index, pictured); }), sliderBlit});
        rows.push_back(
            {"PaintSlider 344x16, vector look", Time(samples, [&] { PaintSlider(form.index, vector); }), sliderBlit});
        rows.push_back({"  part: background surface", BackgroundPart(samples, sliderWindow), {}});
        rows.push_back(
            {"  part: a graphics object, nothing drawn", GraphicsPart(samples, sliderWindow, [](GxGraphics&) {}), {}});
        {
            SurfacePtr sized = MemorySurface::Create(344, 16);
            rows.push_back(
                {"  part: CopyToFrameCopy", Time(samples, [&] { CopyToFrameCopy(sliderWindow, sized->Dc()); }), {}});
        }
        rows.push_back({"  part: the three nine-slice pictures",
                        GraphicsPart(samples, sliderWindow,
                                     [&](GxGraphics& g) {
                                         slider.channelFrame.SetBounds(9, 6, 326, 4);
                                         slider.channelFrame.DrawNormal(g);
                                         slider.filledFrame.SetBounds(9, 6, 200, 4);
                                         slider.filledFrame.DrawNormal(g);
                                         slider.thumbFrame.SetBounds(200, 0, 11, 16);
                                         slider.thumbFrame.DrawNormal(g);
                                     }),
                        {}});

        const Stats editBlit = BlitBaseline(samples, edit, true);
        rows.push_back({"PaintEditFrame 240x150, client edge",
                        Time(samples, [&] { PaintEditFrame(edit, false, false); }), editBlit});
        rows.push_back(
            {"PaintEditFrame 240x150, hot", Time(samples, [&] { PaintEditFrame(edit, false, true); }), editBlit});
        rows.push_back({"  part: background surface", BackgroundPart(samples, edit), {}});

        const Stats stripBlit = BlitBaseline(samples, strip, false);
        const std::string stripName =
            "PaintScrollStrip " + std::to_string(stripSize.cx) + "x" + std::to_string(stripSize.cy) + ", vertical";
        rows.push_back({stripName, Time(samples, [&] { PaintScrollStripVertical(edit, kStripNone); }), stripBlit});
        rows.push_back({stripName + ", lower arrow hot",
                        Time(samples, [&] { PaintScrollStripVertical(edit, kStripSecondArrow); }), stripBlit});
        rows.push_back({"  part: background surface", BackgroundPart(samples, strip), {}});
        rows.push_back({"  part: decode and draw one 14x14 chevron",
                        GraphicsPart(samples, strip,
                                     [&](GxGraphics& g) {
                                         GxBitmap b;
                                         if (b.LoadFromBytes(chevron)) g.DrawImageRectI(b, 1, 2, 14, 14);
                                     }),
                        {}});

        std::printf("Control painters, %d samples each, milliseconds (baseline: BitBlt of a same-size surface)\n\n",
                    samples);
        std::printf("| %-46s | %7s | %7s | %7s | %7s | %7s |\n", "painter", "median", "worst", "blit md", "blit wst",
                    "ratio");
        bench::PrintRule({48, 9, 9, 9, 9, 9});
        for (const Row& row : rows) {
            PrintRow(row);
            if (row.painter.count == 0) status = 1;
        }
        if (!bench::BaselinesRan({&sliderBlit, &editBlit, &stripBlit}, "a baseline did not run", stderr)) status = 1;
        ::DestroyWindow(form.window);
    }
    Gdiplus::GdiplusShutdown(token);
    return status;
}
