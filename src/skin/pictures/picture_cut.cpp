#include "skin/pictures/picture_cut.h"

namespace pelorin {

bool CutArea(const GxBitmap& source, int sourceWidth, int sourceHeight, float x, float y, float width, float height,
             GxBitmap& target) {
    if (!(width > 0.0f && height > 0.0f)) return false;
    if (x < 0.0f || y < 0.0f || x + width > static_cast<float>(sourceWidth) ||
        y + height > static_cast<float>(sourceHeight)) {
        return false;
    }
    return source.CloneArea(GxRectF(x, y, width, height), kGxPixelFormat32bppArgb, target);
}

Bytes EncodePng(const GxBitmap& bitmap) { return bitmap.SaveToBytes(std::wstring(kGxFormatPng)); }

Bytes CutToPng(const GxBitmap& source, int sourceWidth, int sourceHeight, float x, float y, float width, float height) {
    GxBitmap cut;
    if (!CutArea(source, sourceWidth, sourceHeight, x, y, width, height, cut)) return {};
    return EncodePng(cut);
}

bool PixelIs(const GxBitmap& source, int sourceWidth, int sourceHeight, int x, int y, GxArgb argb) {
    const bool inside = x >= 0 && y >= 0 && x < sourceWidth && y < sourceHeight;
    return (inside ? source.GetPixel(x, y) : 0) == argb;
}

}  // namespace pelorin
