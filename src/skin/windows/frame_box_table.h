#pragma once
// The table of frame boxes drawn around controls, one entry per attached box.
// An entry owns the callbacks bound to its box: a window procedure (one
// procedure for every box, which finds its box through the container's
// "Zqk_LbID" and this table), the pair callback and the notify callback.
// Binding new callbacks replaces the old ones; emptying the table frees them.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "skin/core/window_props.h"

namespace pelorin::skin {

class FrameBox;

using FramePairCallback = std::function<void(std::int32_t, std::int32_t)>;
using FrameNotifyCallback =
    std::function<std::int32_t(std::int32_t code, std::optional<std::int32_t> a, std::optional<std::int32_t> b)>;

struct FrameBoxEntry {
    HWND handle = nullptr;  // the box's container; null while the entry is free
    WNDPROC windowProc = nullptr;
    FramePairCallback pairCallback;
    FrameNotifyCallback notifyCallback;
    FrameBox* box = nullptr;  // the box the callbacks are bound to
    bool free = false;
};

inline std::vector<FrameBoxEntry> frameBoxTable;

// The entry at a 1-based index, or null outside the table.
inline FrameBoxEntry* FrameBoxEntryAt(std::int32_t index) {
    if (index < 1 || index > static_cast<std::int32_t>(frameBoxTable.size())) return nullptr;
    return &frameBoxTable[static_cast<std::size_t>(index - 1)];
}

// Tells every attached frame box whose container belongs to the form (its
// "Hw_FuID") the notification (code, a, b). Nothing is repainted here.
inline void NotifyFrameBoxesOfForm(std::int32_t form, std::int32_t code, std::int32_t a, std::int32_t b) {
    if (form <= 0) return;
    // A callback may attach or detach boxes: walk by index, not by iterator.
    for (std::size_t i = 0; i < frameBoxTable.size(); ++i) {
        const FrameBoxEntry& entry = frameBoxTable[i];
        if (entry.free || !entry.handle || !entry.notifyCallback) continue;
        if (GetPropInt(entry.handle, prop::kFormIndex) != form) continue;
        const FrameNotifyCallback callback = entry.notifyCallback;
        callback(code, a, b);
    }
}

}  // namespace pelorin::skin
