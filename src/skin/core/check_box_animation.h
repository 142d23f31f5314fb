#pragma once
// The check mark's click animation: a few frames drawn one after another on
// the user-interface thread, with short pauses between them, before the
// check state changes on button-up.

#include <windows.h>

#include <cstdint>
#include <functional>

#include "skin/core/skin_observers.h"

namespace pelorin::skin {

struct CheckAnimationFrame {
    std::int32_t frame;  // animation frame passed to PaintCheckBox
    DWORD pauseAfterMs;  // 0 after the last frame
};

// Plays the animation that belongs to the box's current check state.
void PlayCheckAnimation(HWND window);

}  // namespace pelorin::skin
