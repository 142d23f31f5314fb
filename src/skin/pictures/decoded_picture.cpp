#include "skin/pictures/decoded_picture.h"

#include <cstring>

namespace pelorin {

bool DecodedPicture::Fill(const Bytes& png) {
    if (Holds(png)) return !argb_.empty();
    Reset();
    source_ = png;
    filled_ = true;  // a failed decode is remembered too: it would fail again
    GxBitmap decoded;
    if (png.empty() || !decoded.LoadFromBytes(png)) return false;
    const int w = decoded.GetWidth();
    const int h = decoded.GetHeight();
    if (w <= 0 || h <= 0) return false;
    Gdiplus::BitmapData data{};
    if (!decoded.LockBits(GxRect(0, 0, w, h), Gdiplus::ImageLockModeRead, kGxPixelFormat32bppArgb, data)) return false;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    const auto* row = static_cast<const std::uint8_t*>(data.Scan0);
    for (int y = 0; y < h; ++y, row += data.Stride)
        std::memcpy(&pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w)], row,
                    static_cast<std::size_t>(w) * sizeof(std::uint32_t));
    decoded.UnlockBits(data);
    width_ = w;
    height_ = h;
    argb_ = std::move(pixels);
    return true;
}

bool DecodedPicture::Wrap(const Bytes& png, GxBitmap& target) {
    target.Dispose();
    if (!Fill(png)) return false;
    return target.CreateFromScan0(width_, height_, width_ * 4, kGxPixelFormat32bppArgb,
                                  reinterpret_cast<BYTE*>(argb_.data()));
}

int DecodedPicture::Width(const Bytes& png) { return Fill(png) ? width_ : 0; }

int DecodedPicture::Height(const Bytes& png) { return Fill(png) ? height_ : 0; }

void DecodedPicture::Reset() {
    filled_ = false;
    source_.clear();
    width_ = 0;
    height_ = 0;
    argb_.clear();
}

}  // namespace pelorin
