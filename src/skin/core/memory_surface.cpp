#include "skin/core/memory_surface.h"

namespace pelorin::skin {

std::unique_ptr<MemorySurface> MemorySurface::Create(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    std::unique_ptr<MemorySurface> surface(new MemorySurface);
    surface->dc_.Reset(::CreateCompatibleDC(nullptr));
    if (!surface->dc_) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    surface->bitmap_.Reset(::CreateDIBSection(surface->dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!surface->bitmap_ || !bits) return nullptr;
    surface->previous_ = ::SelectObject(surface->dc_.Get(), surface->bitmap_.Get());
    surface->pixels_ = static_cast<std::uint32_t*>(bits);
    surface->width_ = width;
    surface->height_ = height;
    return surface;
}

MemorySurface::~MemorySurface() {
    // The bitmap can only be deleted once it is no longer selected.
    if (dc_ && previous_) ::SelectObject(dc_.Get(), previous_);
}

}  // namespace pelorin::skin
