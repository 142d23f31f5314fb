#pragma once
// Toolbars: buttons with their image-list icons and texts drawn by the skin;
// clicks and the commands they send stay with the toolbar's own procedure.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Draws the toolbar `toolbar` of form `form` onto `target` (null: its own
// DC) and into the form's frameCopy.
void DrawToolbar(std::int32_t form, std::int32_t toolbar, HDC target = nullptr);

}  // namespace pelorin::skin
