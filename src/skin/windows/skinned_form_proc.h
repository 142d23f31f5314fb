#pragma once
// The window procedure of every skinned top-level window (a form): the frame
// drawn by the skin, caption buttons with hover fades and tooltips, resizing
// from thin borders, moving by the window surface, the close animation, and
// the owner-draw and colour messages of its skinned children.

#include <windows.h>

#include <cstdint>
#include <functional>

namespace pelorin::skin {

LRESULT CALLBACK SkinnedFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Marks every skinned control of the form for a rebuild of its cached
// picture at its next paint; repaints nothing.
void MarkChildrenStale(HWND form);

// Called with (form window, 1-based button, overlay opacity) each time a
// hover fade draws a caption button; for diagnostics and tests. Pass an
// empty function to stop observing.
using CaptionFadeObserver = std::function<void(HWND form, std::int32_t button, std::int32_t opacity)>;
void SetCaptionFadeObserver(CaptionFadeObserver observer);

}  // namespace pelorin::skin
