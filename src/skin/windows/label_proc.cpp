// LabelProc: a skinned label repaints from its cached picture in the form's
// frameCopy unless its background is stale, and redraws at once when its
// text changes.
#include <windows.h>

#include "base/handle.h"
#include "skin/core/control_lookup.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/container_blit.h"
#include "skin/windows/label.h"

namespace pelorin::skin {

namespace {

using LabelContext = ControlContext<LabelRecord>;

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardMessage(window, message, wParam, lParam);
}

// While the form is dragged its frame does not change; a resize marks the
// label stale through the form.
LRESULT OnEraseBackground(const LabelContext& c, HDC dc) {
    ::SetBkMode(dc, TRANSPARENT);
    if (!c.record->backgroundStale) c.record->backgroundStale = c.form->isMoving ? c.form->isSizing : c.form->isActive;
    return 1;
}

LRESULT OnPaint(HWND window, const LabelContext& c) {
    PaintDc paint(window);
    if (c.record->backgroundStale || !c.form->frameCopy) {
        DrawLabel(c.formIndex, c.index, std::nullopt, paint.Get());
    } else if (paint.Get()) {
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

LRESULT OnNcDestroy(HWND window, const LabelContext& c, WPARAM wParam, LPARAM lParam) {
    WNDPROC previous = c.record->previousProc ? c.record->previousProc : GetPreviousProc(window);
    if (previous) Subclass(window, previous);
    c.record->window = nullptr;
    for (const wchar_t* name : {prop::kPreviousProc, prop::kListIndex, prop::kFormIndex}) ::RemovePropW(window, name);
    return previous ? ::CallWindowProcW(previous, window, WM_NCDESTROY, wParam, lParam)
                    : ::DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LabelContext c = FindControl(window, &FormRecord::labels);
    if (!c) return Forward(window, message, wParam, lParam);
    switch (message) {
        case WM_WINDOWPOSCHANGING: MarkContainerStale(window); break;
        case WM_MOVE:
            c.record->backgroundStale = true;
            ::InvalidateRect(window, nullptr, FALSE);
            break;
        case WM_SHOWWINDOW:
            if (wParam) c.record->backgroundStale = true;
            break;
        case WM_ERASEBKGND: return OnEraseBackground(c, reinterpret_cast<HDC>(wParam));
        case WM_PAINT: return OnPaint(window, c);
        case WM_SETTEXT: {
            // The platform's static control paints its new text itself at
            // once; the skin's picture goes over it afterwards.
            const LRESULT result = Forward(window, message, wParam, lParam);
            const auto* text = reinterpret_cast<const wchar_t*>(lParam);
            DrawLabel(c.formIndex, c.index, std::wstring(text ? text : L""));
            return result;
        }
        case WM_NCDESTROY: return OnNcDestroy(window, c, wParam, lParam);
        default: break;
    }
    return Forward(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
