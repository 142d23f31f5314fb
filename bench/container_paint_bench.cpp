// Cost of drawing the main window's containers: its six group boxes
// (分组框1..6 at their layout places and sizes, with their captions), the
// music list's column header ("序", "歌曲名", "路径") and border, and the
// about label with its glow, each beside a plain BitBlt of a surface of the
// same size onto the same window in the same run (the floor any painter
// pays). Goal: each painter under 2 ms median.
//
//   container_paint_bench.exe [samples]
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
#include <map>
#include <string>
#include <vector>

#include "app/layout.h"
#include "base/handle.h"
#include "base/text.h"
#include "bench_support.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/box_frame.h"
#include "skin/windows/container.h"
#include "skin/windows/header_painter.h"
#include "skin/windows/label.h"

using namespace pelorin;
using namespace pelorin::skin;

namespace {

using bench::Stats;

constexpr double kGoalMs = 2.0;

// A skinned form of the main window's size with a grey-gradient rendered
// frame, and the layout's group boxes, music list and label on it.
struct BenchForm : bench::SkinnedBenchForm {
    UniqueFont font;
    std::map<int, HWND> controls;  // by ControlId

    bool Create() {
        bench::BenchFormOptions options;
        options.left = 40;
        options.top = 40;
        options.width = kMainWindowWidth;
        options.height = kExpandedHeight;
        options.style = WS_POPUP | WS_VISIBLE;
        if (!SkinnedBenchForm::Create(options)) return false;
        Record().isActive = true;
        font.Reset(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体"));
        return true;
    }

    HWND Parent(ControlId id) const {
        const auto found = controls.find(id);
        return found != controls.end() ? found->second : window;
    }

    // The group boxes, the music list and the label of the layout table.
    void AddControls() {
        for (const ControlLayout& c : MainWindowLayout()) {
            const wchar_t* className = nullptr;
            DWORD style = 0, exStyle = 0;
            std::wstring caption = c.caption ? c.caption : AboutText();
            switch (c.kind) {
                case ControlKind::GroupBox: className = L"BUTTON", style = BS_GROUPBOX; break;
                case ControlKind::ListView:
                    className = WC_LISTVIEWW, style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                    exStyle = WS_EX_CLIENTEDGE;
                    break;
                case ControlKind::Label: className = L"STATIC"; break;
                default: continue;
            }
            HWND control = AddChild(className, caption.c_str(), style, exStyle, c.left, c.top, c.width, c.height,
                                    Parent(c.parent), c.id);
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
            controls[c.id] = control;
        }
        HWND list = Parent(kMusicList);
        ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        int i = 0;
        for (const MusicListColumn& column : kMusicListColumns) {
            LVCOLUMNW lv{};
            lv.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            lv.cx = column.width;
            lv.pszText = const_cast<wchar_t*>(column.header);
            lv.iSubItem = i;
            ::SendMessageW(list, LVM_INSERTCOLUMNW, i++, reinterpret_cast<LPARAM>(&lv));
        }
    }
};

struct Row {
    std::string what;
    Stats painter;
    Stats baseline;
};

void PrintRow(const Row& row) {
    std::printf("| %-44s | %7.3f | %7.3f | %7.3f | %7.3f | %6.1fx | %-4s |\n", row.what.c_str(), row.painter.median,
                row.painter.worst, row.baseline.median, row.baseline.worst,
                row.painter.median / std::max(row.baseline.median, 1e-6), row.painter.median < kGoalMs ? "ok" : "OVER");
}

// A BitBlt of a surface of the window's client size onto the window.
Stats BlitBaseline(int samples, HWND target) {
    RECT client{};
    ::GetClientRect(target, &client);
    SurfacePtr surface = MemorySurface::Create(client.right, client.bottom);
    if (!surface) return {};
    return bench::TimeBlitOnto(samples, target, bench::DcOf::Client, surface->Dc(), surface->Width(),
                               surface->Height());
}

std::string Narrow(const std::wstring& text) { return ToUtf8(text); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int samples = argc > 1 ? std::max(10, _wtoi(argv[1])) : 300;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
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
        form.AddControls();
        const ControlId groups[] = {kGroup1, kGroup2, kGroup3, kGroup4, kGroup5, kGroup6};
        for (ControlId id : groups) AttachContainer(form.Parent(id));
        HWND label = form.Parent(kLabel1);
        LabelSettings labelSettings;
        labelSettings.textColor = 0x00FFFFFF;
        labelSettings.glowColor = 0x00FF8800;
        SkinLabel(label, labelSettings);
        ::UpdateWindow(form.window);

        HWND list = form.Parent(kMusicList);
        HWND header = ListView_GetHeader(list);
        const std::int32_t headerIndex = FindHeader(form.index, header);
        const std::int32_t listIndex = FindListControl(form.index, list);
        const std::int32_t labelIndex = FindLabel(form.index, label);
        bool attached = headerIndex && listIndex && labelIndex;
        for (ControlId id : groups) attached = attached && FindContainer(form.index, form.Parent(id));
        if (!attached) {
            std::fprintf(stderr, "FAILED: a group box, the music list, its header or the label was not attached\n");
            Gdiplus::GdiplusShutdown(token);
            return 1;
        }

        std::vector<Row> rows;
        bool baselinesRan = true;
        const auto add = [&](const std::string& what, HWND target, bool windowDc, const std::function<void()>& paint) {
            Stats baseline;
            if (windowDc) {
                const SIZE size = WindowSize(target);
                SurfacePtr surface = MemorySurface::Create(size.cx, size.cy);
                if (surface)
                    baseline = bench::TimeBlitOnto(samples, target, bench::DcOf::Window, surface->Dc(),
                                                   surface->Width(), surface->Height());
            } else {
                baseline = BlitBaseline(samples, target);
            }
            if (!bench::BaselinesRan({&baseline}, ("the BitBlt baseline of \"" + what + "\" did not run").c_str())) {
                baselinesRan = false;
                return;
            }
            rows.push_back({what, bench::TimeFlushed(samples, paint), baseline});
        };
        char size[64];
        for (const ControlLayout& c : MainWindowLayout()) {
            if (c.kind != ControlKind::GroupBox) continue;
            HWND box = form.Parent(c.id);
            const std::int32_t index = FindContainer(form.index, box);
            std::snprintf(size, sizeof(size), ", %d x %d", c.width, c.height);
            add("DrawContainer, " + Narrow(c.name) + size, box, false,
                [&form, index] { DrawContainer(form.index, index); });
        }
        RECT headerClient{};
        ::GetClientRect(header, &headerClient);
        std::snprintf(size, sizeof(size), ", %ld x %ld", headerClient.right, headerClient.bottom);
        add(std::string("DrawHeader, 序 歌曲名 路径") + size, header, false,
            [&] { DrawHeader(form.index, headerIndex); });
        const SIZE listSize = WindowSize(list);
        std::snprintf(size, sizeof(size), ", %ld x %ld", listSize.cx, listSize.cy);
        add(std::string("DrawBoxFrame, music list") + size, list, true,
            [&] { DrawBoxFrame(form.index, listIndex, false, false); });
        RECT labelClient{};
        ::GetClientRect(label, &labelClient);
        std::snprintf(size, sizeof(size), ", %ld x %ld", labelClient.right, labelClient.bottom);
        add(std::string("DrawLabel, about line with glow") + size, label, false,
            [&] { DrawLabel(form.index, labelIndex); });

        std::printf("Pelorin container paint benchmark: %d samples each, same run, same windows; goal < %.0f ms\n",
                    samples, kGoalMs);
        std::printf("| %-44s | %-17s | %-17s | %-7s | %-4s |\n", "milliseconds", "painter: med/max", "BitBlt: med/max",
                    "ratio", "goal");
        bench::PrintRule({46, 19, 19, 9, 6});
        for (const Row& row : rows) PrintRow(row);
        if (!baselinesRan) status = 1;
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
