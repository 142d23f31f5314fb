#pragma once
// Rendering a skinned form's frame off screen: background picture and colour,
// tint, title gloss, outline, icon, caption text, caption buttons and the
// status area; and copying the cached frame to the window.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "graphics/gx_graphics.h"
#include "skin/core/memory_surface.h"
#include "skin/core/surface_canvas.h"

namespace pelorin::skin {

// Full render into a fresh frameBuffer, titleCache, statusCache and frameCopy.
// With `present`, the frame is copied to `target` (or to a DC of the window
// with its visible children clipped out) and the direct skinned children are
// repainted.
void RenderFrame(std::int32_t form, HDC target, bool present);
// Copies the cached frame to the window.
void PresentFrame(std::int32_t form);
// Redraws the icon and the caption text (the window text when none is given).
void DrawCaptionText(std::int32_t form, GxGraphics& graphics, bool offScreenOnly,
                     const std::optional<std::wstring>& text = std::nullopt);
// Redraws one caption button (1-based) normal with a hover overlay of the
// given opacity (0..255), or pressed.
void DrawCaptionButton(std::int32_t form, std::int32_t button, GxGraphics& graphics, bool offScreenOnly, bool pressed,
                       std::int32_t overlayOpacity);
// Places the status parts again after a size change.
void LayoutStatusArea(std::int32_t form);

}  // namespace pelorin::skin
