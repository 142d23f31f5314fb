// Toolbars: the skin draws every button as a rounded theme gradient (hot
// under the mouse, pressed while held or checked) with its image-list icon
// and its text, and separators as a soft double line. The toolbar's own
// procedure keeps the clicks and the WM_COMMAND they send to its parent. A
// toolbar that holds child windows is also attached as a container, so that
// its children are skinned too.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <string>
#include <unordered_map>

#include "base/handle.h"
#include "graphics/gx_font.h"
#include "graphics/gx_string_format.h"
#include "skin/core/control_attach.h"
#include "skin/core/control_font.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/skin_registry.h"
#include "skin/core/text_tools.h"
#include "skin/core/window_props.h"
#include "skin/windows/child_attach.h"
#include "skin/windows/client_paint.h"
#include "skin/windows/container.h"
#include "skin/windows/themed_parts.h"
#include "skin/windows/toolbar.h"

namespace pelorin::skin {

namespace {

constexpr int kIconGap = 3;  // between the icon and the text, and from the edges

// The button under the mouse per toolbar (1-based, 0 = none), dropped with the window.
std::unordered_map<HWND, int> hotButtons;

// A toolbar keeps its indices and its previous procedure under names of its own.
constexpr AttachProps kToolbarProps{{prop::kToolbarFormIndex, prop::kToolbarListIndex}, prop::kToolbarPreviousProc};

using ToolbarContext = ControlContext<ToolbarRecord>;

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardMessage(window, message, wParam, lParam, prop::kToolbarPreviousProc);
}

// One button as the toolbar reports it, in toolbar coordinates.
struct ToolButton {
    TBBUTTON button{};
    RECT rect{};
    std::wstring text;
};

std::wstring ButtonText(HWND toolbar, int command) {
    const LRESULT length = ::SendMessageW(toolbar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(toolbar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(std::min<LRESULT>(copied, length)) : 0);
    return text;
}

bool ReadButton(HWND toolbar, int i, ToolButton& out) {
    if (!::SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&out.button)))
        return false;
    if (out.button.fsState & TBSTATE_HIDDEN) return false;
    if (!::SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&out.rect)))
        return false;
    if (!(out.button.fsStyle & BTNS_SEP)) out.text = ButtonText(toolbar, out.button.idCommand);
    return true;
}

PartState StateOf(const TBBUTTON& button, bool hot) {
    if (!(button.fsState & TBSTATE_ENABLED)) return PartState::Disabled;
    if (button.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) return PartState::Pressed;
    return hot ? PartState::Hot : PartState::Normal;
}

void DrawSeparator(GxGraphics& graphics, const RECT& r, bool vertical) {
    GxPen dark, light;
    if (!dark.Create1(ToArgb(kBlack, 100), 1) || !light.Create1(ToArgb(kWhite, 150), 1)) return;
    if (vertical) {  // a separator between rows of a vertical toolbar lies across
        const float y = static_cast<float>((r.top + r.bottom) / 2);
        graphics.DrawLine(dark, static_cast<float>(r.left + 2), y, static_cast<float>(r.right - 2), y);
        graphics.DrawLine(light, static_cast<float>(r.left + 2), y + 1, static_cast<float>(r.right - 2), y + 1);
        return;
    }
    const float x = static_cast<float>((r.left + r.right) / 2);
    graphics.DrawLine(dark, x, static_cast<float>(r.top + 2), x, static_cast<float>(r.bottom - 2));
    graphics.DrawLine(light, x + 1, static_cast<float>(r.top + 2), x + 1, static_cast<float>(r.bottom - 2));
}

// Icon and text: side by side for a list-style toolbar, else the icon above
// the text; an icon alone is centred.
void DrawContent(HDC surface, GxGraphics& graphics, const ToolButton& b, HIMAGELIST images, bool listStyle,
                 const TextTools& tools) {
    const RECT& r = b.rect;
    int iconW = 0, iconH = 0;
    UniqueIcon icon;
    if (images && b.button.iBitmap >= 0 && b.button.iBitmap < ::ImageList_GetImageCount(images)) {
        icon.Reset(::ImageList_GetIcon(images, b.button.iBitmap, ILD_TRANSPARENT));
        if (icon && !::ImageList_GetIconSize(images, &iconW, &iconH)) iconW = iconH = 0;
    }
    const bool hasText = !b.text.empty() && tools.ok;
    int iconX = r.left + (Width(r) - iconW) / 2;
    int iconY = r.top + (Height(r) - iconH) / 2;
    GxRectF textBox{};
    if (hasText && listStyle) {
        iconX = r.left + kIconGap;
        const float left = static_cast<float>(iconW ? iconX + iconW + kIconGap : r.left + kIconGap);
        textBox = {left, static_cast<float>(r.top), static_cast<float>(r.right - kIconGap) - left,
                   static_cast<float>(Height(r))};
    } else if (hasText) {
        iconY = r.top + kIconGap;
        const float top = static_cast<float>(iconH ? iconY + iconH : r.top);
        textBox = {static_cast<float>(r.left), top, static_cast<float>(Width(r)), static_cast<float>(r.bottom) - top};
    }
    if (icon && iconW > 0) {
        graphics.Flush(Gdiplus::FlushIntentionSync);
        ::DrawIconEx(surface, iconX, iconY, icon.Get(), iconW, iconH, 0, nullptr, DI_NORMAL);
        ::GdiFlush();
    }
    if (hasText && textBox.Width > 0 && textBox.Height > 0)
        graphics.DrawString(b.text, tools.font, tools.brush, textBox, tools.format);
}

void OnMouseMove(HWND window, const ToolbarContext& c, LPARAM lParam) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    ::TrackMouseEvent(&track);
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const LRESULT hit = ::SendMessageW(window, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point));
    const int hot = hit >= 0 ? static_cast<int>(hit) + 1 : 0;
    int& drawn = hotButtons[window];
    if (hot == drawn) return;
    drawn = hot;
    DrawToolbar(c.formIndex, c.index);
}

void OnMouseLeave(HWND window, const ToolbarContext& c) {
    int& drawn = hotButtons[window];
    if (drawn == 0) return;
    drawn = 0;
    DrawToolbar(c.formIndex, c.index);
}

LRESULT OnPaint(HWND window, const ToolbarContext& c, WPARAM wParam) {
    return PaintClient(window, wParam, [&c](HDC dc) { DrawToolbar(c.formIndex, c.index, dc); });
}

}  // namespace

void AttachToolbars(std::int32_t form, HWND parent) {
    if (!AttachesControls(form)) return;
    ForEachChildOfClass(parent, TOOLBARCLASSNAMEW, [form](HWND toolbar) {
        if (FindToolbar(form, toolbar)) return;
        AttachControl(
            form, toolbar, &FormRecord::toolbars, ToolbarProc,
            [toolbar](ToolbarRecord& record) {
                const ControlFont font = ReadControlFont(toolbar);
                record.fontName = font.name;
                record.fontSize = font.size;
                record.fontStyle = font.style;
                record.imageList = reinterpret_cast<HIMAGELIST>(::SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
                SetPropValue(toolbar, prop::kBackgroundBitmap, reinterpret_cast<std::intptr_t>(record.imageList));
            },
            kToolbarProps);
        // Its children are skinned as a container's. The toolbar paints
        // itself (its buttons are its picture): the container leaves painting
        // to the toolbar's procedure.
        if (::GetWindow(toolbar, GW_CHILD)) {
            ContainerSettings settings;
            settings.selfPainted = false;
            AttachContainer(toolbar, settings);
        }
        ::InvalidateRect(toolbar, nullptr, TRUE);
    });
}

void DrawToolbar(std::int32_t formIndex, std::int32_t index, HDC target) {
    FormRecord* form = formRegistry.At(formIndex);
    ToolbarRecord* record = form ? form->toolbars.At(index) : nullptr;
    if (!record || !record->window || !::IsWindow(record->window)) return;
    const HWND window = record->window;
    const bool drawn =
        DrawOverFormBackground(window, target, true, [&](GxGraphics& graphics, HDC surface, const RECT&) {
            graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
            const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
            const bool listStyle = (style & TBSTYLE_LIST) != 0;
            const bool vertical = (style & CCS_VERT) != 0;
            // The image list may have been replaced since the attach.
            const auto images = reinterpret_cast<HIMAGELIST>(::SendMessageW(window, TB_GETIMAGELIST, 0, 0));
            TextTools tools;
            MakeTextTools(tools, record->fontName, record->fontSize, record->fontStyle, Gdiplus::StringAlignmentCenter,
                          static_cast<COLORREF>(GetPropValue(window, prop::kTextColor)));
            const auto found = hotButtons.find(window);
            const int hot = found != hotButtons.end() ? found->second : 0;
            const int count = static_cast<int>(::SendMessageW(window, TB_BUTTONCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                ToolButton b;
                if (!ReadButton(window, i, b)) continue;
                if (b.button.fsStyle & BTNS_SEP) {
                    DrawSeparator(graphics, b.rect, vertical);
                    continue;
                }
                DrawThemedPart(graphics, static_cast<float>(b.rect.left), static_cast<float>(b.rect.top),
                               static_cast<float>(Width(b.rect)), static_cast<float>(Height(b.rect)),
                               StateOf(b.button, hot == i + 1), skinDefaults.themeColor);
                DrawContent(surface, graphics, b, images, listStyle, tools);
            }
        });
    if (drawn) record->backgroundStale = false;
}

LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ToolbarContext c = FindControl(window, &FormRecord::toolbars, kToolbarProps.indices);
    if (!c.record) return Forward(window, message, wParam, lParam);
    switch (message) {
        case WM_NCDESTROY:
            hotButtons.erase(window);
            c.record->imageList = nullptr;  // owned by whoever set it
            break;
        case WM_MOUSEMOVE: OnMouseMove(window, c, lParam); break;
        case WM_MOUSELEAVE: OnMouseLeave(window, c); break;
        case WM_ERASEBKGND: return 1;  // every pixel is painted by DrawToolbar
        case WM_PAINT:
        case WM_PRINTCLIENT: return OnPaint(window, c, wParam);
        default: break;
    }
    return Forward(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
