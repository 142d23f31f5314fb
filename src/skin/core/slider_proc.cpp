#include "base/handle.h"
#include "skin/core/control_lookup.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

using SliderContext = ControlContext<SliderRecord>;

void RequestMouseLeave(HWND window) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    ::TrackMouseEvent(&track);
}

void OnMouseMove(HWND window, const SliderContext& c) {
    RequestMouseLeave(window);
    c.form->hotControl = c.index;
    if (c.form->hotControl != c.form->lastHotControl || c.form->hotKind != kHotSlider) {
        c.record->hot = true;
        PaintSlider(c.formIndex, c.index);
        c.form->lastHotControl = c.form->hotControl;
        c.form->hotKind = kHotSlider;
    }
}

void OnMouseLeave(const SliderContext& c) {
    c.form->lastHotControl = 0;
    c.record->hot = false;
    PaintSlider(c.formIndex, c.index);
}

LRESULT OnEraseBackground(HDC dc) {
    const int previous = ::SetBkMode(dc, TRANSPARENT);
    return previous != 0 ? previous : 1;
}

LRESULT OnPaint(HWND window, const SliderContext& c) {
    const PaintDc paint(window);
    PaintSlider(c.formIndex, c.index);
    return 0;
}

}  // namespace

// The trackbar keeps its whole behaviour (keys, dragging, notifications);
// only its painting is replaced.
LRESULT CALLBACK SliderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const SliderContext c = FindControl(window, &FormRecord::sliders);
    if (!c.record) return ForwardMessage(window, message, wParam, lParam);
    switch (message) {
        case WM_MOUSEMOVE: OnMouseMove(window, c); break;
        case WM_MOUSELEAVE: OnMouseLeave(c); break;
        case WM_WINDOWPOSCHANGING: MarkContainerStale(window); break;
        case WM_MOVE: PaintSlider(c.formIndex, c.index); break;
        case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_PAINT: return OnPaint(window, c);
        case WM_NCPAINT: PaintSlider(c.formIndex, c.index); return 0;
        default: break;
    }
    return ForwardMessage(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
