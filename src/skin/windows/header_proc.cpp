// The header procedure: hover and press state of the columns, and painting
// by the skin instead of the platform. Clicks, divider drags and the
// notifications they send are left to the header's own procedure.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "base/handle.h"
#include "skin/core/control_lookup.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/header_painter.h"

namespace pelorin::skin {

namespace {

using HeaderContext = ControlContext<HeaderRecord>;

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardMessage(window, message, wParam, lParam);
}

void Redraw(const HeaderContext& c) { DrawHeader(c.formIndex, c.index); }

// 1-based column whose item rectangle holds the point, 0 when none.
std::int32_t ColumnAt(HWND window, POINT point) {
    const int count = Header_GetItemCount(window);
    for (int i = 0; i < count; ++i) {
        RECT item{};
        if (Header_GetItemRect(window, i, &item) && ::PtInRect(&item, point)) return i + 1;
    }
    return 0;
}

void OnMouseMove(HWND window, const HeaderContext& c, LPARAM lParam) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    ::TrackMouseEvent(&track);
    FormRecord& form = *c.form;
    HeaderRecord& header = *c.record;
    form.hotControl = c.index;
    form.hotKind = kHotHeader;
    header.mouseInside = true;
    const std::int32_t column = ColumnAt(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    header.hotColumn = column;
    if (column != 0) {
        if (column != header.drawnHotColumn && !header.buttonDown) {
            header.drawnHotColumn = column;
            Redraw(c);
        }
    } else {
        // Over the header but past its columns: nothing is hot.
        const bool wasDrawnHot = header.drawnHotColumn != 0;
        header.drawnHotColumn = 0;
        header.mouseInside = false;
        if (wasDrawnHot) Redraw(c);
    }
    form.lastHotControl = form.hotControl;
}

void OnMouseLeave(const HeaderContext& c) {
    c.form->lastHotControl = 0;
    c.record->drawnHotColumn = 0;
    c.record->hotColumn = 0;
    c.record->mouseInside = false;
    Redraw(c);
}

LRESULT OnPaint(HWND window, const HeaderContext& c, WPARAM wParam) {
    // A DC in wParam (a parent printing its children) is drawn on as given.
    if (wParam) {
        DrawHeader(c.formIndex, c.index, reinterpret_cast<HDC>(wParam));
        return 0;
    }
    PaintDc dc(window);
    if (dc.Get()) DrawHeader(c.formIndex, c.index, dc.Get());
    return 0;
}

LRESULT OnButton(HWND window, const HeaderContext& c, UINT message, WPARAM wParam, LPARAM lParam) {
    HeaderRecord& header = *c.record;
    if (message == WM_LBUTTONDOWN) {
        header.buttonDown = true;
        if (header.hotColumn != 0) header.pressedColumn = header.hotColumn;
    } else {
        header.buttonDown = false;
        header.pressedColumn = 0;
    }
    const LRESULT result = Forward(window, message, wParam, lParam);
    // The platform may not repaint a header without buttons; the pressed
    // shade shows at once either way.
    if (header.clickable) ::InvalidateRect(window, nullptr, FALSE);
    return result;
}

// The image list belongs to whoever set it (for a list view's header, the
// list view, which destroys it itself): the record only forgets it.
LRESULT OnNcDestroy(HWND window, const HeaderContext& c, WPARAM wParam, LPARAM lParam) {
    c.record->imageList = nullptr;
    return Forward(window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK HeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HeaderContext c = FindControl(window, &FormRecord::listViews);
    if (!c.record) return Forward(window, message, wParam, lParam);
    switch (message) {
        case WM_NCDESTROY: return OnNcDestroy(window, c, wParam, lParam);
        case WM_MOUSEMOVE: OnMouseMove(window, c, lParam); break;
        case WM_MOUSELEAVE: OnMouseLeave(c); break;
        case WM_MOVE: Redraw(c); break;
        case WM_ERASEBKGND: ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
        case WM_PAINT: return OnPaint(window, c, wParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: return OnButton(window, c, message, wParam, lParam);
        default: break;
    }
    return Forward(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
