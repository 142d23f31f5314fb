// The border of a boxed control: a one-pixel rectangle at the outer edge of
// the window (theme colour when hot or focused, a faint black otherwise) on
// a white non-client ring. The client area is left to the platform.
#include <windows.h>

#include "graphics/gx_graphics.h"
#include "graphics/gx_pen.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "base/scoped_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/box_frame.h"

namespace pelorin::skin {

namespace {

bool HasBorder(HWND window) {
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    return (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0 ||
           (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) != 0;
}

// The client area in window coordinates, as the platform placed it.
RECT ClientInWindow(HWND window) {
    RECT windowRect{}, client{};
    ::GetWindowRect(window, &windowRect);
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    ::OffsetRect(&client, origin.x - windowRect.left, origin.y - windowRect.top);
    return client;
}

// The ring in opaque white (a plain GDI fill: nothing to blend), then the
// line drawn over it. The client area is never copied to the screen.
void DrawRing(HDC surface, int width, int height, GxArgb lineColor) {
    const RECT all{0, 0, width, height};
    ::FillRect(surface, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::GdiFlush();
    SurfaceCanvas canvas(surface);
    GxPen pen;
    if (canvas && pen.Create1(lineColor, 1)) canvas.Graphics().DrawRectangleI(pen, 0, 0, width - 1, height - 1);
}

}  // namespace

void RefreshListStrips(HWND window, std::int32_t vHot, std::int32_t hHot) {
    FormRecord* form = formRegistry.At(GetPropInt(window, prop::kFormIndex));
    ListControlRecord* list = form ? form->listControls.At(GetPropInt(window, prop::kListIndex)) : nullptr;
    if (!list || list->window != window) return;
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    if (list->verticalStrip && (style & WS_VSCROLL)) PaintScrollStripVertical(window, vHot);
    if (list->horizontalStrip && (style & WS_HSCROLL)) PaintScrollStripHorizontal(window, hHot);
}

void DrawBoxFrame(std::int32_t formIndex, std::int32_t listIndex, bool hot, bool focused) {
    FormRecord* form = formRegistry.At(formIndex);
    ListControlRecord* list = form ? form->listControls.At(listIndex) : nullptr;
    if (!list || !list->window || !::IsWindow(list->window)) return;
    HWND window = list->window;
    RECT windowRect{};
    ::GetWindowRect(window, &windowRect);
    const int width = windowRect.right - windowRect.left;
    const int height = windowRect.bottom - windowRect.top;
    if (width <= 0 || height <= 0) return;
    const RECT client = ClientInWindow(window);
    // A drop-down list or a borderless control keeps its own look.
    if (ClassNameOf(window) == L"ComboLBox" || !HasBorder(window)) return;

    HDC surface = BuildControlBackground(window, RECT{0, 0, width, height});
    if (!surface) return;
    const GxArgb line = (hot || focused) ? ToArgb(skinDefaults.themeColor, 200) : ToArgb(0x00000000, 90);
    DrawRing(surface, width, height, line);
    if (const WholeWindowDc dc(window); dc) {
        // Only the ring reaches the screen: the client area is clipped out
        // (where a transparent-colour copy would leave it alone).
        ::ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
        // The window's DC does not clip its sibling strips: their pictures
        // over the scroll bars stay as they are.
        for (HWND strip : {list->verticalStrip, list->horizontalStrip}) {
            if (!strip || !::IsWindowVisible(strip)) continue;
            RECT r{};
            ::GetWindowRect(strip, &r);
            ::OffsetRect(&r, -windowRect.left, -windowRect.top);
            ::ExcludeClipRect(dc.Get(), r.left, r.top, r.right, r.bottom);
        }
        ::BitBlt(dc.Get(), 0, 0, width, height, surface, 0, 0, SRCCOPY);
    }
    ReleaseSurface(surface);
}

}  // namespace pelorin::skin
