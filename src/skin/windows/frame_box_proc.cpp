// The frame box container's window procedure: painting, the hover, press
// and click of the right-hand buttons, and the framed control's messages
// handed on to the window that held the control before.
#include <windows.h>
#include <windowsx.h>

#include "base/handle.h"
#include "skin/core/window_props.h"
#include "skin/windows/frame_box.h"

namespace pelorin::skin {

LRESULT CALLBACK FrameBoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FrameBoxEntry* entry = FrameBoxEntryAt(GetPropInt(window, prop::kFrameTableIndex));
    if (entry && !entry->free && entry->handle == window && entry->box)
        return entry->box->WndProc(window, message, wParam, lParam);
    return ForwardMessage(window, message, wParam, lParam, prop::kFramePreviousProc);
}

LRESULT FrameBox::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Read first: a detach while handling (WM_DESTROY, a click callback)
    // leaves the box empty, and the message still goes on.
    const WNDPROC previous = GetPreviousProc(window, prop::kFramePreviousProc);
    switch (message) {
        case WM_ERASEBKGND: ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
        case WM_PAINT: OnPaint(); return 0;
        case WM_MOVE:
        case WM_SIZE: dirty_ = true; break;
        case WM_MOUSEMOVE: OnMouseMove(lParam); break;
        case WM_MOUSELEAVE: OnMouseLeave(); break;
        case WM_LBUTTONDOWN: OnLeftButtonDown(lParam); break;
        case WM_LBUTTONUP: OnLeftButtonUp(); break;
        case WM_DESTROY: Detach(); break;
        case WM_COMMAND:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            // The control's notifications and colour questions go where they
            // went before it moved into the frame: the application's window.
            if (control_ && reinterpret_cast<HWND>(lParam) == control_)
                return ::SendMessageW(::GetParent(window), message, wParam, lParam);
            break;
        default: break;
    }
    return previous ? ::CallWindowProcW(previous, window, message, wParam, lParam)
                    : ::DefWindowProcW(window, message, wParam, lParam);
}

void FrameBox::OnPaint() {
    PaintDc paint(container_);
    if (dirty_) {
        Paint();
        dirty_ = false;
    } else {
        Present();
        InvalidateVisibleChildren();
    }
}

std::int32_t FrameBox::HitTestAndSetCursor(LPARAM lParam) {
    const std::int32_t index = HitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    ::SetCursor(index > 0 && buttonCursor_ ? buttonCursor_.Get() : ::LoadCursorW(nullptr, IDC_ARROW));
    return index;
}

void FrameBox::SetHot(std::int32_t index, bool hot) {
    FrameButton* button = Button(index);
    if (!button) return;
    button->hot = hot;
    DrawButton(index);
}

void FrameBox::OnMouseMove(LPARAM lParam) {
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, container_, 1};
    ::TrackMouseEvent(&track);
    const std::int32_t index = HitTestAndSetCursor(lParam);
    if (index == hotItem_) return;
    SetHot(hotItem_, false);
    SetHot(index, true);
    hotItem_ = index;
}

void FrameBox::OnMouseLeave() {
    SetHot(hotItem_, false);
    hotItem_ = 0;
}

void FrameBox::OnLeftButtonDown(LPARAM lParam) {
    const std::int32_t index = HitTestAndSetCursor(lParam);
    FrameButton* button = Button(index);
    if (!button) return;
    ::SetCapture(container_);
    button->pressed = true;
    DrawButton(index);
    pressedItem_ = index;
}

// The click counts wherever the mouse is released.
void FrameBox::OnLeftButtonUp() {
    const std::int32_t index = pressedItem_;
    pressedItem_ = 0;
    FrameButton* button = Button(index);
    if (button) {
        button->pressed = false;
        DrawButton(index);
    }
    ::ReleaseCapture();
    // Last: the callback may detach or even destroy this box.
    if (button && clickCallback_) {
        const FrameClickCallback callback = clickCallback_;
        callback(index);
    }
}

}  // namespace pelorin::skin
