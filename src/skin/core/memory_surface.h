#pragma once
// An off-screen drawing surface: a memory DC with a 32-bit top-down DIB
// section selected into it. The surface owns all three pieces (the DC, the
// bitmap and the object that was selected before), so it is released exactly
// once, by whoever destroys it.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "base/handle.h"

namespace pelorin::skin {

class MemorySurface {
public:
    // A zero-filled (transparent black) surface; null when the platform
    // refuses the DC or the bitmap, or when a side is not positive.
    static std::unique_ptr<MemorySurface> Create(int width, int height);

    ~MemorySurface();
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    HDC Dc() const noexcept { return dc_.Get(); }
    HBITMAP Bitmap() const noexcept { return bitmap_.Get(); }
    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    // Pixels as 0xAARRGGBB, row by row from the top; valid while the surface lives.
    std::uint32_t* Pixels() const noexcept { return pixels_; }
    std::uint32_t PixelAt(int x, int y) const noexcept { return pixels_[y * width_ + x]; }

private:
    MemorySurface() = default;

    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

using SurfacePtr = std::unique_ptr<MemorySurface>;

}  // namespace pelorin::skin
