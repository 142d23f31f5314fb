// Rounded outlines shared by the painters, and the layered stroke that makes
// an outline glow.
#include <algorithm>

#include "graphics/gx_pen.h"
#include "skin/core/drawing_helpers.h"

namespace pelorin::skin {

namespace {

// The corner size is the side of the arc's box, so the visible radius is half of it.
float ClampCorner(float r) { return std::clamp(r, 1.0f, 100.0f); }

// Paths handed in empty are created here, so callers may pass a fresh GxPath.
bool EnsureCreated(GxPath& path) { return !path.IsEmpty() || path.Create(); }

}  // namespace

void RoundRectPath(GxPath& path, float x, float y, float w, float h, float r) {
    if (!EnsureCreated(path)) return;
    r = ClampCorner(r);
    path.AddArc(x + w - r, y, r, r, 270, 90);
    // The bottom-right box is one pixel larger, which keeps that corner inside
    // the rectangle's last row and column when stroked with a 1-pixel pen.
    path.AddArc(x + w - r - 1, y + h - r - 1, r + 1, r + 1, 0, 90);
    path.AddArc(x, y + h - r, r, r, 90, 90);
    path.AddArc(x, y, r, r, 180, 90);
    path.CloseFigure();
}

void RoundClipPath(GxPath& path, float x, float y, float w, float h, float r) {
    if (!EnsureCreated(path)) return;
    r = ClampCorner(r);
    const int side = static_cast<int>(r);
    path.AddArcI(static_cast<int>(x + w - r), static_cast<int>(y), side, side, 270, 90);
    path.AddArcI(static_cast<int>(x + w - r), static_cast<int>(y + h - r), side, side, 0, 90);
    path.AddArcI(static_cast<int>(x), static_cast<int>(y + h - r), side, side, 90, 90);
    path.AddArcI(static_cast<int>(x), static_cast<int>(y), side, side, 180, 90);
    // An explicit top edge, so a clip made from this path has no gap there.
    path.AddLine(x + r, y, x + w - r / 2, y);
    path.CloseFigure();
}

void StrokeGlow(GxGraphics& graphics, const GxPath& path, std::int32_t count, COLORREF color, std::int32_t alpha) {
    const GxArgb argb = ToArgb(color, static_cast<std::uint32_t>(std::clamp(alpha, 0, 255)));
    for (std::int32_t width = 1; width <= count; ++width) {
        GxPen pen;
        if (pen.Create1(argb, static_cast<float>(width))) graphics.DrawPath(pen, path);
    }
}

}  // namespace pelorin::skin
