#pragma once
// The font a control shows, read once when the control is attached.

#include <windows.h>

#include "skin/core/control_records.h"

namespace pelorin::skin {

// The control's WM_GETFONT font as the skin's GDI+ painters use it; 宋体 12
// when the control has none.
ControlFont ReadControlFont(HWND control);

}  // namespace pelorin::skin
