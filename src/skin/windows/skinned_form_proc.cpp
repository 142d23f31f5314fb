// SkinnedFormProc: one short case per message, in the order the skin tests
// them, and the handlers for the form's lifetime, showing and painting.
// Every message a handler does not finish goes on to the procedure the
// window had before it was skinned (property "Hw_hProc").

#include "skin/windows/skinned_form_proc.h"

#include "base/handle.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/form_layout.h"
#include "skin/core/prop_objects.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/close_animation.h"
#include "skin/windows/form_handlers.h"
#include "skin/windows/frame_parts.h"
#include "skin/windows/frame_render.h"

namespace pelorin::skin {

namespace {

UINT_PTR HoverTimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

RECT WorkArea() {
    RECT area{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

void RepaintTransparentChildren(HWND window) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsTransparentChild(child)) continue;
        ::InvalidateRect(child, nullptr, TRUE);
        ::UpdateWindow(child);
    }
}

}  // namespace

LRESULT ForwardToPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardMessage(window, message, wParam, lParam);
}

SIZE ClientSize(HWND window) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    return SIZE{rect.right, rect.bottom};
}

LRESULT OnClose(const FormContext& c, WPARAM wParam, LPARAM lParam) {
    if (c.form.closeQuery && c.form.closeQuery() != 1) return 0;  // the window stays open
    const std::int32_t variant = c.form.closeAnimation;
    if (variant >= 1 && variant <= 9) PlayCloseAnimation(c.window, variant);
    return ForwardToPrevious(c.window, WM_CLOSE, wParam, lParam);
}

// The children still exist now (at WM_NCDESTROY they are gone, and their
// properties with them), so their cached brushes are released here.
void OnDestroy(const FormContext& c) {
    for (const EditRecord& edit : c.form.edits)
        if (edit.window) DeleteBackgroundBrush(edit.window);
    for (HWND child = ::GetWindow(c.window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (IsListBox(child)) DeleteBackgroundBrush(child);
}

LRESULT OnNcDestroy(const FormContext& c, WPARAM wParam, LPARAM lParam) {
    const HWND window = c.window;
    WNDPROC previous = c.form.previousProc ? c.form.previousProc : GetPreviousProc(window);
    ::KillTimer(window, HoverTimerId(window));
    for (const EditRecord& edit : c.form.edits)
        if (edit.window && ::IsWindow(edit.window)) DeleteBackgroundBrush(edit.window);
    c.form.frameBuffer.reset();
    c.form.titleCache.reset();
    c.form.logoCache.reset();
    c.form.statusCache.reset();
    c.form.frameCopy.reset();
    if (previous) Subclass(window, previous);
    ForgetCaptionState(window);
    formRegistry.Remove(c.index);  // the record (and `c.form`) is gone after this
    return previous ? ::CallWindowProcW(previous, window, WM_NCDESTROY, wParam, lParam)
                    : ::DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

void OnShowWindow(const FormContext& c, bool shown) {
    if (shown && !c.form.hiddenFlag) {
        {
            // Rendering presented: the window gets its rounded region before it appears.
            PaintDc paint(c.window);
            RenderFrame(c.index, paint.Get(), true);
        }
        c.form.shownOnce = true;
        c.form.renderPending = false;
        c.form.hiddenFlag = false;
    } else {
        c.form.hiddenFlag = true;
        c.form.shownOnce = false;
    }
}

LRESULT OnEraseBackground(const FormContext& c, HDC dc) {
    ::SetBkMode(dc, TRANSPARENT);
    FormRecord& f = c.form;
    if (f.renderPending && !f.isSizing && f.frameCopy && !f.shownOnce && !f.backgroundErased) {
        const MemorySurface& copy = *f.frameCopy;
        BlitToWindow(c.window, copy.Dc(), RECT{0, 0, copy.Width(), copy.Height()});
        f.backgroundErased = true;
    }
    return 1;
}

LRESULT OnPaint(const FormContext& c) {
    FormRecord& f = c.form;
    if (f.isMinimized) {
        f.renderPending = false;
        PaintDc paint(c.window);
        return 0;
    }
    if (f.renderPending) {
        {
            PaintDc paint(c.window);
            RenderFrame(c.index, paint.Get(), true);
            if (f.refreshListsOnPaint) {
                f.refreshListsOnPaint = false;
                for (const HeaderRecord& list : f.listViews)
                    if (list.window) ::RedrawWindow(list.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
            }
        }
        f.backgroundErased = false;
        return 0;
    }
    {
        PaintDc paint(c.window);
        PresentFrame(c.index);
        f.renderPending = false;
    }
    RepaintTransparentChildren(c.window);
    return 0;
}

void OnGetMinMaxInfo(const FormContext& c, MINMAXINFO* info) {
    const RECT area = WorkArea();
    if (!info || !c.form.isMaximized) return;
    info->ptMinTrackSize = POINT{c.form.minTrackWidth, c.form.minTrackHeight};
    info->ptMaxTrackSize = POINT{area.right - area.left, area.bottom - area.top};
}

void OnWindowPosChanged(const FormContext& c) {
    FormRecord& f = c.form;
    const SIZE client = ClientSize(c.window);
    if (f.hasMaximizeButton && client.cx == ::GetSystemMetrics(SM_CXSCREEN) &&
        client.cy == ::GetSystemMetrics(SM_CYSCREEN)) {
        f.isMaximized = true;
        const RECT area = WorkArea();
        RECT now{};
        ::GetWindowRect(c.window, &now);
        // Where the work area is the whole screen the window is already there;
        // moving it again would only bring this message back.
        if (!::EqualRect(&now, &area))
            ::SetWindowPos(c.window, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                           SWP_NOZORDER | SWP_NOCOPYBITS);
    }
    LayoutCaptionButtons(c.index);
    if (f.statusHeight > 0) LayoutStatusArea(c.index);
}

void OnSize(const FormContext& c, WPARAM kind) {
    FormRecord& f = c.form;
    if (kind != SIZE_MINIMIZED && !f.isMinimized) MarkChildrenStale(c.window);
    f.hotButton = 0;
    if (skinDefaults.firstSizePending) {
        skinDefaults.firstSizePending = 0;
        // The first size of the process usually only confirms the size the
        // frame was rendered at; a frame rendered at another size (a window
        // skinned at its final size, then resized) is rendered again.
        const SIZE client = ClientSize(c.window);
        f.renderPending = f.frameBuffer && (f.frameBuffer->Width() != client.cx || f.frameBuffer->Height() != client.cy);
        if (f.renderPending) ::InvalidateRect(c.window, nullptr, FALSE);
    } else if (!f.keepRenderOnSize) {
        f.renderPending = true;
        // The window's rounded region still has the old size: what the
        // resize uncovered lies outside it and would never be painted, so
        // the render (which reshapes the region) is asked for here.
        ::InvalidateRect(c.window, nullptr, FALSE);
    }
}

void OnSysCommand(const FormContext& c, WPARAM command) {
    switch (command & 0xFFF0) {
        case SC_MAXIMIZE: c.form.isMaximized = true; break;
        case SC_RESTORE: c.form.isMinimized = false; break;
        case SC_MINIMIZE: c.form.isMinimized = true; break;
        default: return;
    }
    c.form.renderPending = true;
}

// A skinned edit box draws its text in its own colours ("Kj_Ztys", and
// "Kj_Jzzts" while disabled): the platform asks the form for them with
// WM_CTLCOLOREDIT (a framed edit's frame passes the question on).
LRESULT OnEditColor(const FormContext& c, WPARAM wParam, LPARAM lParam) {
    const auto dc = reinterpret_cast<HDC>(wParam);
    const auto edit = reinterpret_cast<HWND>(lParam);
    const LRESULT brush = ForwardToPrevious(c.window, WM_CTLCOLOREDIT, wParam, lParam);
    const wchar_t* colour = ::IsWindowEnabled(edit) ? prop::kTextColor : prop::kDisabledTextColor;
    ::SetTextColor(dc, static_cast<COLORREF>(GetPropValue(edit, colour)));
    return brush;
}

void OnSetText(const FormContext& c, const wchar_t* text) {
    FormRecord& f = c.form;
    if (!f.showTitleText || !f.hasTitleBar || !f.frameBuffer) return;
    SurfaceCanvas graphics(*f.frameBuffer);
    if (graphics) DrawCaptionText(c.index, graphics.Graphics(), false, std::wstring(text ? text : L""));
}

LRESULT CALLBACK SkinnedFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::int32_t index = GetPropInt(window, prop::kListIndex);
    FormRecord* record = formRegistry.At(index);
    if (!record || record->window != window) return ForwardToPrevious(window, message, wParam, lParam);
    const FormContext c{window, index, *record};
    FormRecord& f = *record;

    switch (message) {
        case WM_INITMENUPOPUP: break;  // skinned menus keep the platform's menu window
        case WM_MEASUREITEM:
            if (wParam == 0) OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            break;
        // GDI+ is shut down by SkinShutdown after the message loop: WM_QUIT is
        // never dispatched to a window procedure.
        case WM_CLOSE: return OnClose(c, wParam, lParam);
        case WM_DESTROY: OnDestroy(c); break;
        case WM_NCDESTROY: return OnNcDestroy(c, wParam, lParam);
        case WM_SIZING: f.isSizing = true; break;
        case WM_MOVING: f.isMoving = true; break;
        case WM_EXITSIZEMOVE: f.isSizing = f.isMoving = false; break;
        case WM_SHOWWINDOW: OnShowWindow(c, wParam != 0); break;
        case WM_ERASEBKGND: return OnEraseBackground(c, reinterpret_cast<HDC>(wParam));
        case WM_PAINT: return OnPaint(c);
        case WM_MOUSEMOVE:
            OnCaptionMouseMove(c, PointOf(lParam));
            if (!f.isMaximized) SetZoneCursor(c, PointOf(lParam));
            break;
        case WM_MOUSEHOVER: f.mouseTracked = true; break;
        case WM_MOUSELEAVE: OnMouseLeave(c); break;
        case WM_TIMER:
            if (wParam == reinterpret_cast<WPARAM>(window)) OnHoverTimer(c);
            break;
        case WM_GETMINMAXINFO: OnGetMinMaxInfo(c, reinterpret_cast<MINMAXINFO*>(lParam)); break;
        case WM_WINDOWPOSCHANGED: OnWindowPosChanged(c); break;
        case WM_SIZE: OnSize(c, wParam); break;
        case WM_LBUTTONDOWN: OnLeftButtonDown(c, PointOf(lParam)); break;
        case WM_LBUTTONUP: OnCaptionButtonUp(c, PointOf(lParam)); break;
        case WM_RBUTTONDOWN: OnRightButtonDown(c, PointOf(lParam)); break;
        case WM_LBUTTONDBLCLK: OnLeftButtonDoubleClick(c, PointOf(lParam)); break;
        case WM_SYSCOMMAND: OnSysCommand(c, wParam); break;
        case WM_QUERYOPEN:
            f.isMinimized = false;
            f.refreshListsOnPaint = true;
            break;
        case WM_SETTEXT: OnSetText(c, reinterpret_cast<const wchar_t*>(lParam)); break;
        case WM_DRAWITEM:
            if (OnDrawItem(c, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_CTLCOLOREDIT:
            if (FindEdit(c.index, reinterpret_cast<HWND>(lParam)) > 0) return OnEditColor(c, wParam, lParam);
            break;
        case WM_CTLCOLORLISTBOX:
            if (IsListBox(reinterpret_cast<HWND>(lParam)))
                return OnListBoxColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            break;
        case WM_ACTIVATEAPP: f.isActive = wParam != 0; break;
        case WM_ACTIVATE: f.isActive = LOWORD(wParam) != WA_INACTIVE; break;
        case WM_COMMAND:
            if (lParam == 0) OnMenuCommand(wParam);
            break;
        case WM_NOTIFY: OnNotify(reinterpret_cast<const NMHDR*>(lParam)); break;
        default: break;
    }
    return ForwardToPrevious(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
