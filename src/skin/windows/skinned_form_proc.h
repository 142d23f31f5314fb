#pragma once
// The window procedure of every skinned top-level window (a form): the frame
// drawn by the skin, caption buttons with hover fades and tooltips, resizing
// from thin borders, moving by the window surface, the close animation, and
// the owner-draw and colour messages of its skinned children.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "skin/core/skin_observers.h"

namespace pelorin::skin {

LRESULT CALLBACK SkinnedFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Marks every skinned control of the form for a rebuild of its cached
// picture at its next paint; repaints nothing.
void MarkChildrenStale(HWND form);

// Sets captionFadeObserver; an empty function stops observing.
void SetCaptionFadeObserver(CaptionFadeObserver observer);

}  // namespace pelorin::skin
