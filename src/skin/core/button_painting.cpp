#include "skin/core/button_painting.h"

#include "base/handle.h"
#include "graphics/gx_brushes.h"
#include "graphics/gx_font.h"
#include "graphics/gx_string_format.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

ControlSurface::ControlSurface(HWND window, const RECT& rect) : dc_(BuildControlBackground(window, rect)) {}
ControlSurface::~ControlSurface() { ReleaseSurface(dc_); }

COLORREF TextColorOf(HWND window) { return static_cast<COLORREF>(GetPropValue(window, prop::kTextColor)); }
COLORREF DisabledTextColorOf(HWND window) {
    return static_cast<COLORREF>(GetPropValue(window, prop::kDisabledTextColor));
}

void DrawBoxCaption(GxGraphics& graphics, HWND window, const ButtonRecord& button, int glyphWidth, const RECT& client) {
    const float x = static_cast<float>(client.left + glyphWidth - 4);
    const float y = static_cast<float>(client.top);
    const float w = static_cast<float>(client.right - client.left);
    const float h = static_cast<float>(client.bottom - client.top);
    if (button.glowColor != kNoColor) {
        GlowTextOptions options;
        options.blurFactor = 4;
        options.fontName = button.fontName;
        options.fontStyle = button.fontStyle;
        options.fontSize = static_cast<float>(button.fontSize);
        options.horizontalAlign = Gdiplus::StringAlignmentNear;
        options.verticalAlign = Gdiplus::StringAlignmentCenter;
        DrawGlowText(graphics, button.caption, GxRectF(x, y + 1, w, h + 1), TextColorOf(window), button.glowColor,
                     options);
        return;
    }
    GxFont font;
    GxSolidBrush brush;
    GxStringFormat format;
    if (!font.CreateFontByName(button.fontName, static_cast<float>(button.fontSize), button.fontStyle,
                               Gdiplus::UnitPixel) ||
        !brush.Create(ToArgb(TextColorOf(window), 254)) || !format.Create(Gdiplus::StringFormatFlagsNoWrap))
        return;
    format.SetAlign(Gdiplus::StringAlignmentNear);
    format.SetLineAlign(Gdiplus::StringAlignmentCenter);
    graphics.DrawString(button.caption, font, brush, GxRectF(x, y + 2, w, h + 1), format);
}

void ShowSurface(HWND window, HDC surface) {
    RECT client{};
    ::GetClientRect(window, &client);
    CopyToFrameCopy(window, surface);
    WindowDc dc(window);
    if (dc.Get()) ::BitBlt(dc.Get(), 0, 0, client.right, client.bottom, surface, 0, 0, SRCCOPY);
}

}  // namespace pelorin::skin
