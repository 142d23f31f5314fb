#include <windows.h>

#include "skin/core/control_lookup.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/prop_objects.h"
#include "base/scoped_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

using EditContext = ControlContext<EditRecord>;

bool IsRichEdit(HWND window) { return ClassNameOf(window) == L"RichEdit20A"; }

// Is this edit the one last drawn hot?
bool IsHot(HWND window, const EditContext& c) {
    return c.form->hotKind == kHotEdit && c.form->lastHotControl == c.index && c.form->hotParent == ::GetParent(window);
}

// Repaints every strip whose scroll bar the edit still has; `hotOf` picks
// each strip's hot part.
void RefreshStrips(HWND window, const EditContext& c, std::int32_t vHot = kStripNone, std::int32_t hHot = kStripNone) {
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    if (c.record->vStrip && (style & WS_VSCROLL)) PaintScrollStripVertical(window, vHot);
    if (c.record->hStrip && (style & WS_HSCROLL)) PaintScrollStripHorizontal(window, hHot);
}

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardMessage(window, message, wParam, lParam);
}

void OnMouseMove(HWND window, const EditContext& c) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    ::TrackMouseEvent(&track);
    FormRecord& form = *c.form;
    form.hotControl = c.index;
    HWND parent = ::GetParent(window);
    if (form.hotControl != form.lastHotControl || form.hotKind != kHotEdit || parent != form.hotParent) {
        PaintEditFrame(window, false, true);
        form.lastHotControl = form.hotControl;
        form.hotKind = kHotEdit;
        form.hotParent = parent;
    }
    if (c.record->selecting) RefreshStrips(window, c);
}

void OnMouseLeave(HWND window, const EditContext& c) {
    c.form->lastHotControl = 0;
    PaintEditFrame(window, c.record->focused, false);
}

void OnShowWindow(HWND window, bool shown) {
    RepositionStrips(window);
    if (GetPropInt(window, prop::kFramed) == 1) {
        HWND frame = reinterpret_cast<HWND>(GetPropValue(window, prop::kFrameWindow));
        if (frame) ::ShowWindow(frame, shown ? SW_SHOWNA : SW_HIDE);
    }
}

LRESULT OnPaint(HWND window, const EditContext& c, WPARAM wParam, LPARAM lParam) {
    PaintEditFrame(window, c.record->focused, IsHot(window, c));
    const LRESULT result = Forward(window, WM_PAINT, wParam, lParam);
    if (const WholeWindowDc dc(window); dc) {
        CopyToFrameCopy(window, dc.Get());
    }
    RefreshStrips(window, c);
    return result;
}

void OnKillFocus(HWND window, const EditContext& c) {
    c.record->focused = false;
    if (ClassNameOf(::GetParent(window)) == L"ComboBox")
        PaintEditFrame(window, false, false);
    else
        ::InvalidateRect(window, nullptr, TRUE);
}

// The platform moves the thumb while it handles these; the strips follow
// once it has.
LRESULT ForwardThenRefresh(HWND window, const EditContext& c, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Forward(window, message, wParam, lParam);
    RefreshStrips(window, c);
    return result;
}

LRESULT OnScroll(HWND window, const EditContext& c, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsRichEdit(window)) {
        RefreshStrips(window, c);
        return Forward(window, message, wParam, lParam);
    }
    return ForwardThenRefresh(window, c, message, wParam, lParam);
}

// The platform redraws its scroll bar when the mouse moves over it (and the
// edit does not clip its sibling strips), so the strips are drawn after it,
// with the part under the mouse hot.
LRESULT OnNcMouseMove(HWND window, const EditContext& c, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Forward(window, WM_NCMOUSEMOVE, wParam, lParam);
    RefreshStrips(window, c, StripHitTestVertical(window, lParam), StripHitTestHorizontal(window, lParam));
    return result;
}

// The non-client frame: the platform draws the scroll bars (under the
// strips), then the ring is drawn over its border.
LRESULT OnNcPaint(HWND window, const EditContext& c, WPARAM wParam, LPARAM lParam) {
    ::DefWindowProcW(window, WM_NCPAINT, wParam, lParam);
    PaintEditFrame(window, c.record->focused, IsHot(window, c));
    return 0;
}

}  // namespace

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const EditContext c = FindControl(window, &FormRecord::edits);
    if (!c.record) return Forward(window, message, wParam, lParam);
    switch (message) {
        case WM_DESTROY: DeleteBackgroundBrush(window); break;
        case WM_MOUSEMOVE: OnMouseMove(window, c); break;
        case WM_MOUSELEAVE: OnMouseLeave(window, c); break;
        case WM_SHOWWINDOW: OnShowWindow(window, wParam != 0); break;
        case WM_MOVE: RepositionStrips(window); break;
        case WM_WINDOWPOSCHANGING: MarkContainerStale(window); break;
        case WM_WINDOWPOSCHANGED: RepositionStrips(window); break;
        case WM_PAINT: return OnPaint(window, c, wParam, lParam);
        case WM_SETFOCUS: c.record->focused = true; break;
        case WM_KILLFOCUS: OnKillFocus(window, c); break;
        case WM_SETTEXT:
        case WM_KEYDOWN:
        case WM_MOUSEWHEEL:
        case WM_NCMOUSELEAVE: return ForwardThenRefresh(window, c, message, wParam, lParam);
        case WM_NCLBUTTONDOWN:
            // Drawn before the platform's scroll loop starts, and again after it.
            RefreshStrips(window, c);
            return ForwardThenRefresh(window, c, message, wParam, lParam);
        case WM_VSCROLL:
        case WM_HSCROLL: return OnScroll(window, c, message, wParam, lParam);
        case WM_NCMOUSEMOVE: return OnNcMouseMove(window, c, wParam, lParam);
        case WM_LBUTTONDOWN: c.record->selecting = true; break;
        case WM_LBUTTONUP: c.record->selecting = false; break;
        case WM_NCPAINT: return OnNcPaint(window, c, wParam, lParam);
        default: break;
    }
    return Forward(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
