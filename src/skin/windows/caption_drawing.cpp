// The title area's own drawings: icon and caption text, and the caption
// buttons in their normal, fading and pressed states. Each redraw starts from
// the cached title area, so it can be repeated (a fade tick) without leaving
// anything behind.
#include <algorithm>
#include <array>

#include "base/window_text.h"
#include "graphics/gx_bitmap.h"
#include "graphics/gx_brushes.h"
#include "graphics/gx_font.h"
#include "graphics/gx_path.h"
#include "graphics/gx_pen.h"
#include "graphics/gx_string_format.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/form_record.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/frame_parts.h"
#include "skin/windows/frame_render.h"

namespace pelorin::skin {

namespace {

constexpr int kFlagNoWrap = 0x1000;     // StringFormatFlagsNoWrap
constexpr int kFlagLineLimit = 0x2000;  // StringFormatFlagsLineLimit
constexpr int kIconSize = 17;
constexpr int kTextBoxHeight = 42;
constexpr float kHaloAlpha = 150;
constexpr float kCloseCorner = 5;
constexpr float kOverlayCorner = 1;
constexpr GxArgb kTransparentWhite = 0x00FFFFFF;
constexpr GxArgb kTransparentBlack = 0x00000000;
constexpr COLORREF kCloseRed = 0x000000FF;

GxArgb White(std::uint32_t alpha) { return alpha << 24 | 0x00FFFFFF; }
GxArgb Black(std::uint32_t alpha) { return alpha << 24; }

// Restores `rect` of the frame buffer from the cached title area (as far as
// the cache reaches).
void RestoreFromTitleCache(const FormRecord& form, GxGraphics& graphics, const RECT& rect) {
    graphics.Flush(Gdiplus::FlushIntentionSync);
    const MemorySurface& cache = *form.titleCache;
    const int right = std::min<int>(rect.right, cache.Width());
    const int bottom = std::min<int>(rect.bottom, cache.Height());
    if (right <= rect.left || bottom <= rect.top) return;
    ::BitBlt(form.frameBuffer->Dc(), rect.left, rect.top, right - rect.left, bottom - rect.top, cache.Dc(), rect.left,
             rect.top, SRCCOPY);
    ::GdiFlush();  // GDI+ draws into the same pixels next
}

bool CreateCaptionFont(GxFont& font, const FormRecord& form) {
    const int style = form.titleFontStyle ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
    const float size = static_cast<float>(form.titleFontSize);
    if (font.CreateFontByName(form.titleFontName, size, style, Gdiplus::UnitPixel)) return true;
    // A caption never disappears for want of its face.
    GxFontFamily family;
    return family.GetGenericSansSerif() && font.Create(family, size, style, Gdiplus::UnitPixel);
}

void DrawHaloText(GxGraphics& graphics, const FormRecord& form, const std::wstring& text, const GxRectF& box) {
    GxFont font;
    GxStringFormat format;
    if (!CreateCaptionFont(font, form) || !format.Create(kFlagLineLimit | kFlagNoWrap)) return;
    const bool halo = form.titleShadowColor != kNoColor;
    if (halo) {
        GxSolidBrush shadow;
        struct Shift {
            float x, y;
        };
        constexpr std::array<Shift, 4> kShifts{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
        if (shadow.Create(ToArgb(form.titleShadowColor, static_cast<std::uint32_t>(kHaloAlpha))))
            for (const Shift& shift : kShifts)
                graphics.DrawString(text, font, shadow,
                                    GxRectF(box.X + shift.x, box.Y + shift.y, box.Width, box.Height), format);
    }
    GxSolidBrush brush;
    if (brush.Create(ToArgb(form.titleTextColor))) graphics.DrawString(text, font, brush, box, format);
}

// The close button's shape: a rectangle whose top-right corner is rounded.
void CloseButtonPath(GxPath& path, float x, float y, float w, float h) {
    if (!path.Create()) return;
    const float r = kCloseCorner;
    path.AddLine(x, y, x + w - r / 2, y);
    path.AddArc(x + w - r, y, r, r, 270, 90);
    path.AddLine(x + w, y + r / 2, x + w, y + h);
    path.AddLine(x + w, y + h, x, y + h);
    path.CloseFigure();
}

void ButtonShape(GxPath& path, bool isClose, float x, float y, float w, float h) {
    if (isClose) {
        CloseButtonPath(path, x, y, w, h);
    } else if (path.Create()) {
        path.AddRectangle(x, y, w, h);
    }
}

void FillShape(GxGraphics& graphics, const GxPath& path, float y, float h, GxArgb top, GxArgb bottom) {
    GxLinearGradientBrush brush;
    if (brush.Create(GxPointF(0, y), GxPointF(0, y + h), top, bottom, Gdiplus::WrapModeTileFlipXY))
        graphics.FillPath(brush, path);
}

void DrawPicture(GxGraphics& graphics, const Bytes& picture, float x, float y, float w, float h) {
    if (picture.empty()) return;
    GxBitmap image;
    if (image.LoadFromBytes(picture)) graphics.DrawImageRect(image, x, y, w, h);
}

void DrawSeparator(GxGraphics& graphics, float x, float top, float bottom, std::uint32_t alpha) {
    GxLinearGradientBrush brush;
    GxPen pen;
    if (brush.Create(GxPointF(x, top), GxPointF(x, bottom), Black(alpha), kTransparentBlack,
                     Gdiplus::WrapModeTileFlipXY) &&
        pen.Create2(brush, 1))
        graphics.DrawLine(pen, x, top, x, bottom);
}

// The hover highlight of a fading button at opacity a (1..255).
void DrawOverlay(GxGraphics& graphics, bool isClose, float x, float y, float w, float h, std::uint32_t a) {
    GxPath body;
    RoundRectPath(body, x, y, w, h, kOverlayCorner);
    FillShape(graphics, body, y, h, Black(a / 5), kTransparentWhite);

    GxPath shape;
    ButtonShape(shape, isClose, x, y, w, h);
    FillShape(graphics, shape, y, h, ToArgb(isClose ? kCloseRed : skinDefaults.themeColor, a), kTransparentWhite);

    // A light rim over the upper part, inside the button's last column.
    GxPath rim;
    ButtonShape(rim, isClose, x, y, w - 1, h * 0.8f);
    GxLinearGradientBrush rimBrush;
    GxPen rimPen;
    if (rimBrush.Create(GxPointF(0, y), GxPointF(0, y + h * 0.8f), White(static_cast<std::uint32_t>(a * 0.8f)),
                        kTransparentWhite, Gdiplus::WrapModeTileFlipXY) &&
        rimPen.Create2(rimBrush, 1))
        graphics.DrawPath(rimPen, rim);
}

}  // namespace

void DrawCaptionText(std::int32_t form, GxGraphics& graphics, bool offScreenOnly,
                     const std::optional<std::wstring>& text) {
    FormRecord* record = FormAt(form);
    if (!record || !record->frameBuffer || !record->titleCache) return;
    FormRecord& f = *record;

    const int b = skinDefaults.frameBorderWidth;
    const int iconX = b + 6;
    const int iconY = b + 1;
    const bool drawIcon = !f.hasOwnIcon && skinDefaults.skinIcon;
    const int left = drawIcon ? iconX + 20 : iconX - 3;
    const int top = iconY + 3;
    const int width = std::max(0, f.frameBuffer->Width() - f.captionStripWidth - 10 - 2 * b);
    const RECT box{left, top, left + width, top + kTextBoxHeight};
    // The icon lies left of the text box; both are restored together.
    const RECT area{std::min(left, iconX), std::min(top, iconY), box.right, box.bottom};

    RestoreFromTitleCache(f, graphics, area);
    if (drawIcon) {
        ::DrawIconEx(f.frameBuffer->Dc(), iconX, iconY, skinDefaults.skinIcon, kIconSize, kIconSize, 0, nullptr,
                     DI_NORMAL);
        ::GdiFlush();
    }

    const std::wstring caption = text ? *text : WindowText(f.window);
    if (!caption.empty() && width > 0) {
        const GxRectF layout(static_cast<float>(left), static_cast<float>(top), static_cast<float>(width),
                             static_cast<float>(kTextBoxHeight));
        if (f.titleShadowColor != kNoColor && f.titleTextOutlined) {
            GlowTextOptions options;
            options.fontName = f.titleFontName;
            options.fontSize = static_cast<float>(f.titleFontSize);
            options.fontStyle = f.titleFontStyle ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
            options.wrap = false;
            DrawGlowText(graphics, caption, layout, f.titleTextColor, f.titleShadowColor, options);
        } else {
            DrawHaloText(graphics, f, caption, layout);
        }
    }
    graphics.Flush(Gdiplus::FlushIntentionSync);
    if (!offScreenOnly) PublishFrameRect(f, area);
}

void DrawCaptionButton(std::int32_t form, std::int32_t button, GxGraphics& graphics, bool offScreenOnly, bool pressed,
                       std::int32_t overlayOpacity) {
    FormRecord* record = FormAt(form);
    if (!record || !record->frameBuffer || !record->titleCache) return;
    FormRecord& f = *record;
    if (button < 1 || button > static_cast<std::int32_t>(f.captionButtons.size())) return;
    const CaptionButton& cb = f.captionButtons[static_cast<std::size_t>(button - 1)];
    const CaptionButton* next = button < static_cast<std::int32_t>(f.captionButtons.size())
                                    ? &f.captionButtons[static_cast<std::size_t>(button)]
                                    : nullptr;

    const int x = cb.rect.left - 1;
    const int y = f.captionStripTop + 1;
    const int w = cb.width;
    const int h = cb.height;
    const bool isClose = cb.kind == kCaptionClose;
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);

    // Everything one state draws lies in its area, which is restored first and
    // clipped to, so redrawing a state gives the same pixels again: the normal
    // state reaches from its own separator (two columns left) to the next
    // button's separator.
    RECT area{x, y, x + w, y + h};
    const int separatorX = x - 2;
    const int nextSeparatorX = next ? next->rect.left - 1 - 2 : 0;
    if (!pressed) {
        area.left = separatorX;
        if (next) area.right = std::max<int>(area.right, nextSeparatorX + 1);
    }
    RestoreFromTitleCache(f, graphics, area);
    graphics.SetClipRectI(area.left, area.top, area.right - area.left, area.bottom - area.top);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);

    if (pressed) {
        GxPath shape;
        ButtonShape(shape, isClose, fx, fy, fw, fh);
        if (isClose)
            FillShape(graphics, shape, fy, fh, ToArgb(kCloseRed, 255), White(30));
        else
            FillShape(graphics, shape, fy, fh, Black(80), White(5));
        DrawPicture(graphics, cb.picture, fx, fy, fw - 1, fh);
    } else {
        const auto a = static_cast<std::uint32_t>(std::clamp(overlayOpacity, 0, 255));
        if (a > 0) DrawOverlay(graphics, isClose, fx, fy, fw, fh, a);
        GxLinearGradientBrush gloss;
        if (gloss.Create(GxPointF(0, fy), GxPointF(0, fy + fh), White(50), kTransparentBlack,
                         Gdiplus::WrapModeTileFlipXY))
            graphics.FillRectangle(gloss, fx - 1, fy, fw + 1, fh - 1);
        const bool showAlt = cb.kind == kCaptionMaximize && f.isMaximized && !cb.altPicture.empty();
        DrawPicture(graphics, showAlt ? cb.altPicture : cb.picture, fx, fy, fw, fh);

        const float top = static_cast<float>(f.captionStripTop + 1);
        const float bottom = static_cast<float>(f.captionStripTop + f.captionStripHeight - 4);
        DrawSeparator(graphics, static_cast<float>(separatorX), top, bottom, button == 1 ? 100 : 60);
        if (next) DrawSeparator(graphics, static_cast<float>(nextSeparatorX), top, bottom, 60);
    }
    graphics.ResetClip();
    graphics.Flush(Gdiplus::FlushIntentionSync);
    if (!offScreenOnly) PublishFrameRect(f, area);
}

}  // namespace pelorin::skin
