#pragma once
// Cutting part of a decoded picture out as a stand-alone PNG, the form in
// which the skin keeps every slice and frame between paints.

#include <cstdint>

#include "base/text.h"
#include "graphics/gx_bitmap.h"

namespace pelorin {

// Opaque magenta: the colour of slice and frame separators in skin pictures.
inline constexpr GxArgb kMarkerArgb = 0xFFFF00FF;

// Copies the area {x, y, width, height} of `source` into `target` as a new
// 32-bit ARGB bitmap. False when the area is empty, does not lie wholly inside
// the picture (GDI+ is not asked about areas it is bound to refuse), or GDI+
// fails.
bool CutArea(const GxBitmap& source, int sourceWidth, int sourceHeight, float x, float y, float width, float height,
             GxBitmap& target);

// The area {x, y, width, height} of `source` as 32-bit ARGB PNG bytes; empty
// when CutArea or the encoding fails.
Bytes CutToPng(const GxBitmap& source, int sourceWidth, int sourceHeight, float x, float y, float width, float height);

// The bitmap encoded as PNG; empty on failure.
Bytes EncodePng(const GxBitmap& bitmap);

// True when the pixel at (x, y) is exactly `argb`. Pixels outside the
// picture read as 0, so they match nothing but a fully transparent black.
bool PixelIs(const GxBitmap& source, int sourceWidth, int sourceHeight, int x, int y, GxArgb argb);

}  // namespace pelorin
