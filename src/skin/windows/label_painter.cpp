// Drawing a label: its text over the form background behind it, with a glow
// when it has a glow colour, kept in the form's frameCopy for later paints.
#include <windows.h>

#include <string>

#include "base/window_text.h"
#include "graphics/gx_font.h"
#include "graphics/gx_string_format.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/container_blit.h"
#include "skin/windows/label.h"

namespace pelorin::skin {

namespace {

// The layout box reaches 2 pixels left of the label and 6 right of it, so
// that a glow at the ends is not cut by the box.
constexpr float kLayoutShift = -2;
constexpr float kLayoutExtra = 8;

Gdiplus::StringAlignment Alignment(std::int32_t value) {
    return value == 1   ? Gdiplus::StringAlignmentCenter
           : value == 2 ? Gdiplus::StringAlignmentFar
                        : Gdiplus::StringAlignmentNear;
}

void DrawText(HDC surface, const LabelRecord& label, const std::wstring& text, int w, int h) {
    if (text.empty()) return;
    SurfaceCanvas canvas(surface);
    GxStringFormat format;
    if (!canvas ||
        !format.Create(label.wrap ? Gdiplus::StringFormatFlagsLineLimit
                                  : (Gdiplus::StringFormatFlagsLineLimit | Gdiplus::StringFormatFlagsNoWrap)))
        return;
    format.SetAlign(Alignment(label.horizontalAlign));
    format.SetLineAlign(Alignment(label.verticalAlign));
    GxGraphics& graphics = canvas.Graphics();
    const GxRectF layout{kLayoutShift, 0, static_cast<float>(w) + kLayoutExtra, static_cast<float>(h)};
    if (label.glowOn) {
        GlowTextOptions options;
        options.fontName = label.fontName;
        options.fontSize = static_cast<float>(label.fontSize);
        options.fontStyle = label.fontStyle;
        options.horizontalAlign = Alignment(label.horizontalAlign);
        options.verticalAlign = Alignment(label.verticalAlign);
        options.wrap = label.wrap != 0;
        options.format = &format;
        DrawGlowText(graphics, text, layout, label.textColor, label.glowColor, options);
        return;
    }
    GxFont font;
    GxSolidBrush brush;
    if (!font.CreateFontByName(label.fontName, static_cast<float>(label.fontSize), label.fontStyle,
                               Gdiplus::UnitPixel) ||
        !brush.Create(ToArgb(label.textColor)))
        return;
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    graphics.DrawString(text, font, brush, layout, format);
}

}  // namespace

void DrawLabel(std::int32_t formIndex, std::int32_t index, const std::optional<std::wstring>& text, HDC target) {
    FormRecord* form = formRegistry.At(formIndex);
    LabelRecord* label = form ? form->labels.At(index) : nullptr;
    if (!label || !label->window) return;
    const HWND window = label->window;
    RECT client{};
    ::GetClientRect(window, &client);
    const int w = client.right;
    const int h = client.bottom;
    if (w <= 0 || h <= 0) return;
    const HDC surface = BuildControlBackground(window, ClientAreaInWindow(window));
    if (!surface) return;
    ::GdiFlush();
    DrawText(surface, *label, text ? *text : WindowText(window), w, h);
    CopyToFrameCopy(window, surface, false, false);
    BlitLeavingOutChildren(window, target, surface, w, h, ChildClip::All);
    ReleaseSurface(surface);
    label->backgroundStale = false;
}

}  // namespace pelorin::skin
