#pragma once
// The pieces a full frame render is made of. Each works alone, so the caption
// and status redraws can reuse them and the render can be timed piece by piece.

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "base/text.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_bitmap.h"

namespace pelorin::skin {

struct FormRecord;

// The form of a 1-based form index, null when out of range.
FormRecord* FormAt(std::int32_t form);

// What the background shows: the form's own picture when it has one, else
// the skin's (possibly empty), with the layout mode and the solid colour under it.
struct BackgroundChoice {
    const Bytes* picture = nullptr;
    std::int32_t mode = 0;
    COLORREF fill = 0;
};
BackgroundChoice ChooseBackground(const FormRecord& form);

// Places a decoded picture on a width x height frame by its layout mode
// (0..10); other modes place nothing. `dc` is the DC `graphics` draws on.
void PlacePicture(HDC dc, GxGraphics& graphics, GxBitmap& picture, std::int32_t mode, int width, int height);
// Solid fill, picture, tint and title gloss into `dc` (the DC `graphics` draws on).
void DrawFrameBackground(const FormRecord& form, HDC dc, GxGraphics& graphics, int width, int height);
// The tint and the gloss alone (part of DrawFrameBackground).
void DrawFrameTint(const FormRecord& form, HDC dc, GxGraphics& graphics, int width, int height);
// The two rounded rings around a title-area window.
void DrawFrameOutline(GxGraphics& graphics, int width, int height);

// One status part (0-based) into the frame buffer; `alone` restores it from
// statusCache first and copies it to frameCopy and the window afterwards.
void DrawStatusPart(FormRecord& form, GxGraphics& graphics, std::size_t part, bool alone);

// Copies `source` onto the window's client area at `rect` (client
// coordinates), leaving out the window's visible children.
void BlitToWindow(HWND window, HDC source, const RECT& rect);
// Copies a rectangle of frameBuffer into frameCopy and onto the window.
void PublishFrameRect(FormRecord& form, const RECT& rect);

}  // namespace pelorin::skin
