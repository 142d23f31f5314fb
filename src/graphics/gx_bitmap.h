#pragma once
// A GDI+ bitmap: an image with pixels that can be read, written and drawn on.

#include <optional>

#include "base/handle.h"
#include "graphics/gx_image.h"

namespace pelorin {

class GxGraphics;
class GxEffect;

class GxBitmap : public GxImage {
public:
    GxBitmap() noexcept = default;
    GxBitmap(GxBitmap&&) noexcept = default;
    GxBitmap& operator=(GxBitmap&&) noexcept = default;

    // False at once (gxLastStatus unchanged) when no bitmap is held.
    bool Dispose() override;
    bool LoadFromFile(const std::wstring& path, bool useIcm = false) override;
    bool LoadFromFileW(const Bytes& utf16Path, bool useIcm = false) override;
    bool LoadFromBytes(const Bytes& data, bool useIcm = false) override;

    bool CreateFromScan0(int width, int height, int stride, Gdiplus::PixelFormat pixelFormat, BYTE* scan0);
    bool Create(int width, int height, Gdiplus::PixelFormat pixelFormat = kGxPixelFormat32bppArgb);
    bool CreateFromGraphics(int width, int height, const GxGraphics& graphics);
    bool CreateFromGdiDib(const BITMAPINFO* info, void* bits);
    bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
    bool CreateFromHICON(HICON icon);
    bool CreateFromResource(HINSTANCE instance, const std::wstring& resourceName);
    // The same for a resource known by its number.
    bool CreateFromResource(HINSTANCE instance, int resourceId);
    // A new GDI bitmap of this bitmap's pixels over `background`; empty on failure.
    UniqueBitmap GetHBITMAP(GxArgb background = 0) const;
    UniqueIcon GetHICON() const;
    bool CloneArea(const GxRectF& area, Gdiplus::PixelFormat pixelFormat, GxBitmap& target) const;
    bool CloneAreaI(const GxRect& area, Gdiplus::PixelFormat pixelFormat, GxBitmap& target) const;
    bool LockBits(const GxRect& area, unsigned flags, Gdiplus::PixelFormat pixelFormat, Gdiplus::BitmapData& data);
    bool UnlockBits(Gdiplus::BitmapData& data);
    // 0 when the call fails (for example outside the bitmap).
    GxArgb GetPixel(int x, int y) const;
    bool SetPixel(int x, int y, GxArgb color);
    bool SetResolution(float dpiX, float dpiY);
    // Applies `effect` to the whole bitmap or to `area`; the auxiliary data
    // GDI+ returns is handed to the effect object.
    bool ApplyEffect(GxEffect& effect, const std::optional<RECT>& area = std::nullopt);
    // Draws this bitmap rotated by `angle` degrees about its centre into a
    // new 32-bit ARGB bitmap just large enough, attached to `target`.
    bool RotateToNew(float angle, GxBitmap& target, std::optional<GxArgb> background = std::nullopt,
                     std::optional<Gdiplus::InterpolationMode> interpolation = std::nullopt) const;
    // Extent of a width x height picture rotated by `angle` degrees, measured
    // between the centres of its corner pixels.
    static void RotatedSize(float width, float height, float angle, float& outWidth, float& outHeight);

    Gdiplus::GpBitmap* NativeBitmap() const noexcept { return Native<Gdiplus::GpBitmap>(); }

private:
    bool AttachCreated(Gdiplus::GpBitmap* bitmap, bool ok);
};

}  // namespace pelorin
