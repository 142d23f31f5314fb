// The check box: a box glyph and a check-mark glyph from the check-glyph
// strip, then the caption. During the click animation the box is drawn with
// one animation frame's glyph, frame 4 shrunk about its centre.

#include "graphics/gx_bitmap.h"
#include "skin/core/button_painting.h"
#include "skin/core/check_glyphs.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/control_procs.h"

namespace pelorin::skin {

namespace {

// Draws the strip's cell `cell` scaled by `scale`; at scale 1 at the cell's
// natural size at (x, y + (h - ch) / 2), scaled ones centred on the cell's
// column and on the client height. A cell that fails to decode draws nothing.
// The cell's pixels are decoded once and kept beside its bytes by the strip.
void DrawGlyph(GxGraphics& graphics, std::int32_t cell, const RECT& client, float scale = 1.0f) {
    GxBitmap glyph;
    if (!checkGlyphStrip.WrapFrame(cell, glyph)) return;
    const float cw = static_cast<float>(glyph.GetWidth());
    const float ch = static_cast<float>(glyph.GetHeight());
    const float x = static_cast<float>(client.left);
    const float y = static_cast<float>(client.top);
    const float h = static_cast<float>(client.bottom - client.top);
    const float w = cw * scale;
    const float gh = ch * scale;
    graphics.DrawImageRect(glyph, x + (cw - w) / 2, y + (h - gh) / 2, w, gh);
}

// The check mark of an animation frame (frame 0 shows none).
void DrawAnimationFrame(GxGraphics& graphics, std::int32_t frame, bool checked, const RECT& client) {
    if (frame == 0) return;
    const float scale = frame == kGlyphSmallCheckVariant ? (checked ? 0.6f : 0.5f) : 1.0f;
    DrawGlyph(graphics, frame, client, scale);
}

}  // namespace

void PaintCheckBox(HWND window, UINT state, bool animate, std::int32_t frame) {
    const ButtonContext context = FindControl(window, &FormRecord::buttons);
    if (!context) return;
    const bool checked = ::SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool disabled = (state & ODS_DISABLED) != 0;
    const bool hot = !disabled && (state & ODS_HOTLIGHT) != 0;
    RECT client{};
    ::GetClientRect(window, &client);
    const ControlSurface surface(window, client);
    if (!surface.Dc()) return;
    {
        SurfaceCanvas canvas(surface.Dc());
        if (!canvas) return;
        GxGraphics& graphics = canvas.Graphics();
        graphics.SetClipRectI(client.left, client.top, client.right - client.left, client.bottom - client.top);
        // The animation and the normal and pressed states share the translucent box.
        const std::int32_t box = animate    ? kGlyphTranslucentBox
                                 : disabled ? kGlyphDisabledBox
                                 : hot      ? kGlyphWhiteBox
                                            : kGlyphTranslucentBox;
        DrawGlyph(graphics, box, client);
        if (animate)
            DrawAnimationFrame(graphics, frame, checked, client);
        else if (checked)
            DrawGlyph(graphics, kGlyphSmallCheck, client);
        std::int32_t glyphWidth = checkGlyphStrip.GetFrameWidth(box);
        if (glyphWidth == 0) glyphWidth = kGlyphCellWidth;
        DrawBoxCaption(graphics, window, *context.record, glyphWidth, client);
    }
    ShowSurface(window, surface.Dc());
}

}  // namespace pelorin::skin
