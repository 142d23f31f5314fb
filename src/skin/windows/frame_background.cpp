// The background of a skinned frame: solid colour, picture in one of eleven
// layouts, tint, title gloss, and the outline of title-area windows.
#include <array>

#include "base/handle.h"
#include "graphics/gx_bitmap.h"
#include "graphics/gx_brushes.h"
#include "graphics/gx_image_attributes.h"
#include "graphics/gx_path.h"
#include "graphics/gx_pen.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/frame_parts.h"

namespace pelorin::skin {

namespace {

enum class Fit { Natural, Stretch, TileAcross };

// Where a picture goes: natural-size pictures are placed at the given shares
// of the free space (W - w, H - h).
struct PictureLayout {
    Fit fit;
    float xShare;
    float yShare;
};

constexpr std::array<PictureLayout, 11> kLayouts{{
    {Fit::Natural, 0.0f, 0.0f},     // 0 top-left
    {Fit::Natural, 1.0f, 0.0f},     // 1 top-right
    {Fit::Natural, 0.5f, 0.5f},     // 2 centred
    {Fit::Stretch, 0.0f, 0.0f},     // 3 stretched over the client area
    {Fit::TileAcross, 0.0f, 0.0f},  // 4 repeated across the width
    {Fit::Natural, 0.0f, 1.0f},     // 5 bottom-left
    {Fit::Natural, 1.0f, 1.0f},     // 6 bottom-right
    {Fit::Natural, 0.5f, 1.0f},     // 7 bottom-centre
    {Fit::Natural, 1.0f, 0.5f},     // 8 right-centre
    {Fit::Natural, 0.5f, 0.0f},     // 9 top-centre
    {Fit::Natural, 0.0f, 0.5f},     // 10 left-centre
}};

constexpr GxArgb kWhite = 0x00FFFFFF;  // without alpha

bool HasColor(COLORREF color) { return color != kNoColor; }

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    UniqueBrush brush(::CreateSolidBrush(color));
    if (brush) ::FillRect(dc, &rect, brush.Get());
    ::GdiFlush();  // GDI+ draws into the same pixels next
}

void FillVertical(GxGraphics& graphics, float x, float y, float w, float h, GxArgb top, GxArgb bottom) {
    GxLinearGradientBrush brush;
    if (brush.Create(GxPointF(x, y), GxPointF(x, y + h), top, bottom, Gdiplus::WrapModeTileFlipXY))
        graphics.FillRectangle(brush, x, y, w, h);
}

bool IsOpaque(const GxBitmap& picture) {
    const Gdiplus::PixelFormat format = picture.GetPixelFormat();
    return format != 0 && (format & (PixelFormatAlpha | PixelFormatIndexed)) == 0;
}

// An opaque picture (a JPEG) is stretched by GDI with halftone averaging:
// under Wine that is several times faster than GDI+'s bilinear scaling and
// looks as smooth. Its pixels are read straight into a DIB of their own.
bool StretchOpaque(HDC dc, GxBitmap& picture, int width, int height) {
    if (!IsOpaque(picture)) return false;
    const int w = picture.GetWidth();
    const int h = picture.GetHeight();
    SurfacePtr pixels = MemorySurface::Create(w, h);
    if (!pixels) return false;
    Gdiplus::BitmapData data{};
    data.Width = static_cast<UINT>(w);
    data.Height = static_cast<UINT>(h);
    data.Stride = w * 4;
    data.PixelFormat = PixelFormat32bppRGB;
    data.Scan0 = pixels->Pixels();
    if (!picture.LockBits(GxRect(0, 0, w, h), Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                          PixelFormat32bppRGB, data))
        return false;
    picture.UnlockBits(data);
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    const bool ok = ::StretchBlt(dc, 0, 0, width, height, pixels->Dc(), 0, 0, w, h, SRCCOPY) != FALSE;
    ::GdiFlush();
    return ok;
}

}  // namespace

FormRecord* FormAt(std::int32_t form) { return formRegistry.At(form); }

BackgroundChoice ChooseBackground(const FormRecord& form) {
    if (!form.backgroundPicture.empty())
        return {&form.backgroundPicture, form.backgroundPictureMode, form.backgroundPictureColor};
    return {skinDefaults.skinBackgroundPicture.empty() ? nullptr : &skinDefaults.skinBackgroundPicture,
            skinDefaults.skinPictureMode, skinDefaults.skinBackgroundColor};
}

void PlacePicture(HDC dc, GxGraphics& graphics, GxBitmap& picture, std::int32_t mode, int width, int height) {
    if (mode < 0 || mode >= static_cast<std::int32_t>(kLayouts.size())) return;
    const float w = static_cast<float>(picture.GetWidth());
    const float h = static_cast<float>(picture.GetHeight());
    if (w <= 0 || h <= 0) return;
    const PictureLayout& layout = kLayouts[static_cast<std::size_t>(mode)];
    switch (layout.fit) {
        case Fit::Natural:
            graphics.DrawImageRect(picture, (width - w) * layout.xShare, (height - h) * layout.yShare, w, h);
            break;
        case Fit::Stretch: {
            graphics.Flush(Gdiplus::FlushIntentionSync);
            if (StretchOpaque(dc, picture, width, height)) break;
            // Mirrored edges keep the outermost rows and columns from blending
            // with the transparent outside of the picture.
            GxImageAttributes attributes;
            const bool mirrored = attributes.Create() && attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
            graphics.DrawImageRectRect(picture, 0, 0, static_cast<float>(width), static_cast<float>(height), 0, 0, w, h,
                                       Gdiplus::UnitPixel, mirrored ? &attributes : nullptr);
            break;
        }
        case Fit::TileAcross: {
            GxTextureBrush brush;
            if (brush.Create(picture, Gdiplus::WrapModeTile))
                graphics.FillRectangle(brush, 0, 0, static_cast<float>(width), h);
            break;
        }
    }
}

void DrawFrameTint(const FormRecord& form, HDC dc, GxGraphics& graphics, int width, int height) {
    const int titleHeight = form.titleHeight;
    if (HasColor(form.backgroundColor)) {
        const int top = form.glossTitle ? titleHeight : 0;
        if (form.backgroundAlpha >= 255) {
            graphics.Flush(Gdiplus::FlushIntentionSync);
            FillSolid(dc, RECT{0, top, width, height}, form.backgroundColor);
        } else {
            GxSolidBrush brush;
            const auto alpha = static_cast<std::uint32_t>(form.backgroundAlpha < 0 ? 0 : form.backgroundAlpha);
            if (brush.Create(ToArgb(form.backgroundColor, alpha)))
                graphics.FillRectangleI(brush, 0, top, width, height - top);
        }
    }
    if (form.glossTitle) {
        const float title = static_cast<float>(titleHeight);
        // A black tint (0) takes the white gloss, as no tint does.
        if (HasColor(form.backgroundColor) && form.backgroundColor > 0) {
            const auto alpha = static_cast<std::uint32_t>(form.backgroundAlpha < 0 ? 0 : form.backgroundAlpha);
            FillVertical(graphics, 0, 0, static_cast<float>(width), title,
                         ToArgb(form.backgroundColor, static_cast<std::uint32_t>(alpha * 0.2)),
                         ToArgb(form.backgroundColor, alpha));
        } else {
            FillVertical(graphics, 0, 0, static_cast<float>(width), title, 150u << 24 | kWhite, kWhite);
        }
    }
}

void DrawFrameBackground(const FormRecord& form, HDC dc, GxGraphics& graphics, int width, int height) {
    const BackgroundChoice choice = ChooseBackground(form);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    FillSolid(dc, RECT{0, 0, width, height}, choice.fill);
    if (choice.picture) {
        // A picture that cannot be decoded leaves the plain colour.
        GxBitmap picture;
        if (picture.LoadFromBytes(*choice.picture)) PlacePicture(dc, graphics, picture, choice.mode, width, height);
    }
    DrawFrameTint(form, dc, graphics, width, height);
}

void DrawFrameOutline(GxGraphics& graphics, int width, int height) {
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    struct Ring {
        float inset;
        float corner;
        GxArgb color;
    };
    // The outer ring darkens the edge, the inner one lights the rim inside it.
    constexpr std::array<Ring, 2> kRings{{{0, 7, 155u << 24}, {1, 6, 140u << 24 | kWhite}}};
    for (const Ring& ring : kRings) {
        GxPath path;
        GxPen pen;
        RoundRectPath(path, ring.inset, ring.inset, width - 1 - 2 * ring.inset, height - 1 - 2 * ring.inset,
                      ring.corner);
        if (pen.Create1(ring.color, 1)) graphics.DrawPath(pen, path);
    }
}

}  // namespace pelorin::skin
