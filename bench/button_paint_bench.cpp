// Cost of painting the skin's buttons: PaintPushButton (normal and hot,
// 80 x 24), PaintCheckBox and DrawGlowText of a four-character caption, each
// beside a plain BitBlt of a surface of the same size onto the same window,
// measured in the same run (the floor any painter pays). The parts of a push
// button paint are timed on their own as well, to show what costs most.
//
//   button_paint_bench.exe [samples]
//
// Fails (exit code 1) when the form cannot be set up or a baseline did not run.
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
#include "graphics/gx_brushes.h"
#include "graphics/gx_font.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_string_format.h"
#include "skin/core/check_glyphs.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"

using namespace pelorin;
using namespace pelorin::skin;

namespace {

using bench::Stats;
using bench::Time;

constexpr int kFormWidth = 320;
constexpr int kFormHeight = 120;
constexpr const wchar_t* kCaption = L"群众笑声";

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

Bytes ReadFile(const std::wstring& path) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return {};
    Bytes bytes(::GetFileSize(file.Get(), nullptr));
    DWORD read = 0;
    if (!bytes.empty() && !::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return {};
    bytes.resize(read);
    return bytes;
}

// A skinned form with a rendered frame of a grey gradient and the shipped
// button frame, as the attach steps would leave it.
struct BenchForm : bench::SkinnedBenchForm {
    bool Create() {
        bench::BenchFormOptions options;
        options.width = kFormWidth;
        options.height = kFormHeight;
        if (!SkinnedBenchForm::Create(options)) return false;
        const Bytes normal = ReadFile(ProgramFolder() + L"\\tp\\通常框.png");
        const Bytes hot = ReadFile(ProgramFolder() + L"\\tp\\兰边框.png");
        FormRecord& record = Record();
        record.hasButtonFrame = !normal.empty() && record.buttonFrame.Load(normal, &hot, nullptr, nullptr, 3, 3);
        return record.hasButtonFrame;
    }

    HWND Add(std::int32_t kind, DWORD style, int x, int y, int w, int h) {
        HWND button = AddChild(L"BUTTON", kCaption, style, 0, x, y, w, h);
        FormRecord& form = Record();
        const std::int32_t list = form.buttons.Take();
        ButtonRecord& record = form.buttons[list];
        record.window = button;
        record.kind = kind;
        record.caption = kCaption;
        record.glowColor = 0x00FF8800;  // as the application sets every button
        SetPropValue(button, prop::kTextColor, 0x00FFFFFF);
        SetPropValue(button, prop::kDisabledTextColor, 0x00606060);
        Register(button, list, ButtonProc);
        return button;
    }
};

struct Row {
    const char* what;
    bench::Stats painter;
    bench::Stats baseline;  // count 0: no baseline for this row
};

void PrintRow(const Row& row) {
    bench::PrintRow(44, row.what, row.painter, row.baseline.count ? &row.baseline : nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int samples = argc > 1 ? std::max(10, _wtoi(argv[1])) : 300;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    int status = 0;
    {
        checkGlyphStrip.Load(LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip));
        BenchForm form;
        if (!form.Create() || checkGlyphStrip.GetFrameCount() != 6) {
            std::fprintf(stderr, "FAILED: cannot set up the skinned form (frame pictures or check glyphs missing)\n");
            Gdiplus::GdiplusShutdown(token);
            return 1;
        }
        HWND push = form.Add(kPushButton, BS_OWNERDRAW, 20, 20, 80, 24);
        HWND box = form.Add(kCheckBox, BS_AUTOCHECKBOX, 20, 60, 120, 20);
        ::SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
        ::UpdateWindow(form.window);

        WindowDc pushDc(push);
        WindowDc boxDc(box);
        SurfacePtr pushSized = MemorySurface::Create(80, 24);
        SurfacePtr boxSized = MemorySurface::Create(120, 20);
        const RECT pushRect{0, 0, 80, 24};
        const Stats pushBlit = bench::TimeBlitOnto(samples, pushDc.Get(), pushSized->Dc(), 80, 24);
        const Stats boxBlit = bench::TimeBlitOnto(samples, boxDc.Get(), boxSized->Dc(), 120, 20);

        std::vector<Row> rows;
        rows.push_back({"PaintPushButton, normal, 80 x 24",
                        Time(samples, [&] { PaintPushButton(push, pushDc.Get(), 0, pushRect); }), pushBlit});
        rows.push_back({"PaintPushButton, hot (starts the fade), 80 x 24",
                        Time(samples, [&] { PaintPushButton(push, pushDc.Get(), ODS_HOTLIGHT, pushRect); }), pushBlit});
        CancelFades();
        rows.push_back({"PaintCheckBox, checked, 120 x 20", Time(samples, [&] { PaintCheckBox(box, 0); }), boxBlit});
        rows.push_back({"PaintCheckBox, animation frame 4, 120 x 20",
                        Time(samples, [&] { PaintCheckBox(box, 0, true, 4); }), boxBlit});

        // DrawGlowText alone, on a graphics object made once.
        SurfacePtr glowTarget = MemorySurface::Create(80, 24);
        Stats glow;
        {
            GxGraphics graphics;
            graphics.CreateFromHDC(glowTarget->Dc());
            GlowTextOptions options;
            options.horizontalAlign = Gdiplus::StringAlignmentCenter;
            options.verticalAlign = Gdiplus::StringAlignmentCenter;
            glow = Time(samples, [&] {
                DrawGlowText(graphics, kCaption, GxRectF(0, 0, 80, 26), 0x00FFFFFF, 0x00FF8800, options);
                graphics.Flush(Gdiplus::FlushIntentionSync);
            });
        }
        rows.push_back({"DrawGlowText, four characters, 80 x 24", glow, pushBlit});

        // The parts of a push-button paint.
        const auto background = [&] { ReleaseSurface(BuildControlBackground(push, pushRect)); };
        rows.push_back({"  part: BuildControlBackground + ReleaseSurface", Time(samples, background), {}});
        const auto makeGraphics = [&] {
            GxGraphics graphics;
            graphics.CreateFromHDC(pushSized->Dc());
        };
        rows.push_back({"  part: graphics on the surface, made + gone", Time(samples, makeGraphics), {}});
        {
            GxGraphics graphics;
            graphics.CreateFromHDC(pushSized->Dc());
            NineSliceFrame& frame = formRegistry[form.index].buttonFrame;
            frame.SetBounds(0, 0, 80, 24);
            const auto drawFrame = [&] {
                frame.DrawNormal(graphics);
                graphics.Flush(Gdiplus::FlushIntentionSync);
            };
            rows.push_back({"  part: nine-slice frame (nine PNG decodes)", Time(samples, drawFrame), {}});
            GxFont font;
            GxSolidBrush brush;
            GxStringFormat format;
            font.CreateFontByName(L"宋体", 12, 0, Gdiplus::UnitPixel);
            brush.Create(0xFFFFFFFF);
            format.Create();
            format.SetAlign(Gdiplus::StringAlignmentCenter);
            format.SetLineAlign(Gdiplus::StringAlignmentCenter);
            const auto plainCaption = [&] {
                graphics.DrawString(kCaption, font, brush, GxRectF(0, 2, 80, 24), format);
                graphics.Flush(Gdiplus::FlushIntentionSync);
            };
            rows.push_back({"  part: plain caption (DrawString)", Time(samples, plainCaption), {}});
            const auto glyph = [&] {
                GxBitmap cell;
                cell.LoadFromBytes(checkGlyphStrip.GetFramePng(kGlyphSmallCheck));
                graphics.DrawImageRect(cell, 0, 2, 21, 16);
                graphics.Flush(Gdiplus::FlushIntentionSync);
            };
            rows.push_back({"  part: one check glyph, decoded + drawn", Time(samples, glyph), {}});
        }
        const auto frameCopy = [&] { CopyToFrameCopy(push, pushSized->Dc()); };
        rows.push_back({"  part: CopyToFrameCopy", Time(samples, frameCopy), {}});

        std::printf("Pelorin button paint benchmark: %d samples each, same run, same window\n", samples);
        std::printf("| %-44s | %-17s | %-17s | %-7s |\n", "milliseconds", "painter: med/max", "BitBlt: med/max",
                    "ratio");
        bench::PrintRule({46, 19, 19, 9});
        for (const Row& row : rows) PrintRow(row);
        if (!bench::BaselinesRan({&pushBlit, &boxBlit}, "a BitBlt baseline did not run")) status = 1;
        if (!memoryDcList.empty()) {
            std::printf("FAILED: %zu surfaces left in memoryDcList\n", memoryDcList.size());
            status = 1;
        }
        CancelFades();
        ::DestroyWindow(form.window);
        formRegistry.Remove(form.index);
    }
    Gdiplus::GdiplusShutdown(token);
    return status;
}
