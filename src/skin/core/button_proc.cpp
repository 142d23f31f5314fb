// The window procedure of every skinned push button, check box and radio
// button. Hover, press and focus are noted in the records; check boxes and
// radio buttons are painted here, push buttons by their parent's WM_DRAWITEM
// (and on hover by RepaintButton). Everything not finished here goes on to
// the procedure the control had before.

#include "skin/core/button_fade.h"
#include "skin/core/button_painting.h"
#include "skin/core/check_box_animation.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

// Sent with WM_NCPAINT for the whole non-client area, as the skin always has.
constexpr WPARAM kWholeNonClientArea = 0xFFFFFFFF;

LRESULT Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardMessage(window, message, wParam, lParam);
}

// The state a check box or radio button is painted in outside hover and
// press: a disabled control keeps its disabled look.
UINT RestingState(HWND window, UINT state = 0) { return ::IsWindowEnabled(window) ? state : state | ODS_DISABLED; }

// Paints a check box or radio button in `state`; push buttons are left to
// the owner-draw cycle.
void PaintBox(HWND window, std::int32_t kind, UINT state) {
    if (kind == kRadioButton)
        PaintRadioButton(window, RestingState(window, state));
    else if (kind == kCheckBox)
        PaintCheckBox(window, RestingState(window, state));
}

LRESULT OnMouseMove(HWND window, ButtonContext context, WPARAM wParam, LPARAM lParam) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    ::TrackMouseEvent(&track);
    FormRecord& form = *context.form;
    form.hotControl = context.index;
    if (form.hotControl != form.lastHotControl || form.hotKind != kHotButton) {
        RepaintButton(window, 0, true);
        form.lastHotControl = form.hotControl;
        form.hotKind = kHotButton;
    }
    return Forward(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, ButtonContext context, WPARAM wParam, LPARAM lParam) {
    context.form->lastHotControl = 0;
    RepaintButton(window, context.record->focused ? ODS_FOCUS : 0, false);
    return Forward(window, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnLeftButtonDown(HWND window, ButtonContext context, WPARAM wParam, LPARAM lParam) {
    context.record->pressed = true;
    const std::int32_t kind = context.record->kind;
    // The record is not touched after forwarding: the click may have
    // destroyed the window and its form.
    const LRESULT result = Forward(window, WM_LBUTTONDOWN, wParam, lParam);
    if (!::IsWindow(window)) return result;
    if (kind == kRadioButton) {
        PaintRadioButton(window, RestingState(window, ODS_SELECTED));
    } else if (kind == kCheckBox) {
        if (GetPropInt(window, prop::kCheckAnimation) == 0)
            PaintCheckBox(window, RestingState(window));
        else
            PlayCheckAnimation(window);
    }
    return result;
}

LRESULT OnLeftButtonUp(HWND window, ButtonContext context, WPARAM wParam, LPARAM lParam) {
    context.record->pressed = false;
    context.form->lastHotControl = 0;
    return Forward(window, WM_LBUTTONUP, wParam, lParam);
}

LRESULT OnEraseBackground(HDC dc) { return ::SetBkMode(dc, TRANSPARENT); }

LRESULT OnPaint(HWND window, ButtonContext context, WPARAM wParam, LPARAM lParam) {
    if (context.record->kind == kPushButton) return Forward(window, WM_PAINT, wParam, lParam);
    const PaintDc paint(window);
    PaintBox(window, context.record->kind, 0);
    return 0;
}

LRESULT OnSetFocus(HWND window, ButtonContext context, WPARAM wParam, LPARAM lParam) {
    context.record->focused = true;
    return Forward(window, WM_SETFOCUS, wParam, lParam);
}

LRESULT OnKillFocus(HWND window, ButtonContext context, WPARAM wParam, LPARAM lParam) {
    context.record->focused = false;
    const std::int32_t kind = context.record->kind;
    const LRESULT result = Forward(window, WM_KILLFOCUS, wParam, lParam);
    if (::IsWindow(window)) PaintBox(window, kind, 0);
    return result;
}

LRESULT OnSetText(HWND window, ButtonContext context, WPARAM wParam, LPARAM lParam) {
    const auto* text = reinterpret_cast<const wchar_t*>(lParam);
    context.record->caption = text ? text : L"";
    return Forward(window, WM_SETTEXT, wParam, lParam);
}

// BM_SETCHECK and the space key: the platform changes the state, the skin
// shows it at once.
LRESULT OnCheckChange(HWND window, ButtonContext context, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::int32_t kind = context.record->kind;
    const LRESULT result = Forward(window, message, wParam, lParam);
    if (::IsWindow(window)) PaintBox(window, kind, kind == kRadioButton ? ODS_SELECTED : 0);
    return result;
}

LRESULT OnSetState(HWND window, ButtonContext context, WPARAM wParam, LPARAM lParam) {
    // While the mouse button is down the button stays drawn pressed.
    if (wParam == 0 && context.record->pressed) return 0;
    return Forward(window, BM_SETSTATE, wParam, lParam);
}

LRESULT OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    // A fade must not outlive its window: its DC would be stale.
    EndFadesOf(window);
    return Forward(window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ButtonContext context = FindControl(window, &FormRecord::buttons);
    if (!context) {
        if (message == WM_NCDESTROY) EndFadesOf(window);
        return Forward(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_MOUSEMOVE: return OnMouseMove(window, context, wParam, lParam);
        case WM_MOUSELEAVE: return OnMouseLeave(window, context, wParam, lParam);
        case WM_WINDOWPOSCHANGING: MarkContainerStale(window); return Forward(window, message, wParam, lParam);
        case WM_MOVE: ::InvalidateRect(window, nullptr, TRUE); return Forward(window, message, wParam, lParam);
        case WM_LBUTTONDOWN: return OnLeftButtonDown(window, context, wParam, lParam);
        case WM_LBUTTONUP: return OnLeftButtonUp(window, context, wParam, lParam);
        case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_PAINT: return OnPaint(window, context, wParam, lParam);
        case WM_SETFOCUS: return OnSetFocus(window, context, wParam, lParam);
        case WM_KILLFOCUS: return OnKillFocus(window, context, wParam, lParam);
        case WM_SETTEXT: return OnSetText(window, context, wParam, lParam);
        case WM_NCPAINT: return ::DefWindowProcW(window, WM_NCPAINT, kWholeNonClientArea, lParam);
        case WM_LBUTTONDBLCLK: return 0;  // the second click of a double click is no click
        case BM_SETCHECK: return OnCheckChange(window, context, message, wParam, lParam);
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) return OnCheckChange(window, context, message, wParam, lParam);
            return Forward(window, message, wParam, lParam);
        case BM_SETSTATE: return OnSetState(window, context, wParam, lParam);
        case WM_NCDESTROY: return OnNcDestroy(window, wParam, lParam);
        default: return Forward(window, message, wParam, lParam);
    }
}

}  // namespace pelorin::skin
