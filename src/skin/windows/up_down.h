#pragma once
// Up-down controls: two arrow parts drawn by the skin; clicks, auto-repeat
// and notifications stay with the control's own procedure.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

LRESULT CALLBACK UpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Draws the up-down `upDown` of form `form` onto `target` (null: its own DC)
// and into the form's frameCopy.
void DrawUpDown(std::int32_t form, std::int32_t upDown, HDC target = nullptr);

}  // namespace pelorin::skin
