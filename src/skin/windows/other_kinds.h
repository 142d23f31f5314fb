#pragma once
// The remaining control kinds the skin takes over: transparent children,
// up-down controls, toolbars and the tab painter of tab-control containers.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

struct ContainerRecord;

// A transparent child's procedure: it paints as before, then its picture
// goes into the form's frameCopy.
LRESULT CALLBACK TransparentChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Writes what the child shows now into its form's frameCopy.
void CopyChildPicture(HWND child);

// Up-down controls: two arrow parts drawn by the skin; clicks, auto-repeat
// and notifications stay with the control's own procedure.
LRESULT CALLBACK UpDownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Draws the up-down `upDown` of form `form` onto `target` (null: its own DC)
// and into the form's frameCopy.
void DrawUpDown(std::int32_t form, std::int32_t upDown, HDC target = nullptr);

// Toolbars: buttons with their image-list icons and texts drawn by the skin.
LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void DrawToolbar(std::int32_t form, std::int32_t toolbar, HDC target = nullptr);

// Paints a tab control's display frame and its items onto `surface`, a
// surface of the tab's client size holding the form background.
void DrawTabItems(HDC surface, HWND tab, const ContainerRecord& record);

}  // namespace pelorin::skin
