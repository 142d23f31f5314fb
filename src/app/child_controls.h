#pragma once
// Making a window's child controls from a table, and placing a window over
// its owner: shared by the main window and the program's dialogs.

#include <windows.h>

#include <span>

namespace pelorin {

// One child control: its class, caption, style (WS_CHILD | WS_VISIBLE are
// added), place in the parent's client area and identifier.
struct ChildControl {
    int id;
    const wchar_t* windowClass;
    DWORD style;
    int left, top, width, height;
    const wchar_t* caption;
    DWORD exStyle = 0;
};

// Creates one control in `parent` and gives it `font` (when not null).
// Null when the control cannot be made.
HWND CreateChildControl(HWND parent, const ChildControl& control, HFONT font);
// Creates every control of the table in `parent`, in table order; false
// when one of them could not be made.
bool CreateChildControls(HWND parent, std::span<const ChildControl> controls, HFONT font);

// Where a window `width` pixels wide goes over `owner`: centred across it,
// `top` pixels below its top edge; in screen coordinates.
POINT PlaceOverOwner(HWND owner, int width, int top);

}  // namespace pelorin
