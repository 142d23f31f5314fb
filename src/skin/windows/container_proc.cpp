// ContainerProc: the messages of a group box, tab control or other container
// the skin has taken over. It repaints its cached picture when that is
// stale, draws its skinned push buttons, and answers its list boxes' colour
// messages and its children's notifications as the form does.
#include <windows.h>

#include "base/handle.h"
#include "skin/core/control_lookup.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/prop_objects.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/container.h"
#include "skin/windows/container_blit.h"
#include "skin/windows/form_handlers.h"
#include "skin/windows/skinned_form_proc.h"

namespace pelorin::skin {

namespace {

using ContainerContext = ControlContext<ContainerRecord>;

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardMessage(window, message, wParam, lParam);
}

void RepaintTransparentChildren(HWND window) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsTransparentChild(child)) continue;
        ::InvalidateRect(child, nullptr, TRUE);
        ::UpdateWindow(child);
    }
}

// The list boxes inside keep a pattern brush in a property; the children
// still exist at WM_DESTROY.
void OnDestroy(HWND window) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (IsListBox(child)) DeleteBackgroundBrush(child);
}

LRESULT OnNcDestroy(HWND window, const ContainerContext& c, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = c.record && c.record->previousProc ? c.record->previousProc : GetPreviousProc(window);
    if (previous) Subclass(window, previous);
    // The record stays in the form's list (indices of later containers are
    // in their properties); it no longer names a window.
    if (c.record) c.record->window = nullptr;
    for (const wchar_t* name : {prop::kPreviousProc, prop::kListIndex, prop::kFormIndex}) ::RemovePropW(window, name);
    return previous ? ::CallWindowProcW(previous, window, WM_NCDESTROY, wParam, lParam)
                    : ::DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT OnShowWindow(HWND window, const ContainerContext& c, WPARAM wParam, LPARAM lParam) {
    Forward(window, WM_SHOWWINDOW, wParam, lParam);
    if (c.record->selfPainted) c.record->backgroundStale = true;
    return ::DefWindowProcW(window, WM_SHOWWINDOW, wParam, lParam);
}

void OnMove(HWND window, const ContainerContext& c) {
    if (!c.record->selfPainted) return;
    c.record->backgroundStale = true;
    MarkChildrenStale(c.form->window);
    ::InvalidateRect(window, nullptr, FALSE);
}

LRESULT OnPaint(HWND window, const ContainerContext& c) {
    PaintDc paint(window);
    // A tab control's items change with its selection: it is
    // drawn anew on every paint.
    if (c.record->backgroundStale || c.record->secondaryStale || c.record->kind == kTabControl || !c.form->frameCopy) {
        DrawContainer(c.formIndex, c.index, paint.Get());
        return 0;
    }
    // The last drawn picture is in frameCopy at the container's place.
    if (paint.Get()) {
        const RECT area = ClientAreaInForm(window);
        // Through a surface at the origin, so that the children are left out
        // as when the picture is drawn.
        const int w = area.right - area.left;
        const int h = area.bottom - area.top;
        if (SurfacePtr kept = MemorySurface::Create(w, h)) {
            ::BitBlt(kept->Dc(), 0, 0, w, h, c.form->frameCopy->Dc(), area.left, area.top, SRCCOPY);
            BlitLeavingOutChildren(window, paint.Get(), kept->Dc(), w, h, ChildClip::All);
        }
    }
    return 0;
}

LRESULT OnEraseBackground(const ContainerContext& c, HDC dc) {
    if (!c.record->backgroundStale && !c.form->isMoving && c.form->isActive) c.record->backgroundStale = true;
    ::SetBkMode(dc, TRANSPARENT);
    return 1;
}

// Owner-drawn push buttons of this container that the skin has taken.
bool DrawSkinnedButton(HWND window, const ContainerContext& c, const DRAWITEMSTRUCT* item) {
    if (!item || item->CtlType != ODT_BUTTON || ::GetParent(item->hwndItem) != window) return false;
    const ButtonRecord* button = c.form->buttons.At(FindButton(c.formIndex, item->hwndItem));
    if (!button || button->kind != kPushButton) return false;
    PaintPushButton(item->hwndItem, item->hDC, item->itemState, item->rcItem);
    return true;
}

}  // namespace

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ContainerContext c = FindControl(window, &FormRecord::containers);
    if (!c) return Forward(window, message, wParam, lParam);
    const bool self = c.record->selfPainted;
    switch (message) {
        case WM_DESTROY: OnDestroy(window); break;
        case WM_NCDESTROY: return OnNcDestroy(window, c, wParam, lParam);
        case WM_SHOWWINDOW:
            if (wParam) return OnShowWindow(window, c, wParam, lParam);
            break;
        case WM_WINDOWPOSCHANGING: MarkContainerStale(window); break;
        case WM_MOVE: OnMove(window, c); break;
        case WM_PAINT:
            if (!self) break;
            OnPaint(window, c);
            RepaintTransparentChildren(window);
            return 0;
        case WM_ERASEBKGND:
            if (self) return OnEraseBackground(c, reinterpret_cast<HDC>(wParam));
            break;
        case WM_DRAWITEM:
            if (DrawSkinnedButton(window, c, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            {
                // Menu items are drawn as the form draws them.
                const FormContext form{c.form->window, c.formIndex, *c.form};
                if (skin::OnDrawItem(form, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            }
            break;
        case WM_SIZE: c.record->backgroundStale = true; break;
        case WM_NOTIFY: OnNotify(reinterpret_cast<const NMHDR*>(lParam)); break;
        case WM_CTLCOLORLISTBOX:
            if (IsListBox(reinterpret_cast<HWND>(lParam)))
                return OnListBoxColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            break;
        default: break;
    }
    return Forward(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
