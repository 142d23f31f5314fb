#pragma once
// Painting of the controls whose every pixel the skin draws (toolbars and
// up-down controls): the message's DC or a paint DC, the surface over the
// form background, and the copy of the finished surface to the client area.

#include <windows.h>

#include "base/handle.h"
#include "graphics/gx_graphics.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/surface_canvas.h"

namespace pelorin::skin {

// WM_PAINT and WM_PRINTCLIENT: `draw(dc)` on the DC the message brings (a
// WM_PRINTCLIENT or a parent's paint) or on a paint DC of the window.
template <typename Draw>
LRESULT PaintClient(HWND window, WPARAM wParam, Draw draw) {
    if (wParam) {
        draw(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    const PaintDc dc(window);
    if (dc.Get()) draw(dc.Get());
    return 0;
}

// Copies the w x h surface to the client area through `target`, or through a
// DC of the window when there is none.
inline void BlitToClient(HWND window, HDC target, HDC surface, int w, int h) {
    if (target) {
        ::BitBlt(target, 0, 0, w, h, surface, 0, 0, SRCCOPY);
    } else if (const WindowDc own(window); own.Get()) {
        ::BitBlt(own.Get(), 0, 0, w, h, surface, 0, 0, SRCCOPY);
    }
}

// `draw(graphics, surface, client)` on a surface holding the form background
// behind the client area (anti-aliased), then the copy to the window (through
// `target` when given) and into the form's frameCopy. `toolbar`: the form is
// found through a toolbar's own properties. False when nothing was drawn (no
// client area, or no surface).
template <typename Draw>
bool DrawOverFormBackground(HWND window, HDC target, bool toolbar, Draw draw) {
    RECT client{};
    ::GetClientRect(window, &client);
    if (client.right <= 0 || client.bottom <= 0) return false;
    const HDC surface = BuildControlBackground(window, ClientAreaInWindow(window));
    if (!surface) return false;
    {
        SurfaceCanvas canvas(surface);
        if (canvas) {
            canvas.Graphics().SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
            draw(canvas.Graphics(), surface, client);
        }
    }
    BlitToClient(window, target, surface, client.right, client.bottom);
    CopyToFrameCopy(window, surface, toolbar, false);
    ReleaseSurface(surface);
    return true;
}

}  // namespace pelorin::skin
