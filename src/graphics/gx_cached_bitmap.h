#pragma once
// A GDI+ cached bitmap: a bitmap converted once for fast drawing on one device.

#include "graphics/gx_object.h"

namespace pelorin {

class GxBitmap;
class GxGraphics;

class GxCachedBitmap : public GxObject {
public:
    GxCachedBitmap() noexcept;
    GxCachedBitmap(GxCachedBitmap&&) noexcept = default;
    GxCachedBitmap& operator=(GxCachedBitmap&&) noexcept = default;

    bool Dispose();
    bool Create(const GxBitmap& bitmap, const GxGraphics& graphics);

    Gdiplus::GpCachedBitmap* NativeCached() const noexcept { return Native<Gdiplus::GpCachedBitmap>(); }
};

}  // namespace pelorin
