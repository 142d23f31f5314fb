// Picture helpers for form backgrounds: a representative colour of a picture,
// and a copy of it whose edges melt into a colour.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

#include "graphics/gx_bitmap.h"
#include "graphics/gx_brushes.h"
#include "skin/core/drawing_helpers.h"

namespace pelorin::skin {

namespace {

bool Decode(const PictureSource& picture, GxBitmap& bitmap) {
    if (const auto* file = std::get_if<std::wstring>(&picture)) return !file->empty() && bitmap.LoadFromFile(*file);
    const Bytes& bytes = std::get<Bytes>(picture);
    return !bytes.empty() && bitmap.LoadFromBytes(bytes);
}

// A 1-based inclusive sampling range along one side: the last `margin`
// pixels when a margin is given, otherwise the whole side.
std::uniform_int_distribution<int> SampleRange(int side, std::optional<std::int32_t> margin) {
    const int first = (margin && *margin > 0) ? std::clamp(side - *margin, 1, side) : 1;
    return std::uniform_int_distribution<int>(first, side);
}

void FillGradient(GxGraphics& graphics, GxRectF area, GxPointF from, GxPointF to, GxArgb fromColor, GxArgb toColor) {
    GxLinearGradientBrush brush;
    // Mirrored tiling: pixels on the brush's end line keep the end colour
    // instead of wrapping round to the start colour.
    if (brush.Create(from, to, fromColor, toColor, Gdiplus::WrapModeTileFlipXY)) graphics.FillRectangleF(brush, area);
}

}  // namespace

COLORREF AverageColor(const PictureSource& picture, std::int32_t samples, std::optional<std::int32_t> rightMargin,
                      std::optional<std::int32_t> bottomMargin) {
    GxBitmap bitmap;
    if (samples <= 0 || !Decode(picture, bitmap)) return 0;
    const int width = bitmap.GetWidth();
    const int height = bitmap.GetHeight();
    if (width <= 0 || height <= 0) return 0;
    // Seeded once: reseeding from a coarse clock before every sample would
    // pick the same pixel over and over.
    std::mt19937 random(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    auto xs = SampleRange(width, rightMargin);
    auto ys = SampleRange(height, bottomMargin);
    std::uint64_t red = 0, green = 0, blue = 0;
    for (std::int32_t i = 0; i < samples; ++i) {
        const GxArgb pixel = bitmap.GetPixel(xs(random) - 1, ys(random) - 1);
        red += (pixel >> 16) & 0xFF;
        green += (pixel >> 8) & 0xFF;
        blue += pixel & 0xFF;
    }
    const auto n = static_cast<std::uint64_t>(samples);
    return RGB(red / n, green / n, blue / n);
}

Bytes FadePictureEdges(const PictureSource& picture, std::optional<std::int32_t> fadeWidth, COLORREF color,
                       std::optional<std::int32_t> mode) {
    GxBitmap source;
    if (!Decode(picture, source)) return {};
    const GxSizeF size = source.GetDimension();
    const int width = static_cast<int>(std::lround(size.Width));
    const int height = static_cast<int>(std::lround(size.Height));
    GxBitmap faded;
    if (width <= 0 || height <= 0 || !faded.Create(width, height)) return {};
    GxGraphics graphics;
    if (!graphics.CreateFromImage(faded)) return {};
    graphics.DrawImageRectI(source, 0, 0, width, height);

    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const float f = static_cast<float>(fadeWidth ? *fadeWidth : std::lround(0.3 * width));
    const GxArgb clearWhite = 0x00FFFFFF;
    const GxArgb solid = ToArgb(color, 255);
    if (mode.value_or(1) != 0)
        FillGradient(graphics, GxRectF(w - f + 1, 0, f, h), GxPointF(w - f, 0), GxPointF(w, 0), clearWhite, solid);
    else
        FillGradient(graphics, GxRectF(0, 0, f, h), GxPointF(0, 0), GxPointF(f, 0), solid, clearWhite);
    FillGradient(graphics, GxRectF(0, h - f + 1, w, f), GxPointF(0, h - f), GxPointF(0, h), ToArgb(color, 0), solid);
    graphics.Dispose();
    return faded.SaveToBytes(std::wstring(kGxFormatPng));
}

}  // namespace pelorin::skin
