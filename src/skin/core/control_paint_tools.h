#pragma once
// Small drawing shorthands shared by the slider, edit, combo, progress and
// scroll-strip painters: the surface canvas, one-pixel pens, solid and
// two-point gradient fills of paths, and the copy of a finished surface onto
// a window's DC.

#include <windows.h>

#include <cstdint>

#include "graphics/gx_brushes.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_path.h"
#include "graphics/gx_pen.h"
#include "skin/core/drawing_helpers.h"
#include "base/scoped_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/surface_canvas.h"

namespace pelorin::skin {

inline constexpr COLORREF kWhite = 0x00FFFFFF;
inline constexpr COLORREF kBlack = 0x00000000;

inline void StrokePath(GxGraphics& graphics, const GxPath& path, std::uint32_t argb) {
    GxPen pen;
    if (pen.Create1(argb, 1)) graphics.DrawPath(pen, path);
}

inline void FillPathSolid(GxGraphics& graphics, const GxPath& path, std::uint32_t argb) {
    GxSolidBrush brush;
    if (brush.Create(argb)) graphics.FillPath(brush, path);
}

// A linear gradient between two points; GDI+ refuses two equal points, and
// such a gradient degenerates to its first colour.
inline void FillPathGradient(GxGraphics& graphics, const GxPath& path, GxPointF from, GxPointF to,
                             std::uint32_t fromArgb, std::uint32_t toArgb) {
    if (from.X == to.X && from.Y == to.Y) {
        FillPathSolid(graphics, path, fromArgb);
        return;
    }
    GxLinearGradientBrush brush;
    if (brush.Create(from, to, fromArgb, toArgb)) graphics.FillPath(brush, path);
}

inline GxPath RoundedPath(float x, float y, float w, float h, float r) {
    GxPath path;
    if (path.Create()) RoundRectPath(path, x, y, w, h, r);
    return path;
}

inline GxPath RectanglePath(float x, float y, float w, float h) {
    GxPath path;
    if (path.Create()) path.AddRectangle(x, y, w, h);
    return path;
}

inline int Width(const RECT& r) { return r.right - r.left; }
inline int Height(const RECT& r) { return r.bottom - r.top; }

// Window size of a window (its window rectangle moved to 0, 0).
inline SIZE WindowSize(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return {Width(r), Height(r)};
}

// Copies the surface onto the whole window (non-client area included) at 0, 0.
inline void BlitToWindow(HWND window, HDC surface, int w, int h) {
    const WholeWindowDc dc(window);
    if (dc) ::BitBlt(dc.Get(), 0, 0, w, h, surface, 0, 0, SRCCOPY);
}

}  // namespace pelorin::skin
