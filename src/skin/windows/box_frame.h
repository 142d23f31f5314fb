#pragma once
// Boxed controls (list boxes, drop-down lists, list views, tree views,
// IP-address and date-picker controls): the platform draws their content;
// the skin draws a thin border and covers their scroll bars with strips.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

// Draws the border of the boxed control `list` of form `form`: theme colour
// when hot or focused, a faint black otherwise, white in the rest of the
// non-client ring. The strips over the scroll bars are left as they are.
void DrawBoxFrame(std::int32_t form, std::int32_t list, bool hot, bool focused);

// Repaints the strips whose scroll bars the control shows now.
void RefreshListStrips(HWND window, std::int32_t vHot = 0, std::int32_t hHot = 0);

LRESULT CALLBACK BoxedListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace pelorin::skin
