#include "graphics/gx_bitmap.h"

#include <algorithm>
#include <cmath>

#include "graphics/gx_brushes.h"
#include "graphics/gx_effect.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_late_bound.h"
#include "graphics/gx_text.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool GxBitmap::Dispose() {
    if (IsEmpty()) return false;
    return GxImage::Dispose();
}

bool GxBitmap::LoadFromFile(const std::wstring& path, bool useIcm) {
    Clear();
    GpBitmap* bitmap = nullptr;
    const bool ok = GxCall(useIcm ? GdipCreateBitmapFromFileICM : GdipCreateBitmapFromFile, path.c_str(), &bitmap);
    return AttachCreated(bitmap, ok);
}

bool GxBitmap::LoadFromFileW(const Bytes& utf16Path, bool useIcm) {
    return GxBitmap::LoadFromFile(GxWideFromBytes(utf16Path), useIcm);
}

bool GxBitmap::LoadFromBytes(const Bytes& data, bool useIcm) {
    Clear();
    Stream().CreateFromBytes(data);
    GpBitmap* bitmap = nullptr;
    GxCall(useIcm ? GdipCreateBitmapFromStreamICM : GdipCreateBitmapFromStream, Stream().GetStream(), &bitmap);
    return FinishLoadFromStream(bitmap);
}

bool GxBitmap::CreateFromScan0(int width, int height, int stride, PixelFormat pixelFormat, BYTE* scan0) {
    Clear();
    GpBitmap* bitmap = nullptr;
    const bool ok = GxCall(GdipCreateBitmapFromScan0, width, height, stride, pixelFormat, scan0, &bitmap);
    return AttachCreated(bitmap, ok);
}

bool GxBitmap::Create(int width, int height, PixelFormat pixelFormat) {
    return CreateFromScan0(width, height, 0, pixelFormat, nullptr);
}

bool GxBitmap::CreateFromGraphics(int width, int height, const GxGraphics& graphics) {
    Clear();
    GpBitmap* bitmap = nullptr;
    const bool ok = GxCall(GdipCreateBitmapFromGraphics, width, height, graphics.NativeGraphics(), &bitmap);
    return AttachCreated(bitmap, ok);
}

bool GxBitmap::CreateFromGdiDib(const BITMAPINFO* info, void* bits) {
    Clear();
    GpBitmap* bitmap = nullptr;
    const bool ok = GxCall(GdipCreateBitmapFromGdiDib, info, bits, &bitmap);
    return AttachCreated(bitmap, ok);
}

bool GxBitmap::CreateFromHBITMAP(HBITMAP source, HPALETTE palette) {
    Clear();
    GpBitmap* bitmap = nullptr;
    const bool ok = GxCall(GdipCreateBitmapFromHBITMAP, source, palette, &bitmap);
    return AttachCreated(bitmap, ok);
}

bool GxBitmap::CreateFromHICON(HICON icon) {
    Clear();
    GpBitmap* bitmap = nullptr;
    const bool ok = GxCall(GdipCreateBitmapFromHICON, icon, &bitmap);
    return AttachCreated(bitmap, ok);
}

bool GxBitmap::CreateFromResource(HINSTANCE instance, const std::wstring& resourceName) {
    Clear();
    GpBitmap* bitmap = nullptr;
    const bool ok = GxCall(GdipCreateBitmapFromResource, instance, resourceName.c_str(), &bitmap);
    return AttachCreated(bitmap, ok);
}

bool GxBitmap::CreateFromResource(HINSTANCE instance, int resourceId) {
    Clear();
    GpBitmap* bitmap = nullptr;
    const bool ok = GxCall(GdipCreateBitmapFromResource, instance, MAKEINTRESOURCEW(resourceId), &bitmap);
    return AttachCreated(bitmap, ok);
}

UniqueBitmap GxBitmap::GetHBITMAP(GxArgb background) const {
    HBITMAP bitmap = nullptr;
    if (!GxCall(GdipCreateHBITMAPFromBitmap, NativeBitmap(), &bitmap, background)) return UniqueBitmap();
    return UniqueBitmap(bitmap);
}

UniqueIcon GxBitmap::GetHICON() const {
    HICON icon = nullptr;
    if (!GxCall(GdipCreateHICONFromBitmap, NativeBitmap(), &icon)) return UniqueIcon();
    return UniqueIcon(icon);
}

bool GxBitmap::CloneArea(const GxRectF& area, PixelFormat pixelFormat, GxBitmap& target) const {
    GpBitmap* copy = nullptr;
    if (!GxCall(GdipCloneBitmapArea, area.X, area.Y, area.Width, area.Height, pixelFormat, NativeBitmap(), &copy))
        return false;
    target.Attach(copy);
    return true;
}

bool GxBitmap::CloneAreaI(const GxRect& area, PixelFormat pixelFormat, GxBitmap& target) const {
    GpBitmap* copy = nullptr;
    if (!GxCall(GdipCloneBitmapAreaI, area.X, area.Y, area.Width, area.Height, pixelFormat, NativeBitmap(), &copy))
        return false;
    target.Attach(copy);
    return true;
}

bool GxBitmap::LockBits(const GxRect& area, unsigned flags, PixelFormat pixelFormat, BitmapData& data) {
    return GxCall(GdipBitmapLockBits, NativeBitmap(), &area, flags, pixelFormat, &data);
}

bool GxBitmap::UnlockBits(BitmapData& data) { return GxCall(GdipBitmapUnlockBits, NativeBitmap(), &data); }

GxArgb GxBitmap::GetPixel(int x, int y) const {
    ARGB color = 0;
    // GDI+ may touch the output even when it fails: a failure reads as 0.
    if (!GxCall(GdipBitmapGetPixel, NativeBitmap(), x, y, &color)) return 0;
    return color;
}

bool GxBitmap::SetPixel(int x, int y, GxArgb color) { return GxCall(GdipBitmapSetPixel, NativeBitmap(), x, y, color); }

bool GxBitmap::SetResolution(float dpiX, float dpiY) {
    return GxCall(GdipBitmapSetResolution, NativeBitmap(), dpiX, dpiY);
}

bool GxBitmap::ApplyEffect(GxEffect& effect, const std::optional<RECT>& area) {
    RECT rect = area.value_or(RECT{});
    void* auxData = nullptr;
    INT auxSize = 0;
    const bool ok =
        GxCallLateBound(GxLateBound<decltype(&GdipBitmapApplyEffect)>("GdipBitmapApplyEffect"), NativeBitmap(),
                        effect.NativeEffect(), area ? &rect : nullptr, FALSE, &auxData, &auxSize);
    if (auxData) effect.TakeAuxData(auxData, auxSize);
    return ok;
}

bool GxBitmap::RotateToNew(float angle, GxBitmap& target, std::optional<GxArgb> background,
                           std::optional<InterpolationMode> interpolation) const {
    const int width = GetWidth();
    if (gxLastStatus != Ok) return false;
    const int height = GetHeight();
    float spanX = 0, spanY = 0;
    RotatedSize(static_cast<float>(width), static_cast<float>(height), angle, spanX, spanY);
    // The spans run between corner-pixel centres: one more pixel holds them.
    const int newWidth = static_cast<int>(std::lround(spanX)) + 1;
    const int newHeight = static_cast<int>(std::lround(spanY)) + 1;

    GxBitmap rotated;
    if (!rotated.Create(newWidth, newHeight, kGxPixelFormat32bppArgb)) return false;
    if (!rotated.SetResolution(GetHorizontalResolution(), GetVerticalResolution())) return false;
    GxGraphics graphics;
    if (!graphics.CreateFromImage(rotated)) return false;
    if (background) {
        GxSolidBrush brush;
        if (!brush.Create(*background) || !graphics.FillRectangleI(brush, 0, 0, newWidth, newHeight)) return false;
    }
    if (interpolation && !graphics.SetInterpolationMode(*interpolation)) return false;
    // Source centre to the origin, rotate, origin to the new centre.
    if (!graphics.TranslateTransform(newWidth / 2.0f, newHeight / 2.0f) || !graphics.RotateTransform(angle) ||
        !graphics.TranslateTransform(-width / 2.0f, -height / 2.0f) ||
        !graphics.DrawImageRectI(*this, 0, 0, width, height) || !graphics.ResetTransform())
        return false;
    if (!graphics.Dispose()) return false;
    target.Attach(rotated.Detach());
    return true;
}

void GxBitmap::RotatedSize(float width, float height, float angle, float& outWidth, float& outHeight) {
    const double r = angle * 3.1415926535 / 180.0;
    const double c = std::cos(r), s = std::sin(r);
    const double hx = (width - 1) / 2.0, hy = (height - 1) / 2.0;
    // Corners by the signs of x and y: 0 (-,+), 1 (+,+), 2 (-,-), 3 (+,-).
    const double cx[4] = {-hx, hx, -hx, hx};
    const double cy[4] = {hy, hy, -hy, -hy};
    double rx[4], ry[4];
    for (int i = 0; i < 4; ++i) {
        rx[i] = c * cx[i] + s * cy[i];
        ry[i] = -s * cx[i] + c * cy[i];
    }
    outWidth = static_cast<float>(std::max(std::abs(rx[3] - rx[0]), std::abs(rx[2] - rx[1])));
    outHeight = static_cast<float>(std::max(std::abs(ry[3] - ry[0]), std::abs(ry[2] - ry[1])));
}

bool GxBitmap::AttachCreated(GpBitmap* bitmap, bool ok) {
    if (ok && bitmap) SetNativeHandle(bitmap);
    return ok && bitmap;
}

}  // namespace pelorin
