#include "screen_capture.h"

#include <algorithm>

#include "graphics/gx_bitmap.h"

namespace pelorin {

ScreenCapture::ScreenCapture(const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    WindowDc screen(nullptr);
    UniqueMemoryDc memory(::CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || !bits) return;
    {
        ScopedSelect select(memory.Get(), bitmap.Get());
        if (!::BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY)) return;
    }
    ::GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(first, first + static_cast<size_t>(width) * height);
    for (std::uint32_t& p : pixels_) p &= 0x00FFFFFF;
    width_ = width;
    height_ = height;
    bitmap_ = std::move(bitmap);
}

bool ScreenCapture::HasContent() const {
    return !pixels_.empty() &&
           std::any_of(pixels_.begin(), pixels_.end(), [&](std::uint32_t p) { return p != pixels_.front(); });
}

bool ScreenCapture::SamePixels(const ScreenCapture& other) const {
    return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
}

bool ScreenCapture::SavePng(const std::wstring& path) const {
    GxBitmap picture;
    return bitmap_ && picture.CreateFromHBITMAP(bitmap_.Get()) && picture.SaveToFile(path, std::wstring(kGxFormatPng));
}

}  // namespace pelorin
