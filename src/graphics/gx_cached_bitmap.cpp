#include "graphics/gx_cached_bitmap.h"

#include "graphics/gx_bitmap.h"
#include "graphics/gx_graphics.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseCached(void* cached) noexcept { GdipDeleteCachedBitmap(static_cast<GpCachedBitmap*>(cached)); }

}  // namespace

GxCachedBitmap::GxCachedBitmap() noexcept : GxObject(&ReleaseCached) {}

bool GxCachedBitmap::Dispose() { return DisposeWith<GpCachedBitmap>(GdipDeleteCachedBitmap); }

bool GxCachedBitmap::Create(const GxBitmap& bitmap, const GxGraphics& graphics) {
    return CreateWith<GpCachedBitmap>(GdipCreateCachedBitmap, bitmap.NativeBitmap(), graphics.NativeGraphics());
}

}  // namespace pelorin
