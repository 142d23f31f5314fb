#pragma once
// Hooks through which tests and diagnostics watch the skin's timed sequences
// step by step (fades, the check-mark animation, close animations). All are
// empty unless someone observes; the skin only calls them.

#include <windows.h>

#include <cstdint>
#include <functional>

namespace pelorin::skin {

// Called after every blend of a push-button hover fade with the window and
// the constant alpha just used.
inline std::function<void(HWND window, std::int32_t alpha)> fadeBlendObserver;

// Called after each frame of the check-mark animation is on screen, before
// its pause.
inline std::function<void(HWND window, std::int32_t frame)> checkFrameObserver;

// Called with (form window, 1-based button, overlay opacity) each time a
// caption-button hover fade draws a button.
using CaptionFadeObserver = std::function<void(HWND form, std::int32_t button, std::int32_t opacity)>;
inline CaptionFadeObserver captionFadeObserver;

// One close-animation frame as it is about to be shown: the window's screen
// rectangle, its constant opacity and the pause after it.
struct CloseAnimationFrame {
    std::int32_t index = 0;  // 1..10
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t alpha = 0;
    DWORD delayMs = 0;
};
// Called by PlayCloseAnimation with every frame before it is shown.
inline std::function<void(const CloseAnimationFrame&)> closeAnimationObserver;

}  // namespace pelorin::skin
