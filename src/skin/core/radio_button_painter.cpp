// The radio button: a round mark drawn with paths in the glyph cell's place
// (so radio captions line up with check-box captions), then the caption.

#include "graphics/gx_brushes.h"
#include "graphics/gx_path.h"
#include "graphics/gx_pen.h"
#include "skin/core/button_painting.h"
#include "skin/core/check_glyphs.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"

namespace pelorin::skin {

namespace {

constexpr float kMarkDiameter = 13;
constexpr float kDotDiameter = 5;

void FillCircle(GxGraphics& graphics, float x, float y, float d, std::uint32_t argb) {
    GxSolidBrush brush;
    if (brush.Create(argb)) graphics.FillEllipse(brush, x, y, d, d);
}

void StrokeCircle(GxGraphics& graphics, float x, float y, float d, std::uint32_t argb, float width) {
    GxPen pen;
    if (pen.Create1(argb, width)) graphics.DrawEllipse(pen, x, y, d, d);
}

// White disc with a black rim; hot or pressed adds a theme-coloured ring,
// checked a theme-coloured dot with a dark edge; disabled greys it all.
void DrawMark(GxGraphics& graphics, const RECT& client, bool checked, bool disabled, bool hot, bool pressed) {
    const float cell = static_cast<float>(kGlyphCellWidth);
    const float x = static_cast<float>(client.left) + (cell - kMarkDiameter) / 2 - 2;
    const float y =
        static_cast<float>(client.top) + (static_cast<float>(client.bottom - client.top) - kMarkDiameter) / 2;
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    FillCircle(graphics, x, y, kMarkDiameter, disabled ? ToArgb(0x00C8C0B8, 255) : ToArgb(0x00FFFFFF, 230));
    StrokeCircle(graphics, x, y, kMarkDiameter, ToArgb(0x00000000, disabled ? 60 : 120), 1);
    if (hot || pressed)
        StrokeCircle(graphics, x + 1, y + 1, kMarkDiameter - 2, ToArgb(skinDefaults.themeColor, pressed ? 220 : 150),
                     1.5f);
    if (checked) {
        const float inset = (kMarkDiameter - kDotDiameter) / 2;
        FillCircle(graphics, x + inset, y + inset, kDotDiameter,
                   disabled ? ToArgb(0x00808080, 255) : ToArgb(skinDefaults.themeColor, 255));
        StrokeCircle(graphics, x + inset, y + inset, kDotDiameter, ToArgb(0x00000000, 90), 1);
    }
}

}  // namespace

void PaintRadioButton(HWND window, UINT state) {
    const ButtonContext context = FindControl(window, &FormRecord::buttons);
    if (!context) return;
    const bool checked = ::SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool disabled = (state & ODS_DISABLED) != 0;
    const bool hot = !disabled && (state & ODS_HOTLIGHT) != 0;
    const bool pressed = !disabled && (state & ODS_SELECTED) != 0;
    RECT client{};
    ::GetClientRect(window, &client);
    const ControlSurface surface(window, client);
    if (!surface.Dc()) return;
    {
        SurfaceCanvas canvas(surface.Dc());
        if (!canvas) return;
        GxGraphics& graphics = canvas.Graphics();
        graphics.SetClipRectI(client.left, client.top, client.right - client.left, client.bottom - client.top);
        DrawMark(graphics, client, checked, disabled, hot, pressed);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeDefault);
        DrawBoxCaption(graphics, window, *context.record, kGlyphCellWidth, client);
    }
    ShowSurface(window, surface.Dc());
}

}  // namespace pelorin::skin
