#pragma once
// The look shared by the up-down, toolbar and tab painters: rounded parts
// filled with vertical gradients of one accent colour, stronger when hot and
// strongest when pressed, with a light line along the inner top edge and a
// soft dark outline; and the small arrow glyph of the up-down parts.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "skin/core/control_paint_tools.h"

namespace pelorin::skin {

enum class PartState { Normal, Hot, Pressed, Disabled };

// Gradient alpha at the top of a part in each state; the bottom takes half.
constexpr std::uint32_t PartAlpha(PartState state) {
    switch (state) {
        case PartState::Hot: return 150;
        case PartState::Pressed: return 200;
        case PartState::Disabled: return 40;
        case PartState::Normal: break;
    }
    return 100;
}

// A rounded part over the background already in the canvas.
inline void DrawThemedPart(GxGraphics& graphics, float x, float y, float w, float h, PartState state, COLORREF color,
                           float corner = 5) {
    if (w < 2 || h < 2) return;
    const std::uint32_t alpha = PartAlpha(state);
    const GxPath body = RoundedPath(x, y, w - 1, h - 1, corner);
    // Pressed parts are lit from below.
    const std::uint32_t top = state == PartState::Pressed ? alpha / 2 : alpha;
    const std::uint32_t bottom = state == PartState::Pressed ? alpha : alpha / 2;
    FillPathGradient(graphics, body, GxPointF{x, y}, GxPointF{x, y + h}, ToArgb(color, top), ToArgb(color, bottom));
    StrokePath(graphics, body, ToArgb(kBlack, state == PartState::Pressed ? 150 : 100));
    GxPen highlight;
    if (state != PartState::Pressed && highlight.Create1(ToArgb(kWhite, state == PartState::Hot ? 150 : 100), 1))
        graphics.DrawLine(highlight, x + corner / 2, y + 1.5f, x + w - 1 - corner / 2, y + 1.5f);
}

enum class ArrowDirection { Up, Down, Left, Right };

// A filled triangle centred in the box, about a third of its smaller side.
inline void DrawArrow(GxGraphics& graphics, float x, float y, float w, float h, ArrowDirection direction,
                      bool enabled) {
    const float size = std::max(2.0f, std::min(w, h) / 3);
    const float cx = x + w / 2;
    const float cy = y + h / 2;
    std::vector<GxPointF> points;
    switch (direction) {
        case ArrowDirection::Up:
            points = {{cx - size, cy + size / 2}, {cx + size, cy + size / 2}, {cx, cy - size / 2}};
            break;
        case ArrowDirection::Down:
            points = {{cx - size, cy - size / 2}, {cx + size, cy - size / 2}, {cx, cy + size / 2}};
            break;
        case ArrowDirection::Left:
            points = {{cx + size / 2, cy - size}, {cx + size / 2, cy + size}, {cx - size / 2, cy}};
            break;
        case ArrowDirection::Right:
            points = {{cx - size / 2, cy - size}, {cx - size / 2, cy + size}, {cx + size / 2, cy}};
            break;
    }
    GxSolidBrush brush;
    if (brush.Create(ToArgb(kBlack, enabled ? 200 : 80))) graphics.FillPolygon(brush, points);
}

}  // namespace pelorin::skin
