#pragma once
// The table of frame boxes drawn around controls. An entry owns the callbacks
// bound to its frame box; emptying the table frees them.

#include <windows.h>

#include <functional>
#include <vector>

namespace pelorin::skin {

struct FrameBoxEntry {
    HWND window = nullptr;   // the frame box window
    HWND control = nullptr;  // the control it frames
    std::function<void()> callbacks[3];
};

inline std::vector<FrameBoxEntry> frameBoxTable;

}  // namespace pelorin::skin
