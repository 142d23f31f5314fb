#pragma once
// Copying a finished container or label picture to its window without
// drawing over the children that paint themselves.

#include <windows.h>

#include "base/handle.h"
#include "skin/core/drawing_helpers.h"

namespace pelorin::skin {

enum class ChildClip { All, TransparentOnly };

// Copies the w x h surface to the window's client area (through `target`
// when given, else a DC of the window), leaving out its visible children of
// the chosen sort.
inline void BlitLeavingOutChildren(HWND window, HDC target, HDC surface, int w, int h, ChildClip clip) {
    WindowDc own(target ? nullptr : window);
    HDC dc = target ? target : own.Get();
    if (!dc) return;
    const int saved = ::SaveDC(dc);
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) continue;
        if (clip == ChildClip::TransparentOnly && !IsTransparentChild(child)) continue;
        RECT r{};
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        ::ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    ::BitBlt(dc, 0, 0, w, h, surface, 0, 0, SRCCOPY);
    ::RestoreDC(dc, saved);
}

// The window's client area in the coordinates of its form's frameCopy.
inline RECT ClientAreaInForm(HWND window) {
    const RECT inForm = ClientRectInForm(window);
    const RECT area = ClientAreaInWindow(window);
    return {inForm.left + area.left, inForm.top + area.top, inForm.left + area.right, inForm.top + area.bottom};
}

}  // namespace pelorin::skin
