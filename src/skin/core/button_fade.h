#pragma once
// The push-button hover fade: the freshly painted hot picture is blended onto
// the button window in steps of a 20 ms thread timer, at rising constant
// alpha, over whatever the window showed before. Each running fade is one
// entry of `fadeList`; the entry owns the window DC it draws on and the
// surface it draws from, so ending a fade in any way (last step, CancelFades,
// the window going away) releases both exactly once.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "base/handle.h"
#include "skin/core/memory_surface.h"
#include "skin/core/skin_observers.h"

namespace pelorin::skin {

struct FadeEntry {
    explicit FadeEntry(HWND target) : targetWindow(target), targetDc(target) {}

    HWND targetWindow;
    WindowDc targetDc;  // the window's own DC, released with the entry
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    SurfacePtr source;  // taken out of memoryDcList (or a private copy)
    std::int32_t sourceX = 0;
    std::int32_t sourceY = 0;
    std::int32_t step = 1;
    UINT_PTR timerId = 0;
    bool layered = false;
    bool keepSource = false;
};

// Running fades, oldest first.
inline std::vector<std::unique_ptr<FadeEntry>> fadeList;

inline constexpr UINT kFadeIntervalMs = 20;
inline constexpr std::int32_t kFadeLastStep = 10;
inline constexpr std::int32_t kFadeAlphaPerStep = 25;

// Ends the fades that draw on `window` (it is being destroyed).
void EndFadesOf(HWND window);

// Before a push button is painted: every running fade stops. A fade on
// another button first shows its last step at once (so moving straight from
// one button onto the next leaves that one hot, not half-blended); a fade on
// the painted button itself is dropped, the new paint replaces it.
void StopFadesFor(HWND paintedWindow);

}  // namespace pelorin::skin
