#pragma once
// The close animations of skinned forms: a snapshot of the window shrunk,
// moved and faded out over ten frames before the window is destroyed.

#include <windows.h>

#include <cstdint>
#include <functional>

namespace pelorin::skin {

// One frame as it is about to be shown: the window's screen rectangle, its
// constant opacity and the pause after it.
struct CloseAnimationFrame {
    std::int32_t index = 0;  // 1..10
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t alpha = 0;
    DWORD delayMs = 0;
};

// Called by PlayCloseAnimation with every frame before it is shown (tests
// and diagnostics); empty by default.
inline std::function<void(const CloseAnimationFrame&)> closeAnimationObserver;

// Variants 1..9; anything else plays nothing. Returns after the last frame.
// `keepExtendedStyle` (variant 3 only) leaves the extended style untouched.
void PlayCloseAnimation(HWND window, std::int32_t variant, bool keepExtendedStyle = false);

}  // namespace pelorin::skin
