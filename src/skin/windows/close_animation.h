#pragma once
// The close animations of skinned forms: a snapshot of the window shrunk,
// moved and faded out over ten frames before the window is destroyed.

#include <windows.h>

#include <cstdint>

#include "skin/core/skin_observers.h"

namespace pelorin::skin {

// Variants 1..9; anything else plays nothing. Returns after the last frame.
// `keepExtendedStyle` (variant 3 only) leaves the extended style untouched.
void PlayCloseAnimation(HWND window, std::int32_t variant, bool keepExtendedStyle = false);

}  // namespace pelorin::skin
