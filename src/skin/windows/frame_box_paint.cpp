// FrameBox painting: the backbuffer over the form background with the
// background fill, the outline or frame picture, the inner shadow, the icon
// and the buttons; a button redrawn alone; presenting the kept backbuffer.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/handle.h"
#include "graphics/gx_bitmap.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/container_blit.h"
#include "skin/windows/frame_box.h"

namespace pelorin::skin {

namespace {

constexpr float kOutlineCorner = 8;
constexpr std::uint32_t kOutlineAlpha = 0xC8;

// The three rings of the inner shadow, from the outside in.
struct ShadowRing {
    float inset;
    float corner;  // rounded styles only
    std::uint32_t alpha;
};
constexpr ShadowRing kShadowRings[] = {{1, 5, 0x50}, {2, 3, 0x1E}, {3, 1, 0x0A}};

bool IsRounded(std::int32_t style) { return (style & kFrameRounded) != 0; }
bool HasShadow(std::int32_t style) { return (style & kFrameSquareShadow) != 0; }

// Takes a surface of memoryDcList over into the caller's ownership.
SurfacePtr TakeSurface(HDC dc) {
    if (!dc) return nullptr;
    auto found = std::find_if(memoryDcList.begin(), memoryDcList.end(),
                              [dc](const SurfacePtr& entry) { return entry && entry->Dc() == dc; });
    if (found == memoryDcList.end()) return nullptr;
    SurfacePtr surface = std::move(*found);
    memoryDcList.erase(found);
    return surface;
}

// A picture that cannot be decoded draws nothing.
void DrawPicture(GxGraphics& graphics, const Bytes& png, DecodedPicture& pixels, float x, float y, float w, float h) {
    if (png.empty()) return;
    GxBitmap bitmap;
    if (pixels.Wrap(png, bitmap)) graphics.DrawImageRect(bitmap, x, y, w, h);
}

void DrawInnerShadow(GxGraphics& graphics, float width, float height, bool rounded) {
    for (const ShadowRing& ring : kShadowRings) {
        const GxPath path = rounded ? RoundedPath(ring.inset, ring.inset, width - 1, height - 1, ring.corner)
                                    : RectanglePath(ring.inset, ring.inset, width - 1, height - 1);
        StrokePath(graphics, path, ToArgb(kBlack, ring.alpha));
    }
}

struct ButtonPicture {
    const Bytes& png;
    DecodedPicture& pixels;
};

ButtonPicture PictureOf(FrameButton& button) {
    if (button.pressed) return {button.pressedPng, button.pressedPixels};
    if (button.hot) return {button.hotPng, button.hotPixels};
    return {button.normalPng, button.normalPixels};
}

}  // namespace

void FrameBox::Paint() {
    if (!container_) return;
    backbuffer_.reset();
    const SIZE client = ClientSize();
    const int w = client.cx, h = client.cy;
    if (w <= 0 || h <= 0) return;
    backbuffer_ = TakeSurface(BuildControlBackground(container_, RECT{0, 0, w, h}));
    if (!backbuffer_) return;
    {
        SurfaceCanvas canvas(*backbuffer_);
        if (canvas) {
            GxGraphics& g = canvas.Graphics();
            const float fw = static_cast<float>(w), fh = static_cast<float>(h);
            GxPath shape;
            shape.Create(Gdiplus::FillModeAlternate);
            if (hasPicture_) {
                g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
                g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
                const float border = static_cast<float>(picture_.GetBorderWidth());
                picture_.SetBounds(0, 0, w, h);
                RoundClipPath(shape, border - 1, border - 1, fw - border - 1, fh - border - 1,
                              static_cast<float>(picture_.GetCornerSize()));
                g.SetClipPath(shape);
            } else if (IsRounded(style_)) {
                RoundRectPath(shape, 0, 0, fw - 1, fh - 1, kOutlineCorner);
                g.SetClipPath(shape);
            } else {
                shape.AddRectangle(0, 0, fw - 1, fh - 1);
            }
            FillBackground(g, shape);
            if (hasPicture_) {
                g.ResetClip();
                picture_.DrawNormal(g);
            } else if (HasShadow(style_)) {
                DrawInnerShadow(g, fw, fh, IsRounded(style_));
            }
            g.ResetClip();
            if (!hasPicture_) StrokePath(g, shape, ToArgb(frameColor_, kOutlineAlpha));
            DrawIcon(g);
            for (std::size_t i = 0; i < items_.size(); ++i) DrawButton(static_cast<std::int32_t>(i + 1), &g);
        }
    }
    CopyToFrameCopy(container_, backbuffer_->Dc());
    BlitLeavingOutChildren(container_, nullptr, backbuffer_->Dc(), w, h, ChildClip::All);
    InvalidateVisibleChildren();
}

void FrameBox::FillBackground(GxGraphics& graphics, const GxPath& path) const {
    const std::uint32_t argb = ToArgb(static_cast<COLORREF>(backColor_), static_cast<std::uint32_t>(backAlpha_));
    if ((argb >> 24) == 0) return;  // nothing to see
    FillPathSolid(graphics, path, argb);
}

void FrameBox::DrawIcon(GxGraphics& graphics) {
    const float x = std::trunc(static_cast<float>(BorderWidthProperty()) + 3);
    const float y = std::trunc((ClientSize().cy - iconHeight_) / 2.0f);
    DrawPicture(graphics, iconPng_, iconPixels_, x, y, static_cast<float>(iconWidth_), static_cast<float>(iconHeight_));
}

void FrameBox::DrawButton(std::int32_t index, GxGraphics* graphics) {
    FrameButton* button = Button(index);
    if (!button) return;
    const ButtonPicture picture = PictureOf(*button);
    const RECT& r = button->rect;
    const float bw = static_cast<float>(button->width), bh = static_cast<float>(button->height);
    if (graphics) {
        DrawPicture(*graphics, picture.png, picture.pixels, static_cast<float>(r.left), static_cast<float>(r.top), bw,
                    bh);
        return;
    }
    // Alone: over the form background behind the button, straight onto the
    // container; the backbuffer and the form's copy keep the last paint.
    if (!container_) return;
    const SurfacePtr surface = TakeSurface(BuildControlBackground(container_, r));
    if (!surface) return;
    {
        SurfaceCanvas canvas(*surface);
        if (!canvas) return;
        FillBackground(canvas.Graphics(), RectanglePath(0, 0, bw, bh));
        DrawPicture(canvas.Graphics(), picture.png, picture.pixels, 0, 0, bw, bh);
    }
    WindowDc dc(container_);
    if (dc.Get()) ::BitBlt(dc.Get(), r.left, r.top, surface->Width(), surface->Height(), surface->Dc(), 0, 0, SRCCOPY);
}

void FrameBox::Present(HDC dc) {
    if (!container_) return;
    if (!backbuffer_) {
        Paint();
        return;
    }
    const SIZE client = ClientSize();
    const int w = std::min<int>(client.cx, backbuffer_->Width());
    const int h = std::min<int>(client.cy, backbuffer_->Height());
    // A given DC stays the caller's: it is clipped for the copy and restored.
    BlitLeavingOutChildren(container_, dc, backbuffer_->Dc(), w, h, ChildClip::All);
    CopyToFrameCopy(container_, backbuffer_->Dc());
}

}  // namespace pelorin::skin
