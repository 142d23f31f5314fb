#pragma once
// GDI+ drawing on an off-screen surface. It draws straight into the surface's
// pixels through a bitmap over the DIB's memory: under Wine a graphics object
// on a DC copies and blends each primitive's whole bounds once more (a ring
// around a frame blends the whole frame). The surface's pixels are taken as
// opaque, as a DC target is.

#include <windows.h>

#include "graphics/gx_bitmap.h"
#include "graphics/gx_graphics.h"
#include "skin/core/memory_surface.h"

namespace pelorin::skin {

class SurfaceCanvas {
public:
    explicit SurfaceCanvas(const MemorySurface& surface);
    // The surface of memoryDcList that owns `dc`; any other DC gets a
    // graphics object on the DC itself.
    explicit SurfaceCanvas(HDC dc);
    SurfaceCanvas(const SurfaceCanvas&) = delete;
    SurfaceCanvas& operator=(const SurfaceCanvas&) = delete;

    explicit operator bool() const noexcept { return ok_; }
    GxGraphics& Graphics() noexcept { return graphics_; }

private:
    bool Wrap(const MemorySurface& surface);

    GxBitmap bitmap_;  // declared first: the graphics object goes first
    GxGraphics graphics_;
    bool ok_ = false;
};

}  // namespace pelorin::skin
