#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "base/handle.h"
#include "skin/core/control_lookup.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

constexpr UINT kGlossInterval = 30;  // ms
constexpr int kGlossWidth = 40;      // pixels along the bar
constexpr int kDefaultGlossStep = 4;
constexpr int kInset = 2;

using ProgressContext = ControlContext<ProgressRecord>;

ProgressRecord* RecordOf(HWND window) { return FindControl(window, &FormRecord::progressBars).record; }

// Length of the filled part along a track of `track` pixels.
int FilledLength(HWND window, int track) {
    PBRANGE range{};
    ::SendMessageW(window, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    const int position = static_cast<int>(::SendMessageW(window, PBM_GETPOS, 0, 0));
    const int span = range.iHigh - range.iLow;
    if (span <= 0) return 0;
    return std::clamp((position - range.iLow) * track / span, 0, track);
}

// A soft white highlight, brightest in its middle, moved along the bar by the timer.
void DrawGloss(GxGraphics& g, const GxPath& bar, bool vertical, float offset, float thickness) {
    g.SetClipPath(bar);
    const float half = kGlossWidth / 2.0f;
    for (int side = 0; side < 2; ++side) {
        const float start = offset - kGlossWidth + side * half;
        const GxPointF from = vertical ? GxPointF(0, start) : GxPointF(start, 0);
        const GxPointF to = vertical ? GxPointF(0, start + half) : GxPointF(start + half, 0);
        const GxPath band =
            vertical ? RectanglePath(kInset, start, thickness, half) : RectanglePath(start, kInset, half, thickness);
        const std::uint32_t dim = ToArgb(kWhite, 0), bright = ToArgb(kWhite, 140);
        FillPathGradient(g, band, from, to, side == 0 ? dim : bright, side == 0 ? bright : dim);
    }
    g.ResetClip();
}

void StartGloss(HWND window, const ProgressContext& c) {
    if (c.record->glossStep <= 0) c.record->glossStep = kDefaultGlossStep;
    ::SetTimer(window, static_cast<UINT_PTR>(c.index), kGlossInterval, nullptr);
}

void OnShowWindow(HWND window, const ProgressContext& c, bool shown) {
    if (shown)
        StartGloss(window, c);
    else
        ::KillTimer(window, static_cast<UINT_PTR>(c.index));
}

void OnTimer(HWND window, const ProgressContext& c) {
    const SIZE size = WindowSize(window);
    const int track = (c.record->vertical ? size.cy : size.cx) - 2 * kInset;
    c.record->glossOffset += c.record->glossStep;
    // Once past the filled part's end the gloss starts again from the beginning.
    if (c.record->glossOffset > FilledLength(window, track) + kGlossWidth) c.record->glossOffset = 0;
    ::InvalidateRect(window, nullptr, FALSE);
}

LRESULT OnPaint(HWND window, const ProgressContext& c) {
    // A bar that was already shown when it was attached never saw
    // WM_SHOWWINDOW: its first paint starts the gloss.
    if (c.record->glossStep <= 0 && ::IsWindowVisible(window)) StartGloss(window, c);
    const PaintDc paint(window);
    PaintProgressBar(window);
    return 0;
}

}  // namespace

void PaintProgressBar(HWND window) {
    ProgressRecord* record = RecordOf(window);
    if (!record) return;
    const SIZE size = WindowSize(window);
    const int w = size.cx, h = size.cy;
    if (w <= 0 || h <= 0) return;
    const bool vertical = record->vertical;
    const int track = (vertical ? h : w) - 2 * kInset;
    const int thickness = (vertical ? w : h) - 2 * kInset;
    const int filled = FilledLength(window, track);

    HDC surface = BuildControlBackground(window, RECT{0, 0, w, h});
    if (!surface) return;
    {
        SurfaceCanvas canvas(surface);
        if (canvas) {
            GxGraphics& g = canvas.Graphics();
            g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
            const GxPath outline = RoundedPath(0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1), 5);
            FillPathSolid(g, outline, ToArgb(kWhite, 100));
            StrokePath(g, outline, ToArgb(kBlack, 80));
            if (filled > 0 && thickness > 0) {
                // A vertical bar fills from the bottom, like the platform's.
                const float along = static_cast<float>(filled), across = static_cast<float>(thickness);
                const GxPath bar = vertical
                                       ? RoundedPath(kInset, static_cast<float>(h - kInset - filled), across, along, 3)
                                       : RoundedPath(kInset, kInset, along, across, 3);
                FillPathSolid(g, bar, ToArgb(record->barColor, 220));
                const float offset = static_cast<float>(record->glossOffset);
                DrawGloss(g, bar, vertical,
                          vertical ? static_cast<float>(h - kInset) - offset + kGlossWidth : kInset + offset, across);
            }
        }
    }
    CopyToFrameCopy(window, surface);
    BlitToWindow(window, surface, w, h);
    ReleaseSurface(surface);
}

LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ProgressContext c = FindControl(window, &FormRecord::progressBars);
    if (!c.record) return ForwardMessage(window, message, wParam, lParam);
    switch (message) {
        case WM_PAINT: return OnPaint(window, c);
        case WM_NCPAINT: PaintProgressBar(window); return 0;
        case WM_MOVE: PaintProgressBar(window); break;
        case WM_ERASEBKGND: return 1;
        case WM_SHOWWINDOW: OnShowWindow(window, c, wParam != 0); break;
        case WM_TIMER:
            if (wParam != static_cast<WPARAM>(c.index)) break;
            OnTimer(window, c);
            return 0;
        case WM_DESTROY: ::KillTimer(window, static_cast<UINT_PTR>(c.index)); break;
        default: break;
    }
    return ForwardMessage(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
