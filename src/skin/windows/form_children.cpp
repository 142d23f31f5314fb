// The messages a skinned form receives about its children: owner-drawn push
// buttons and menu items, the pattern brushes of its list boxes, the
// notifications that make a container repaint its background, menu
// commands; and marking the children's cached pictures stale.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "base/handle.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/prop_objects.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/form_handlers.h"
#include "skin/windows/frame_box_table.h"
#include "skin/windows/menu_registry.h"
#include "skin/windows/skinned_form_proc.h"

namespace pelorin::skin {

namespace {

constexpr int kMenuItemMinHeight = 22;
constexpr int kMenuTextPadding = 24;

bool IsDirectChildOf(HWND child, HWND parent) { return child && ::GetParent(child) == parent; }

bool PaintSkinnedPushButton(const FormContext& c, const DRAWITEMSTRUCT& item) {
    if (!IsDirectChildOf(item.hwndItem, c.window)) return false;
    const ButtonRecord* button = c.form.buttons.At(FindButton(c.index, item.hwndItem));
    if (!button || button->kind != kPushButton) return false;
    PaintPushButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
    return true;
}

// A menu item's text, looked up through the menu its identifier names.
std::wstring MenuItemText(UINT id) {
    const SkinMenu* menu = menuRegistry.At(DecodeMenuCommand(id).menu);
    if (!menu || !menu->menu) return {};
    wchar_t text[256]{};
    ::GetMenuStringW(menu->menu, id, text, static_cast<int>(std::size(text)), MF_BYCOMMAND);
    return text;
}

bool IsSkinnedMenuItem(UINT id) { return menuRegistry.At(DecodeMenuCommand(id).menu) != nullptr; }

// Menu items in the theme's colours: the theme colour under the selection,
// the skin background colour elsewhere.
void DrawMenuItem(const DRAWITEMSTRUCT& item) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    UniqueBrush fill(::CreateSolidBrush(selected ? skinDefaults.themeColor : skinDefaults.skinBackgroundColor));
    ::FillRect(item.hDC, &item.rcItem, fill.Get());
    const std::wstring text = MenuItemText(item.itemID);
    RECT box = item.rcItem;
    box.left += kMenuTextPadding / 2;
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, (item.itemState & ODS_DISABLED) ? 0x00808080 : selected ? 0x00FFFFFF : 0x00000000);
    ScopedSelect font(item.hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::DrawTextW(item.hDC, text.c_str(), -1, &box, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

void MarkContainerOfStale(HWND window) {
    FormRecord* form = formRegistry.At(GetPropInt(window, prop::kFormIndex));
    const std::int32_t index = GetPropInt(window, prop::kListIndex);
    if (!form || index <= 0) return;
    ContainerRecord* container = form->containers.At(index);
    if (container && container->window == window) container->backgroundStale = true;
}

}  // namespace

bool OnDrawItem(const FormContext& c, const DRAWITEMSTRUCT* item) {
    if (!item) return false;
    if (item->CtlType == ODT_BUTTON) return PaintSkinnedPushButton(c, *item);
    if (item->CtlType == ODT_MENU && IsSkinnedMenuItem(item->itemID)) {
        DrawMenuItem(*item);
        return true;
    }
    return false;
}

void OnMeasureItem(MEASUREITEMSTRUCT* item) {
    if (!item || item->CtlType != ODT_MENU || !IsSkinnedMenuItem(item->itemID)) return;
    const std::wstring text = MenuItemText(item->itemID);
    WindowDc dc(nullptr);
    SIZE size{};
    {
        ScopedSelect font(dc.Get(), ::GetStockObject(DEFAULT_GUI_FONT));
        ::GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    }
    item->itemWidth = static_cast<UINT>(size.cx + kMenuTextPadding);
    item->itemHeight = static_cast<UINT>(std::max<LONG>(size.cy + 8, kMenuItemMinHeight));
}

bool IsListBox(HWND window) { return window && ::lstrcmpiW(ClassNameOf(window).c_str(), L"ListBox") == 0; }

// One pattern brush per list box: each message replaces the one before.
LRESULT OnListBoxColor(HDC dc, HWND listBox) {
    ::SetTextColor(dc, static_cast<COLORREF>(GetPropValue(listBox, prop::kTextColor)));
    ::SetBkMode(dc, TRANSPARENT);
    DeleteBackgroundBrush(listBox);
    UniqueBitmap background(BackgroundBitmap(listBox));
    UniqueBrush brush(background ? ::CreatePatternBrush(background.Get()) : nullptr);
    if (!brush) return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    // The property owns the brush from here on.
    return reinterpret_cast<LRESULT>(GiveToProp(listBox, prop::kBackgroundBrush, std::move(brush)));
}

void OnNotify(const NMHDR* header) {
    if (!header) return;
    switch (header->code) {
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDEDA:
        case TVN_ITEMEXPANDINGW:
        case TVN_ITEMEXPANDEDW: ::InvalidateRect(header->hwndFrom, nullptr, TRUE); break;
        case TCN_SELCHANGING: MarkContainerOfStale(header->hwndFrom); break;
        case UDN_DELTAPOS: {
            const HWND parent = ::GetParent(header->hwndFrom);
            if (parent && ClassNameOf(parent) == WC_TABCONTROLW) MarkContainerOfStale(parent);
            break;
        }
        default: break;
    }
}

void OnMenuCommand(WPARAM wParam) { DispatchMenuCommand(LOWORD(wParam)); }

void MarkChildrenStale(HWND window) {
    const std::int32_t index = FindFormByWindow(window);
    FormRecord* form = formRegistry.At(index);
    if (!form) return;
    for (ContainerRecord& container : form->containers) container.backgroundStale = container.secondaryStale = true;
    for (ToolbarRecord& toolbar : form->toolbars) toolbar.backgroundStale = true;
    for (LabelRecord& label : form->labels) label.backgroundStale = true;
    for (ListControlRecord& list : form->listControls) list.contentStale = true;
    // Frame boxes repaint their backbuffer at their next paint.
    NotifyFrameBoxesOfForm(index, 1, 1, 0);
}

}  // namespace pelorin::skin
