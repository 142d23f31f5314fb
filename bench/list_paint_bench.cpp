// Cost of drawing the music list's column header (three columns "序",
// "歌曲名", "路径" at the program's size) and its border, each beside a plain
// BitBlt of a surface of the same size onto the same window in the same run
// (the floor any painter pays). The border is timed on an empty list and on
// a list with enough songs for both scroll strips (a border paint leaves
// them alone; their repaint after a non-client paint is timed apart).
//
//   list_paint_bench.exe [samples]
//
// Fails (exit code 1) when the form cannot be set up, a control was not
// attached or a baseline did not run.
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
#include "skin/windows/apply_skin.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/box_frame.h"
#include "skin/windows/header_painter.h"

using namespace pelorin;
using namespace pelorin::skin;

namespace {

using bench::Stats;
// Every call is timed together with the GDI work it queued.
constexpr auto Time = &bench::TimeFlushed;

// The main window's client size and the music list's place in it.
constexpr int kFormWidth = 380;
constexpr int kFormHeight = 537;
constexpr RECT kMusicList{17, 289, 17 + 345, 289 + 152};

struct Column {
    const wchar_t* text;
    int width;
};
constexpr Column kColumns[] = {{L"序", 50}, {L"歌曲名", 150}, {L"路径", 140}};

// A skinned form of the main window's size with a grey-gradient rendered
// frame, and two music lists: one empty, one with sixty songs.
struct BenchForm : bench::SkinnedBenchForm {
    UniqueFont font;

    bool Create() {
        bench::BenchFormOptions options;
        options.left = 40;
        options.top = 40;
        options.width = kFormWidth * 2;
        options.height = kFormHeight;
        if (!SkinnedBenchForm::Create(options)) return false;
        font.Reset(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体"));
        return true;
    }

    HWND AddMusicList(int dx, int songs) {
        HWND list = AddChild(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE,
                             kMusicList.left + dx, kMusicList.top, kMusicList.right - kMusicList.left,
                             kMusicList.bottom - kMusicList.top);
        ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
        ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        for (int i = 0; i < 3; ++i) {
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.cx = kColumns[i].width;
            column.pszText = const_cast<wchar_t*>(kColumns[i].text);
            column.iSubItem = i;
            ::SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
        }
        for (int i = 0; i < songs; ++i) {
            std::wstring number = std::to_wstring(i + 1);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = number.data();
            ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        return list;
    }
};

struct Row {
    std::string what;
    Stats painter;
    Stats baseline;  // count 0: no baseline for this row
};

void PrintRow(const Row& row) {
    bench::PrintRow(48, row.what, row.painter, row.baseline.count ? &row.baseline : nullptr);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int samples = argc > 1 ? std::max(10, _wtoi(argv[1])) : 300;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    int status = 0;
    {
        skinDefaults.skinControlsEnabled = 1;
        BenchForm form;
        if (!form.Create()) {
            std::fprintf(stderr, "FAILED: cannot set up the skinned form\n");
            Gdiplus::GdiplusShutdown(token);
            return 1;
        }
        HWND empty = form.AddMusicList(0, 0);
        HWND full = form.AddMusicList(kFormWidth, 60);
        AttachListControls(form.index, form.window);
        AttachHeaders(form.index, form.window);
        ::UpdateWindow(form.window);
        HWND header = ListView_GetHeader(empty);
        const std::int32_t headerIndex = FindHeader(form.index, header);
        const std::int32_t emptyIndex = FindListControl(form.index, empty);
        const std::int32_t fullIndex = FindListControl(form.index, full);
        if (!headerIndex || !emptyIndex || !fullIndex) {
            std::fprintf(stderr, "FAILED: the music list or its header was not attached\n");
            Gdiplus::GdiplusShutdown(token);
            return 1;
        }
        RECT headerClient{};
        ::GetClientRect(header, &headerClient);
        const SIZE listSize = WindowSize(empty);

        SurfacePtr headerSized = MemorySurface::Create(headerClient.right, headerClient.bottom);
        SurfacePtr listSized = MemorySurface::Create(listSize.cx, listSize.cy);
        if (!headerSized || !listSized) {
            std::fprintf(stderr, "FAILED: no baseline surfaces\n");
            Gdiplus::GdiplusShutdown(token);
            return 1;
        }
        const Stats headerBlit = bench::TimeBlitOnto(samples, header, bench::DcOf::Client, headerSized->Dc(),
                                                     headerSized->Width(), headerSized->Height());
        const Stats listBlit = bench::TimeBlitOnto(samples, empty, bench::DcOf::Window, listSized->Dc(),
                                                   listSized->Width(), listSized->Height());

        char size[64];
        std::vector<Row> rows;
        std::snprintf(size, sizeof(size), "%ld x %ld", headerClient.right, headerClient.bottom);
        rows.push_back({std::string("DrawHeader, music list, 3 columns, ") + size,
                        Time(samples, [&] { DrawHeader(form.index, headerIndex); }), headerBlit});
        formRegistry[form.index].listViews[headerIndex].mouseInside = true;
        formRegistry[form.index].listViews[headerIndex].hotColumn = 2;
        rows.push_back(
            {"DrawHeader, column 2 hot", Time(samples, [&] { DrawHeader(form.index, headerIndex); }), headerBlit});
        std::snprintf(size, sizeof(size), "%ld x %ld", listSize.cx, listSize.cy);
        rows.push_back({std::string("DrawBoxFrame, empty list, normal, ") + size,
                        Time(samples, [&] { DrawBoxFrame(form.index, emptyIndex, false, false); }), listBlit});
        rows.push_back({"DrawBoxFrame, empty list, focused",
                        Time(samples, [&] { DrawBoxFrame(form.index, emptyIndex, false, true); }), listBlit});
        rows.push_back({"DrawBoxFrame, 60 songs (strips left as they are)",
                        Time(samples, [&] { DrawBoxFrame(form.index, fullIndex, false, false); }), listBlit});
        rows.push_back(
            {"  after a non-client paint: the two strips", Time(samples, [&] { RefreshListStrips(full); }), {}});
        rows.push_back({"  part: header background + release",
                        Time(samples, [&] { ReleaseSurface(BuildControlBackground(header, headerClient)); }),
                        {}});

        std::printf("Pelorin list paint benchmark: %d samples each, same run, same windows\n", samples);
        std::printf("| %-48s | %-17s | %-17s | %-7s |\n", "milliseconds", "painter: med/max", "BitBlt: med/max",
                    "ratio");
        bench::PrintRule({50, 19, 19, 9});
        for (const Row& row : rows) PrintRow(row);
        if (!bench::BaselinesRan({&headerBlit, &listBlit}, "a BitBlt baseline did not run")) status = 1;
        if (!memoryDcList.empty()) {
            std::printf("FAILED: %zu surfaces left in memoryDcList\n", memoryDcList.size());
            status = 1;
        }
        ::DestroyWindow(form.window);
        formRegistry.Remove(form.index);
    }
    Gdiplus::GdiplusShutdown(token);
    return status;
}
