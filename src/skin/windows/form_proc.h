#pragma once
// The procedure ApplySkin gives a skinned top-level window.

#include <windows.h>

namespace pelorin::skin {

// For now it passes every message on to the window's previous procedure,
// except two: WM_DRAWITEM of a skinned push button is painted by the skin
// (the platform would otherwise draw nothing for the owner-drawn button), and
// WM_NCDESTROY puts the previous procedure back and releases the form record.
// The skinned frame, caption buttons and the rest of the window behaviour are
// to be filled in here.
LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace pelorin::skin
