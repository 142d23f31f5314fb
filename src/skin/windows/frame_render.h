#pragma once
// Rendering a skinned form's frame off screen: background picture and colour,
// tint, title gloss, outline, icon, caption text, caption buttons and the
// status area; and copying the cached frame to the window.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "graphics/gx_bitmap.h"
#include "graphics/gx_graphics.h"
#include "skin/core/memory_surface.h"

namespace pelorin::skin {

// GDI+ drawing straight into a surface's pixels, through a bitmap over the
// DIB's memory: under Wine a graphics object on a DC copies and blends each
// primitive's whole bounds once more (a ring around the frame blends the
// whole frame). The surface's pixels are taken as opaque. Use it for every
// drawing into a form's frameBuffer.
class SurfaceGraphics {
public:
    explicit SurfaceGraphics(const MemorySurface& surface);
    explicit operator bool() const noexcept { return ok_; }
    GxGraphics& Graphics() noexcept { return graphics_; }

private:
    GxBitmap bitmap_;  // declared first: the graphics object goes first
    GxGraphics graphics_;
    bool ok_ = false;
};

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
