#pragma once
// Column headers (the header of a list view, or a header on its own): the
// theme-coloured cells drawn over the form background, with the hot and
// pressed shades of a clickable header, the separators, icons and texts.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

// Draws every column of the header `header` of form `form` onto `target`
// (null: the header's own DC) and into the form's composite copy.
void DrawHeader(std::int32_t form, std::int32_t header, HDC target = nullptr);

LRESULT CALLBACK HeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace pelorin::skin
