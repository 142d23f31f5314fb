// The boxed-control procedure: the border follows hover and focus, and the
// strips over the scroll bars follow everything that can move a thumb. The
// control's own procedure still paints its content and does the scrolling:
// the strips are disabled, so clicks and wheel turns reach the real bars.
#include <windows.h>

#include "skin/core/control_lookup.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/box_frame.h"

namespace pelorin::skin {

namespace {

using ListContext = ControlContext<ListControlRecord>;

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardMessage(window, message, wParam, lParam);
}

void DrawFrame(const ListContext& c) { DrawBoxFrame(c.formIndex, c.index, c.record->hot, c.record->focused); }

void ClearHotStripPart(HWND window, const ListContext& c) {
    if (c.record->hotStripPart == kStripNone) return;
    c.record->hotStripPart = kStripNone;
    RefreshListStrips(window);
}

void OnMouseMove(HWND window, const ListContext& c) {
    FormRecord& form = *c.form;
    form.hotControl = c.index;
    const bool alreadyHot = form.lastHotControl == c.index && form.hotKind == kHotBoxedList && c.record->hot;
    if (!alreadyHot) {
        // Without a leave notice the hot border would stay after the mouse
        // has gone.
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
        ::TrackMouseEvent(&track);
        c.record->hot = true;
        DrawFrame(c);
    }
    form.lastHotControl = c.index;
    form.hotKind = kHotBoxedList;
    ClearHotStripPart(window, c);
}

void OnMouseLeave(HWND window, const ListContext& c) {
    c.record->mouseInside = false;
    c.form->lastHotControl = 0;
    c.record->hot = false;
    DrawFrame(c);
    ClearHotStripPart(window, c);
}

LRESULT OnPaint(HWND window, const ListContext& c, WPARAM wParam, LPARAM lParam) {
    DrawFrame(c);
    if (c.form->isMoving && !c.record->mouseInside) c.record->contentStale = true;
    return Forward(window, WM_PAINT, wParam, lParam);
}

LRESULT OnFocus(HWND window, const ListContext& c, UINT message, WPARAM wParam, LPARAM lParam) {
    c.record->focused = message == WM_SETFOCUS;
    const LRESULT result = Forward(window, message, wParam, lParam);
    DrawFrame(c);
    return result;
}

// The platform's frame and scroll bars first (they would cover anything
// drawn before them), then the skin's border and strips over them.
LRESULT OnNcPaint(HWND window, const ListContext& c) {
    ::DefWindowProcW(window, WM_NCPAINT, 1, 0);
    DrawFrame(c);
    RefreshListStrips(window);
    return 0;
}

LRESULT OnScroll(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ::InvalidateRect(window, nullptr, TRUE);
    const LRESULT result = Forward(window, message, wParam, lParam);
    RefreshListStrips(window);
    return result;
}

LRESULT ForwardThenRefresh(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Forward(window, message, wParam, lParam);
    RefreshListStrips(window);
    return result;
}

// The part of the strip under the mouse, drawn hot; 0 off the strips.
std::int32_t HotPartAt(HWND window, const ListContext& c, WPARAM hitTest, LPARAM lParam, std::int32_t& vHot,
                       std::int32_t& hHot) {
    vHot = hitTest == HTVSCROLL ? StripHitTestVertical(window, lParam) : kStripNone;
    hHot = hitTest == HTHSCROLL ? StripHitTestHorizontal(window, lParam) : kStripNone;
    c.record->hotStripPart = vHot != kStripNone ? vHot : hHot;
    return c.record->hotStripPart;
}

LRESULT OnNcMouseMove(HWND window, const ListContext& c, WPARAM wParam, LPARAM lParam) {
    // The platform redraws a scroll bar under the mouse; the strips go on top.
    const LRESULT result = Forward(window, WM_NCMOUSEMOVE, wParam, lParam);
    std::int32_t vHot = 0, hHot = 0;
    if (HotPartAt(window, c, wParam, lParam, vHot, hHot) != kStripNone) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, window, 0};
        ::TrackMouseEvent(&track);
    }
    RefreshListStrips(window, vHot, hHot);
    return result;
}

// A pressed part is drawn like a hot one; the scroll bar's own loop runs in
// the forwarded call and the strips follow its WM_VSCROLL / WM_HSCROLL.
LRESULT OnNcLButtonDown(HWND window, const ListContext& c, WPARAM wParam, LPARAM lParam) {
    std::int32_t vHot = 0, hHot = 0;
    HotPartAt(window, c, wParam, lParam, vHot, hHot);
    RefreshListStrips(window, vHot, hHot);
    const LRESULT result = Forward(window, WM_NCLBUTTONDOWN, wParam, lParam);
    RefreshListStrips(window, vHot, hHot);
    return result;
}

LRESULT OnNcMouseLeave(HWND window, const ListContext& c, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Forward(window, WM_NCMOUSELEAVE, wParam, lParam);
    c.record->hotStripPart = kStripNone;
    RefreshListStrips(window);
    return result;
}

}  // namespace

LRESULT CALLBACK BoxedListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The control's own messages (LVM_GETITEMTEXT for every row while a long
    // list is saved, say) concern no part of the skin: they go straight on,
    // without the property lookups of the context.
    if (message >= WM_USER) return Forward(window, message, wParam, lParam);
    const ListContext c = FindControl(window, &FormRecord::listControls);
    if (!c.record) return Forward(window, message, wParam, lParam);
    switch (message) {
        case WM_MOUSEMOVE: OnMouseMove(window, c); break;
        case WM_MOUSEHOVER: c.record->mouseInside = true; break;
        case WM_MOUSELEAVE: OnMouseLeave(window, c); break;
        case WM_SHOWWINDOW: RepositionStrips(window, wParam ? 1 : 0); break;
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = Forward(window, message, wParam, lParam);
            RepositionStrips(window);
            return result;
        }
        case WM_WINDOWPOSCHANGING: MarkContainerStale(window); break;
        case WM_MOVE: ::InvalidateRect(window, nullptr, TRUE); break;
        case WM_PAINT: return OnPaint(window, c, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS: return OnFocus(window, c, message, wParam, lParam);
        case WM_SETTEXT: c.record->contentStale = true; break;
        case WM_NCPAINT: return OnNcPaint(window, c);
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL: return OnScroll(window, message, wParam, lParam);
        case WM_KEYDOWN:
        case WM_KEYUP: return ForwardThenRefresh(window, message, wParam, lParam);
        case WM_NCMOUSEMOVE: return OnNcMouseMove(window, c, wParam, lParam);
        case WM_NCLBUTTONDOWN: return OnNcLButtonDown(window, c, wParam, lParam);
        case WM_NCMOUSELEAVE: return OnNcMouseLeave(window, c, wParam, lParam);
        default: break;
    }
    return Forward(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
