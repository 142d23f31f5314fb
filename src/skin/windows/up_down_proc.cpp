// Up-down controls: the skin draws the two arrow parts as rounded theme
// gradients, hot under the mouse and pressed while held; the control's own
// procedure keeps the clicks, the auto-repeat, the buddy and the
// notifications (UDN_DELTAPOS, WM_VSCROLL / WM_HSCROLL) to its parent.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <unordered_map>

#include "base/handle.h"
#include "skin/core/control_attach.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/child_attach.h"
#include "skin/windows/client_paint.h"
#include "skin/windows/themed_parts.h"
#include "skin/windows/up_down.h"

namespace pelorin::skin {

namespace {

enum Part : int { kNoPart = 0, kFirstPart = 1, kSecondPart = 2 };  // up/left, down/right

// Hover and press state per up-down window, dropped with the window.
struct UpDownLook {
    int hot = kNoPart;
    int pressed = kNoPart;
};
std::unordered_map<HWND, UpDownLook> looks;

using UpDownContext = ControlContext<UpDownRecord>;

// The two halves of the client area: top/bottom, or left/right when horizontal.
RECT PartRect(const RECT& client, bool horizontal, int part) {
    RECT r = client;
    if (horizontal) {
        const LONG middle = client.right / 2;
        (part == kFirstPart ? r.right : r.left) = middle;
    } else {
        const LONG middle = client.bottom / 2;
        (part == kFirstPart ? r.bottom : r.top) = middle;
    }
    return r;
}

int PartAt(HWND window, bool horizontal, POINT point) {
    RECT client{};
    ::GetClientRect(window, &client);
    for (int part : {kFirstPart, kSecondPart}) {
        const RECT r = PartRect(client, horizontal, part);
        if (::PtInRect(&r, point)) return part;
    }
    return kNoPart;
}

PartState StateOf(HWND window, const UpDownLook& look, int part) {
    if (!::IsWindowEnabled(window)) return PartState::Disabled;
    if (look.pressed == part) return PartState::Pressed;
    if (look.hot == part) return PartState::Hot;
    return PartState::Normal;
}

void DrawPart(GxGraphics& graphics, const RECT& r, PartState state, ArrowDirection direction) {
    const float x = static_cast<float>(r.left);
    const float y = static_cast<float>(r.top);
    const float w = static_cast<float>(Width(r));
    const float h = static_cast<float>(Height(r));
    DrawThemedPart(graphics, x, y, w, h, state, skinDefaults.themeColor, 4);
    DrawArrow(graphics, x, y, w - 1, h - 1, direction, state != PartState::Disabled);
}

void Redraw(const UpDownContext& c) { DrawUpDown(c.formIndex, c.index); }

void OnMouseMove(HWND window, const UpDownContext& c, LPARAM lParam) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    ::TrackMouseEvent(&track);
    UpDownLook& look = looks[window];
    const int part = PartAt(window, c.record->horizontal, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (part == look.hot) return;
    look.hot = part;
    Redraw(c);
}

void OnMouseLeave(const UpDownContext& c) {
    UpDownLook& look = looks[c.record->window];
    if (look.hot == kNoPart) return;
    look.hot = kNoPart;
    Redraw(c);
}

LRESULT OnButton(HWND window, const UpDownContext& c, UINT message, WPARAM wParam, LPARAM lParam) {
    UpDownLook& look = looks[window];
    look.pressed = message == WM_LBUTTONDOWN
                       ? PartAt(window, c.record->horizontal, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})
                       : kNoPart;
    const LRESULT result = ForwardMessage(window, message, wParam, lParam);
    Redraw(c);
    return result;
}

// Capture taken away (another window, a menu): nothing is held any more.
void OnCaptureChanged(const UpDownContext& c) {
    UpDownLook& look = looks[c.record->window];
    if (look.pressed == kNoPart) return;
    look.pressed = kNoPart;
    Redraw(c);
}

LRESULT OnPaint(HWND window, const UpDownContext& c, WPARAM wParam) {
    return PaintClient(window, wParam, [&c](HDC dc) { DrawUpDown(c.formIndex, c.index, dc); });
}

}  // namespace

void AttachUpDowns(std::int32_t form, HWND parent) {
    if (!AttachesControls(form)) return;
    ForEachChildOfClass(parent, UPDOWN_CLASSW, [form](HWND upDown) {
        if (FindUpDown(form, upDown)) return;
        AttachControl(form, upDown, &FormRecord::upDowns, UpDownProc,
                      [upDown](UpDownRecord& record) { record.horizontal = (StyleOf(upDown) & UDS_HORZ) != 0; });
        ::InvalidateRect(upDown, nullptr, TRUE);
    });
}

void DrawUpDown(std::int32_t formIndex, std::int32_t index, HDC target) {
    FormRecord* form = formRegistry.At(formIndex);
    const UpDownRecord* record = form ? form->upDowns.At(index) : nullptr;
    if (!record || !record->window || !::IsWindow(record->window)) return;
    const HWND window = record->window;
    DrawOverFormBackground(window, target, false, [&](GxGraphics& graphics, HDC, const RECT& client) {
        const auto found = looks.find(window);
        const UpDownLook look = found != looks.end() ? found->second : UpDownLook{};
        const bool horizontal = record->horizontal;
        DrawPart(graphics, PartRect(client, horizontal, kFirstPart), StateOf(window, look, kFirstPart),
                 horizontal ? ArrowDirection::Left : ArrowDirection::Up);
        DrawPart(graphics, PartRect(client, horizontal, kSecondPart), StateOf(window, look, kSecondPart),
                 horizontal ? ArrowDirection::Right : ArrowDirection::Down);
    });
}

LRESULT CALLBACK UpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const UpDownContext c = FindControl(window, &FormRecord::upDowns);
    if (!c.record) return ForwardMessage(window, message, wParam, lParam);
    switch (message) {
        case WM_NCDESTROY: looks.erase(window); break;
        case WM_MOUSEMOVE: OnMouseMove(window, c, lParam); break;
        case WM_MOUSELEAVE: OnMouseLeave(c); break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: return OnButton(window, c, message, wParam, lParam);
        case WM_CAPTURECHANGED: OnCaptureChanged(c); break;
        case WM_ENABLE: ::InvalidateRect(window, nullptr, FALSE); break;
        case WM_ERASEBKGND: return 1;  // every pixel is painted by DrawUpDown
        case WM_PAINT:
        case WM_PRINTCLIENT: return OnPaint(window, c, wParam);
        default: break;
    }
    return ForwardMessage(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
