#include "skin/core/check_box_animation.h"

#include <span>

#include "skin/core/control_procs.h"

namespace pelorin::skin {

namespace {

// Unchecked: the mark grows in (half-size, small, large, small); checked: it
// shrinks away (large, small, 0.6-size, none).
constexpr CheckAnimationFrame kCheckingFrames[] = {{4, 50}, {3, 45}, {1, 40}, {3, 0}};
constexpr CheckAnimationFrame kUncheckingFrames[] = {{1, 50}, {3, 45}, {4, 30}, {0, 0}};

}  // namespace

void PlayCheckAnimation(HWND window) {
    const bool checked = ::SendMessageW(window, BM_GETCHECK, 0, 0) != BST_UNCHECKED;
    const std::span<const CheckAnimationFrame> frames =
        checked ? std::span(kUncheckingFrames) : std::span(kCheckingFrames);
    for (const CheckAnimationFrame& step : frames) {
        PaintCheckBox(window, 0, true, step.frame);
        if (checkFrameObserver) checkFrameObserver(window, step.frame);
        // The pause blocks this thread on purpose: the animation must finish
        // before the button-up changes the state; playback has its own thread.
        if (step.pauseAfterMs) ::Sleep(step.pauseAfterMs);
    }
}

}  // namespace pelorin::skin
