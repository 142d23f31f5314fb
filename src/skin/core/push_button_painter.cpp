// The owner-drawn push button: a translucent rounded body over the form
// background, state gradients, the form's nine-slice frame or a plain outline,
// and the caption; a hot picture fades in instead of being copied at once.

#include <optional>

#include "base/handle.h"
#include "skin/core/button_fade.h"
#include "graphics/gx_brushes.h"
#include "graphics/gx_font.h"
#include "graphics/gx_path.h"
#include "graphics/gx_pen.h"
#include "graphics/gx_string_format.h"
#include "skin/core/button_painting.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"

namespace pelorin::skin {

namespace {

constexpr COLORREF kFocusGlowColor = 0x00DDCA22;  // fixed, whatever the theme
constexpr float kPlainCorner = 5;

struct ButtonBox {
    float x, y, w, h;
};

void FillVertical(GxGraphics& graphics, const GxPath& path, float x, float y1, float y2, std::uint32_t top,
                  std::uint32_t bottom) {
    GxLinearGradientBrush brush;
    if (brush.Create(GxPointF(x, y1), GxPointF(x, y2), top, bottom)) graphics.FillPath(brush, path);
}

void FillSolid(GxGraphics& graphics, const GxPath& path, std::uint32_t argb) {
    GxSolidBrush brush;
    if (brush.Create(argb)) graphics.FillPath(brush, path);
}

void Outline(GxGraphics& graphics, const GxPath& path, std::uint32_t argb) {
    GxPen pen;
    if (pen.Create1(argb, 1)) graphics.DrawPath(pen, path);
}

GxPath RoundRect(const ButtonBox& box, float corner) {
    GxPath path;
    if (path.Create()) RoundRectPath(path, box.x, box.y, box.w - 1, box.h - 1, corner);
    return path;
}

// The form's frame, or none. The frame is drawn unclipped; the body inside
// it is clipped to the inner rounded shape.
class FrameClip {
public:
    FrameClip(GxGraphics& graphics, NineSliceFrame* frame, const ButtonBox& box) : graphics_(graphics), frame_(frame) {
        if (!frame_) return;
        frame_->SetBounds(static_cast<std::int32_t>(box.x), static_cast<std::int32_t>(box.y),
                          static_cast<std::int32_t>(box.w), static_cast<std::int32_t>(box.h));
        const float b = static_cast<float>(frame_->GetBorderWidth());
        corner_ = static_cast<float>(frame_->GetCornerSize());
        graphics_.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics_.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
        if (inner_.Create())
            RoundClipPath(inner_, box.x + b - 1, box.y + b - 1, box.w - 2 * b + 1, box.h - 2 * b + 1, corner_);
        Clip();
    }
    bool HasFrame() const noexcept { return frame_ != nullptr; }
    float Corner() const noexcept { return corner_; }
    const GxPath& Inner() const noexcept { return inner_; }
    void Clip() { graphics_.SetClipPath(inner_); }
    // Draws one state of the frame outside the clip, then clips again.
    template <typename Draw>
    void DrawFrame(Draw draw) {
        DrawUnclipped(draw);
        Clip();
    }
    // The same, leaving the clip off.
    template <typename Draw>
    void DrawUnclipped(Draw draw) {
        graphics_.ResetClip();
        draw(*frame_, graphics_);
    }

private:
    GxGraphics& graphics_;
    NineSliceFrame* frame_;
    GxPath inner_;
    float corner_ = kPlainCorner;
};

void DrawHot(GxGraphics& graphics, FrameClip& frame, const GxPath& body, const ButtonBox& box) {
    if (frame.HasFrame()) {
        frame.DrawFrame([](const NineSliceFrame& f, GxGraphics& g) { f.DrawHot(g); });
        return;
    }
    const float top = box.y;
    const float bottom = box.y + box.h - 1;
    FillVertical(graphics, body, box.x, top, bottom, ToArgb(skinDefaults.themeColor, 30), ToArgb(kBlack, 10));
    FillVertical(graphics, body, box.x, top, bottom, ToArgb(skinDefaults.themeColor, 60), ToArgb(kWhite, 80));
    FillVertical(graphics, body, box.x, top, bottom, ToArgb(kWhite, 100), ToArgb(skinDefaults.themeColor, 30));
    Outline(graphics, body, ToArgb(kBlack, 150));
    Outline(graphics, body, ToArgb(skinDefaults.themeColor, 100));
}

void DrawFocused(GxGraphics& graphics, FrameClip& frame, const GxPath& body) {
    if (frame.HasFrame()) {
        frame.DrawFrame([](const NineSliceFrame& f, GxGraphics& g) { f.DrawFocused(g); });
        return;
    }
    graphics.SetClipPath(body);
    StrokeGlow(graphics, body, 3, kFocusGlowColor, 120);
    graphics.ResetClip();
    Outline(graphics, body, ToArgb(kBlack, 80));
}

void DrawNormal(GxGraphics& graphics, FrameClip& frame, const GxPath& body) {
    if (frame.HasFrame()) {
        frame.DrawFrame([](const NineSliceFrame& f, GxGraphics& g) { f.DrawNormal(g); });
        return;
    }
    Outline(graphics, body, ToArgb(kBlack, 120));
}

void DrawDisabled(GxGraphics& graphics, FrameClip& frame, const ButtonBox& box) {
    GxPath body = RoundRect(box, kPlainCorner);
    FillSolid(graphics, body, ToArgb(0x00C0C0C0, 255));
    FillVertical(graphics, body, box.x, box.y, box.y + box.h, ToArgb(kWhite, 10), ToArgb(kWhite, 50));
    if (frame.HasFrame())
        frame.DrawUnclipped([](const NineSliceFrame& f, GxGraphics& g) { f.DrawDisabled(g); });
    else
        Outline(graphics, body, ToArgb(kBlack, 80));
}

void DrawPressed(GxGraphics& graphics, const ButtonBox& box) {
    GxPath path;
    if (!path.Create()) return;
    RoundRectPath(path, box.x + 2, box.y + 2, box.w - 3, box.h - 3, kPlainCorner);
    FillVertical(graphics, path, 2, 2, box.h - 2, ToArgb(skinDefaults.themeColor, 60), ToArgb(kWhite, 100));
}

void DrawCaption(GxGraphics& graphics, HWND window, const ButtonRecord& button, bool disabled, const ButtonBox& box) {
    if (button.glowColor != kNoColor) {
        GlowTextOptions options;
        options.blurFactor = 4;
        options.fontName = button.fontName;
        options.fontStyle = button.fontStyle;
        options.fontSize = static_cast<float>(button.fontSize);
        options.horizontalAlign = Gdiplus::StringAlignmentCenter;
        options.verticalAlign = Gdiplus::StringAlignmentCenter;
        options.wrap = true;
        options.trimming = false;
        DrawGlowText(graphics, button.caption, GxRectF(0, 0, box.w, box.h + 2), TextColorOf(window), button.glowColor,
                     options);
        return;
    }
    GxFont font;
    GxSolidBrush brush;
    GxStringFormat format;
    const COLORREF color = disabled ? DisabledTextColorOf(window) : TextColorOf(window);
    if (!font.CreateFontByName(button.fontName, static_cast<float>(button.fontSize), button.fontStyle,
                               Gdiplus::UnitPixel) ||
        !brush.Create(ToArgb(color, 255)) || !format.Create())
        return;
    format.SetAlign(Gdiplus::StringAlignmentCenter);
    format.SetLineAlign(Gdiplus::StringAlignmentCenter);
    format.SetHotkeyPrefix(Gdiplus::HotkeyPrefixShow);
    graphics.DrawString(button.caption, font, brush, GxRectF(0, 2, box.w, box.h), format);
}

// Steps 2 to 9: everything drawn with GDI+ into the surface's pixels. The
// graphics object is gone when this returns, so the surface can be copied.
void DrawButton(HDC surface, HWND window, ButtonContext context, UINT state, const ButtonBox& box) {
    SurfaceCanvas canvas(surface);
    if (!canvas) return;
    GxGraphics& graphics = canvas.Graphics();
    FrameClip frame(graphics, context.form->hasButtonFrame ? &context.form->buttonFrame : nullptr, box);
    {
        GxPath shape;
        if (!frame.HasFrame() && shape.Create()) RoundRectPath(shape, box.x, box.y, box.w - 1, box.h - 1, kPlainCorner);
        FillSolid(graphics, frame.HasFrame() ? frame.Inner() : shape, ToArgb(kWhite, 160));
    }
    const bool disabled = (state & ODS_DISABLED) != 0;
    if (disabled) {
        DrawDisabled(graphics, frame, box);
    } else {
        {
            GxPath body = RoundRect(box, frame.HasFrame() ? frame.Corner() : kPlainCorner);
            FillVertical(graphics, body, box.x, box.y, box.y + box.h - 1, ToArgb(kWhite, 30), ToArgb(0x00808080, 60));
            if (state & ODS_HOTLIGHT)
                DrawHot(graphics, frame, body, box);
            else if (state & ODS_FOCUS)
                DrawFocused(graphics, frame, body);
            else
                DrawNormal(graphics, frame, body);
        }
        if (state & ODS_SELECTED) DrawPressed(graphics, box);
    }
    DrawCaption(graphics, window, *context.record, disabled, box);
}

}  // namespace

void PaintPushButton(HWND window, HDC dc, UINT itemState, const RECT& itemRect) {
    const ButtonContext context = FindControl(window, &FormRecord::buttons);
    if (!context) return;
    const ButtonBox box{static_cast<float>(itemRect.left), static_cast<float>(itemRect.top),
                        static_cast<float>(itemRect.right - itemRect.left),
                        static_cast<float>(itemRect.bottom - itemRect.top)};
    const ControlSurface surface(window, itemRect);
    if (!surface.Dc()) return;
    DrawButton(surface.Dc(), window, context, itemState, box);
    CopyToFrameCopy(window, surface.Dc());
    StopFadesFor(window);
    // A DC whose device reports no screen width cannot show anything (a
    // stale or printer DC): draw on the window's own DC instead.
    std::optional<WindowDc> ownDc;
    if (!dc || ::GetDeviceCaps(dc, HORZRES) == 0) dc = ownDc.emplace(window).Get();
    const int w = static_cast<int>(box.w);
    const int h = static_cast<int>(box.h);
    if (itemState & ODS_HOTLIGHT)
        StartFade(window, RECT{0, 0, w, h}, surface.Dc());
    else if (dc)
        ::BitBlt(dc, 0, 0, w, h, surface.Dc(), 0, 0, SRCCOPY);
}

}  // namespace pelorin::skin
