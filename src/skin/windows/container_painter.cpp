// Drawing a container over the form background: a group box as a soft
// double rounded frame with its caption on the top edge, a tab control by
// the tab painter, any other container as an optional panel outline.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/window_text.h"
#include "graphics/gx_font.h"
#include "graphics/gx_string_format.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/container.h"
#include "skin/windows/container_blit.h"
#include "skin/windows/tab_painter.h"

namespace pelorin::skin {

namespace {

constexpr float kCaptionMargin = 10;
constexpr std::int32_t kPanelInset = 1;
constexpr std::int32_t kPanelCorner = 5;

void StrokeRounded(GxGraphics& graphics, float x, float y, float w, float h, float r, std::uint32_t argb) {
    StrokePath(graphics, RoundedPath(x, y, w, h, r), argb);
}

// The rows the caption box covers, kept before the frame is drawn so that
// the frame lines can be taken out again under the text.
class SavedRows {
public:
    SavedRows(const MemorySurface* surface, int top, int height) : surface_(surface) {
        if (!surface_) return;
        top_ = std::clamp(top, 0, surface_->Height());
        bottom_ = std::clamp(top + height, 0, surface_->Height());
        const std::uint32_t* pixels = surface_->Pixels();
        rows_.assign(pixels + top_ * surface_->Width(), pixels + bottom_ * surface_->Width());
    }
    void Restore(int left, int right) const {
        if (!surface_) return;
        left = std::clamp(left, 0, surface_->Width());
        right = std::clamp(right, 0, surface_->Width());
        const int w = surface_->Width();
        for (int y = top_; y < bottom_; ++y)
            std::copy(rows_.begin() + (y - top_) * w + left, rows_.begin() + (y - top_) * w + right,
                      surface_->Pixels() + y * w + left);
    }

private:
    const MemorySurface* surface_;
    int top_ = 0;
    int bottom_ = 0;
    std::vector<std::uint32_t> rows_;
};

const MemorySurface* ListedSurface(HDC dc) {
    for (const SurfacePtr& s : memoryDcList)
        if (s && s->Dc() == dc) return s.get();
    return nullptr;
}

void DrawGroupBox(HDC surface, HWND window, const ContainerRecord& record, int w, int h) {
    GxFont font;
    GxStringFormat format;
    const bool textTools = font.CreateFontByName(record.fontName.empty() ? L"宋体" : record.fontName,
                                                 static_cast<float>(record.fontSize > 0 ? record.fontSize : 12),
                                                 record.fontStyle, Gdiplus::UnitPixel) &&
                           format.Create(Gdiplus::StringFormatFlagsNoWrap) &&
                           format.SetAlign(Gdiplus::StringAlignmentCenter);
    const std::wstring caption = WindowText(window);
    const float captionHeight = static_cast<float>((record.fontSize > 0 ? record.fontSize : 12) + 3);

    SurfaceCanvas canvas(surface);
    if (!canvas) return;
    GxGraphics& graphics = canvas.Graphics();
    float textWidth = 0;
    if (textTools && !caption.empty()) {
        GxRectF bounds{};
        if (graphics.MeasureString(caption, font, GxRectF{0, 0, 100000.0f, captionHeight}, format, bounds))
            textWidth = bounds.Width;
    }
    const float left = GroupCaptionLeft(::GetWindowLongPtrW(window, GWL_STYLE), static_cast<float>(w), textWidth);

    const SavedRows saved(ListedSurface(surface), 1, static_cast<int>(captionHeight));
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    StrokeRounded(graphics, 0, 5, static_cast<float>(w - 1), static_cast<float>(h - 6), 5, ToArgb(kBlack, 40));
    StrokeRounded(graphics, 1, 6, static_cast<float>(w - 3), static_cast<float>(h - 8), 3, ToArgb(kWhite, 90));
    if (textWidth <= 0) return;
    saved.Restore(static_cast<int>(left), static_cast<int>(left + textWidth + 0.999f));
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    GxSolidBrush brush;
    if (brush.Create(ToArgb(static_cast<COLORREF>(GetPropValue(window, prop::kTextColor)))))
        graphics.DrawString(caption, font, brush, GxRectF{left, 1, textWidth, captionHeight}, format);
}

void DrawPanelOutline(HDC surface, int w, int h) {
    SurfaceCanvas canvas(surface);
    if (!canvas) return;
    GxGraphics& graphics = canvas.Graphics();
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    StrokeRounded(graphics, 0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1), 5, ToArgb(kBlack, 40));
    StrokeRounded(graphics, 1, 1, static_cast<float>(w - 3), static_cast<float>(h - 3), 3, ToArgb(kWhite, 100));
}

}  // namespace

float GroupCaptionLeft(LONG_PTR style, float width, float textWidth) {
    const LONG_PTR align = style & BS_CENTER;
    if (align == BS_CENTER) return (width - textWidth) / 2;
    if (align == BS_LEFT) return kCaptionMargin;
    return width - textWidth - kCaptionMargin;
}

void DrawContainer(std::int32_t formIndex, std::int32_t index, HDC target) {
    FormRecord* form = formRegistry.At(formIndex);
    ContainerRecord* record = form ? form->containers.At(index) : nullptr;
    if (!record || !record->window) return;
    const HWND window = record->window;
    RECT client{};
    ::GetClientRect(window, &client);
    const int w = client.right;
    const int h = client.bottom;
    if (w <= 0 || h <= 0) return;

    const RECT area = ClientAreaInWindow(window);
    const HDC surface = record->drawPanel ? BuildControlBackground(window, area, kPanelInset, kPanelCorner)
                                          : BuildControlBackground(window, area);
    if (!surface) return;
    ::GdiFlush();
    if (record->kind == kGroupBox)
        DrawGroupBox(surface, window, *record, w, h);
    else if (record->kind == kTabControl)
        DrawTabItems(surface, window, *record);
    else if (record->drawPanel)
        DrawPanelOutline(surface, w, h);

    CopyToFrameCopy(window, surface, false, false);
    BlitLeavingOutChildren(window, target, surface, w, h, ChildClip::All);
    ReleaseSurface(surface);
    record->backgroundStale = record->secondaryStale = false;
    record->width = w;
    record->height = h;
}

}  // namespace pelorin::skin
