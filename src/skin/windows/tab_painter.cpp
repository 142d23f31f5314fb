// The tab painter of tab-control containers: the display area as a soft
// rounded frame, every item as a rounded theme gradient (the selected one
// strongest and standing a little higher) with a white highlight along its
// top, its image-list icon and its text in the container's font. The tabs
// take the container's tint colour when it has one.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>

#include "base/handle.h"
#include "graphics/gx_font.h"
#include "graphics/gx_string_format.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/skin_registry.h"
#include "skin/core/text_tools.h"
#include "skin/core/window_props.h"
#include "skin/windows/tab_painter.h"

namespace pelorin::skin {

namespace {

constexpr float kCorner = 6;
constexpr int kIconGap = 3;

struct TabItem {
    RECT rect{};
    std::wstring text;
    int image = -1;
};

bool ReadItem(HWND tab, int i, TabItem& out) {
    if (!TabCtrl_GetItemRect(tab, i, &out.rect)) return false;
    std::array<wchar_t, 260> text{};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    if (::SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) {
        if (item.pszText) out.text = item.pszText;
        out.image = item.iImage;
    }
    return true;
}

// Gradient strength of an item: alpha at its top and at its bottom, and of
// its highlight line.
struct ItemShade {
    std::uint32_t top, bottom, highlight;
};
constexpr ItemShade kSelectedShade{220, 140, 220};
constexpr ItemShade kNormalShade{120, 60, 80};
constexpr ItemShade kDisabledShade{60, 30, 80};

void DrawDisplayFrame(GxGraphics& graphics, const RECT& display) {
    const float x = static_cast<float>(display.left);
    const float y = static_cast<float>(display.top);
    const float w = static_cast<float>(Width(display));
    const float h = static_cast<float>(Height(display));
    if (w < 4 || h < 4) return;
    StrokePath(graphics, RoundedPath(x, y, w - 1, h - 1, kCorner), ToArgb(kBlack, 60));
    StrokePath(graphics, RoundedPath(x + 1, y + 1, w - 3, h - 3, kCorner - 2), ToArgb(kWhite, 100));
}

void DrawItemBody(GxGraphics& graphics, const RECT& r, COLORREF color, const ItemShade& shade) {
    const float x = static_cast<float>(r.left);
    const float y = static_cast<float>(r.top);
    const float w = static_cast<float>(Width(r));
    const float h = static_cast<float>(Height(r));
    if (w < 3 || h < 3) return;
    const GxPath body = RoundedPath(x, y, w - 1, h - 1, kCorner);
    FillPathGradient(graphics, body, GxPointF{x, y}, GxPointF{x, y + h}, ToArgb(color, shade.top),
                     ToArgb(color, shade.bottom));
    StrokePath(graphics, body, ToArgb(kBlack, 90));
    GxPen highlight;
    if (highlight.Create1(ToArgb(kWhite, shade.highlight), 1))
        graphics.DrawLine(highlight, x + kCorner / 2, y + 1.5f, x + w - 1 - kCorner / 2, y + 1.5f);
}

void DrawItemContent(HDC surface, GxGraphics& graphics, const TabItem& item, HIMAGELIST images,
                     const TextTools& tools) {
    const RECT& r = item.rect;
    int iconW = 0, iconH = 0;
    UniqueIcon icon;
    if (images && item.image >= 0 && item.image < ::ImageList_GetImageCount(images)) {
        icon.Reset(::ImageList_GetIcon(images, item.image, ILD_TRANSPARENT));
        if (icon && !::ImageList_GetIconSize(images, &iconW, &iconH)) iconW = iconH = 0;
    }
    int left = r.left + kIconGap;
    if (icon && iconW > 0) {
        graphics.Flush(Gdiplus::FlushIntentionSync);
        ::DrawIconEx(surface, left, r.top + (Height(r) - iconH) / 2, icon.Get(), iconW, iconH, 0, nullptr, DI_NORMAL);
        ::GdiFlush();
        left += iconW + kIconGap;
    } else {
        left = r.left;
    }
    if (!tools.ok || item.text.empty()) return;
    const GxRectF box{static_cast<float>(left), static_cast<float>(r.top),
                      static_cast<float>(r.right - left - (icon ? kIconGap : 0)), static_cast<float>(Height(r))};
    if (box.Width > 0) graphics.DrawString(item.text, tools.font, tools.brush, box, tools.format);
}

}  // namespace

void DrawTabItems(HDC surface, HWND tab, const ContainerRecord& record) {
    RECT client{};
    ::GetClientRect(tab, &client);
    RECT display = client;
    TabCtrl_AdjustRect(tab, FALSE, &display);
    // The frame lies just outside the area the pages use.
    ::InflateRect(&display, 2, 2);
    ::IntersectRect(&display, &display, &client);

    SurfaceCanvas canvas(surface);
    if (!canvas) return;
    GxGraphics& graphics = canvas.Graphics();
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    DrawDisplayFrame(graphics, display);

    const COLORREF color = record.settingB != 0 ? record.settingB : skinDefaults.themeColor;
    TextTools tools;
    MakeTextTools(tools, record.fontName, record.fontSize, record.fontStyle, Gdiplus::StringAlignmentCenter,
                  static_cast<COLORREF>(GetPropValue(tab, prop::kTextColor)));
    const auto images = TabCtrl_GetImageList(tab);
    const bool enabled = ::IsWindowEnabled(tab) != FALSE;
    const int selected = TabCtrl_GetCurSel(tab);
    const int count = TabCtrl_GetItemCount(tab);
    // The selected item last, over its neighbours.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < count; ++i) {
            if ((i == selected) != (pass == 1)) continue;
            TabItem item;
            if (!ReadItem(tab, i, item)) continue;
            if (i == selected) {
                ::InflateRect(&item.rect, 2, 0);
                item.rect.top -= 2;
            }
            const ItemShade& shade = !enabled ? kDisabledShade : i == selected ? kSelectedShade : kNormalShade;
            DrawItemBody(graphics, item.rect, color, shade);
            DrawItemContent(surface, graphics, item, images, tools);
        }
}

}  // namespace pelorin::skin
