#pragma once
// The tab painter of tab-control containers.

#include <windows.h>

namespace pelorin::skin {

struct ContainerRecord;

// Paints a tab control's display frame and its items onto `surface`, a
// surface of the tab's client size holding the form background.
void DrawTabItems(HDC surface, HWND tab, const ContainerRecord& record);

}  // namespace pelorin::skin
