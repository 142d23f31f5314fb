#pragma once
// A picture of a window as it looks now.

#include <windows.h>

#include "skin/core/memory_surface.h"

namespace pelorin::skin {

// A surface of the window's size holding what the window shows, every pixel
// opaque: a skinned form's composite copy when it covers the whole window,
// else what the window's own DC holds. Null when the window has no area or
// no surface can be made; the picture is black where nothing could be read.
SurfacePtr SnapshotWindow(HWND window);

}  // namespace pelorin::skin
