#include "skin/windows/form_proc.h"

#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

// True when the item was a skinned push button of this form and is painted.
bool OnDrawItem(HWND window, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return false;
    FormRecord* form = FormOfWindow(window);
    if (!form) return false;
    const ButtonRecord* button = form->buttons.At(form->buttons.Find(item.hwndItem));
    if (!button || button->kind != kPushButton) return false;
    PaintPushButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
    return true;
}

LRESULT OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = GetPreviousProc(window);
    if (previous) Subclass(window, previous);
    // Later forms move down one place and their properties are rewritten.
    formRegistry.Remove(FindFormByWindow(window));
    return previous ? ::CallWindowProcW(previous, window, WM_NCDESTROY, wParam, lParam)
                    : ::DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            if (OnDrawItem(window, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_NCDESTROY: return OnNcDestroy(window, wParam, lParam);
        default: break;
    }
    return ForwardMessage(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
