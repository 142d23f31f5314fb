#include <windows.h>

#include "base/handle.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "base/scoped_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

constexpr COLORREF kTransparentKey = 0x00FF00FF;  // magenta: "leave the composite as it is"

// The rectangles of the scroll bars the edit shows, in window coordinates.
void ExcludeScrollBars(HWND edit, HDC dc) {
    RECT window{};
    ::GetWindowRect(edit, &window);
    for (LONG object : {OBJID_VSCROLL, OBJID_HSCROLL}) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetScrollBarInfo(edit, object, &info)) continue;
        if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) continue;
        const RECT& r = info.rcScrollBar;
        ::ExcludeClipRect(dc, r.left - window.left, r.top - window.top, r.right - window.left, r.bottom - window.top);
    }
}

void DrawRing(HDC surface, HWND edit, int w, int h, const RECT& text, bool focused, bool hot) {
    SurfaceCanvas canvas(surface);
    if (!canvas) return;
    GxGraphics& g = canvas.Graphics();
    g.SetClipRectI(0, 0, w, h);
    g.SetClipRectI(text.left, text.top, Width(text), Height(text), Gdiplus::CombineModeExclude);
    FillPathSolid(g, RectanglePath(0, 0, static_cast<float>(w), static_cast<float>(h)), ToArgb(kWhite, 255));

    const std::int32_t kind = EditBorderKind(edit);
    if (kind == 0) return;
    const float right = static_cast<float>(w - 1), bottom = static_cast<float>(h - 1);
    const GxPath outer = RectanglePath(0, 0, right, bottom);
    if (hot && kind == 2) {
        StrokePath(g, outer, ToArgb(kWhite, 60));
        StrokePath(g, outer, ToArgb(skinDefaults.themeColor, 90));
        StrokePath(g, RectanglePath(1, 1, static_cast<float>(w - 3), static_cast<float>(h - 3)),
                   ToArgb(skinDefaults.themeColor, 180));
    } else {
        StrokePath(g, outer, focused ? ToArgb(skinDefaults.themeColor, 180) : ToArgb(kBlack, 80));
    }
}

// The ring goes into the form's composite copy; the magenta text area is
// transparent there, so the composite keeps the edit's real text.
void CopyRingToFrameCopy(HWND edit, HDC surface, int w, int h, const RECT& text) {
    UniqueBrush key(::CreateSolidBrush(kTransparentKey));
    if (key) ::FillRect(surface, &text, key.Get());
    FormRecord* form = FormOfControl(edit);
    if (!form || !form->frameCopy) return;
    const RECT at = WindowRectInForm(edit);
    ::TransparentBlt(form->frameCopy->Dc(), at.left, at.top, w, h, surface, 0, 0, w, h, kTransparentKey);
}

}  // namespace

void PaintEditFrame(HWND edit, bool focused, bool hot) {
    const SIZE size = WindowSize(edit);
    const int w = size.cx, h = size.cy;
    if (w <= 0 || h <= 0) return;
    const RECT text = ClientAreaInWindow(edit);

    HDC surface = BuildControlBackground(edit, RECT{0, 0, w, h});
    if (!surface) return;
    DrawRing(surface, edit, w, h, text, focused, hot);

    if (const WholeWindowDc dc(edit); dc) {
        ::ExcludeClipRect(dc.Get(), text.left, text.top, text.right, text.bottom);
        ExcludeScrollBars(edit, dc.Get());
        ::BitBlt(dc.Get(), 0, 0, w, h, surface, 0, 0, SRCCOPY);
    }
    CopyRingToFrameCopy(edit, surface, w, h, text);
    ReleaseSurface(surface);
}

std::int32_t EditBorderKind(HWND edit) {
    const LONG_PTR style = ::GetWindowLongPtrW(edit, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(edit, GWL_EXSTYLE);
    if (style & WS_BORDER) return 1;
    if (exStyle & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME)) return 2;
    return 0;
}

bool HasScrollBars(HWND edit) { return (::GetWindowLongPtrW(edit, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0; }

void SetEditTextColors(HWND window, COLORREF textColor, COLORREF disabledTextColor) {
    if (!window) return;
    HWND target = window;
    if (ClassNameOf(window) == L"ComboBox") {
        target = ::FindWindowExW(window, nullptr, L"Edit", nullptr);
        if (!target) return;
    }
    SetPropValue(target, prop::kTextColor, static_cast<std::intptr_t>(textColor));
    SetPropValue(target, prop::kDisabledTextColor, static_cast<std::intptr_t>(disabledTextColor));
}

}  // namespace pelorin::skin
