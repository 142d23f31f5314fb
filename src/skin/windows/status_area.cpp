// The status area: a strip along the bottom of the frame, cut into parts from
// left to right. Parts carry no text or picture in this system; each is drawn
// as a soft white gloss.
#include <algorithm>

#include "graphics/gx_brushes.h"
#include "skin/core/form_record.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/frame_parts.h"
#include "skin/windows/frame_render.h"

namespace pelorin::skin {

namespace {

constexpr std::int32_t kShareRest = -1;

}  // namespace

void LayoutStatusArea(std::int32_t form) {
    FormRecord* record = FormAt(form);
    if (!record) return;
    FormRecord& f = *record;
    RECT client{};
    ::GetClientRect(f.window, &client);
    const int b = f.hasTitleBar ? skinDefaults.frameBorderWidth : 0;
    const int width = client.right;
    const int height = client.bottom;
    const int top = height - b - f.statusHeight - 1;
    f.statusRect = RECT{b, top, width - b, top + f.statusHeight};

    std::vector<std::int32_t> widths = f.statusPartWidths;
    if (widths.empty()) widths.push_back(kShareRest);
    int fixed = 0;
    int sharing = 0;
    for (std::int32_t w : widths) {
        if (w == kShareRest)
            ++sharing;
        else
            fixed += std::max(0, w);
    }
    const int share = sharing ? std::max(0, (width - 2 * b - fixed) / sharing) : 0;

    f.statusPartRects.clear();
    int x = b;
    for (std::int32_t w : widths) {
        const int partWidth = w == kShareRest ? share : std::max(0, w);
        f.statusPartRects.push_back(RECT{x, top, x + partWidth, top + f.statusHeight});
        x += partWidth;
    }
}

void DrawStatusPart(FormRecord& form, GxGraphics& graphics, std::size_t part, bool alone) {
    if (part >= form.statusPartRects.size() || !form.frameBuffer) return;
    const RECT& r = form.statusPartRects[part];
    const int x = r.left;
    const int y = r.top;
    const int w = r.right - r.left;
    const int h = form.statusHeight;
    if (w <= 0 || h <= 0) return;

    if (alone && form.statusCache) {
        graphics.Flush(Gdiplus::FlushIntentionSync);
        const RECT& s = form.statusRect;
        ::BitBlt(form.frameBuffer->Dc(), x, y, w, h, form.statusCache->Dc(), x - s.left, y - s.top, SRCCOPY);
        ::GdiFlush();
    }
    GxLinearGradientBrush brush;
    if (brush.Create(GxPointF(static_cast<float>(x), static_cast<float>(y)),
                     GxPointF(static_cast<float>(x), static_cast<float>(y + h)), 60u << 24 | 0x00FFFFFF,
                     10u << 24 | 0x00FFFFFF, Gdiplus::WrapModeTileFlipXY))
        graphics.FillRectangleI(brush, x, y + 1, w, h - 1);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    if (alone) PublishFrameRect(form, RECT{x, y, x + w, y + h});
}

}  // namespace pelorin::skin
