#include "skin/core/surface_canvas.h"

#include "skin/core/skin_registry.h"

namespace pelorin::skin {

SurfaceCanvas::SurfaceCanvas(const MemorySurface& surface) { ok_ = Wrap(surface); }

SurfaceCanvas::SurfaceCanvas(HDC dc) {
    for (const SurfacePtr& surface : memoryDcList) {
        if (!surface || surface->Dc() != dc) continue;
        ok_ = Wrap(*surface);
        break;
    }
    if (!ok_) ok_ = graphics_.CreateFromHDC(dc);
}

bool SurfaceCanvas::Wrap(const MemorySurface& surface) {
    return bitmap_.CreateFromScan0(surface.Width(), surface.Height(), surface.Width() * 4, PixelFormat32bppRGB,
                                   reinterpret_cast<BYTE*>(surface.Pixels())) &&
           graphics_.CreateFromImage(bitmap_);
}

}  // namespace pelorin::skin
