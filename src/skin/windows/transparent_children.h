#pragma once
// Transparent children (WS_EX_TRANSPARENT): they paint themselves, and what
// they painted goes into the form's frameCopy.

#include <windows.h>

namespace pelorin::skin {

// A transparent child's procedure: it paints as before, then its picture
// goes into the form's frameCopy.
LRESULT CALLBACK TransparentChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Writes what the child shows now into its form's frameCopy.
void CopyChildPicture(HWND child);

}  // namespace pelorin::skin
