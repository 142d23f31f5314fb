// Ten frames of a window's snapshot on a layered window: each frame moves and
// resizes the window by the variant's rule, rescales the snapshot to the new
// size and shows it at a lower opacity.
#include "skin/windows/close_animation.h"

#include <algorithm>
#include <array>

#include "skin/core/memory_surface.h"
#include "skin/windows/window_snapshot.h"

namespace pelorin::skin {

namespace {

constexpr int kFrames = 10;
constexpr int kAlphaStep = 25;

enum class Pause { Short, Medium, Long };

// A variant: the change of x, y, w, h per frame in units of the step (dx for
// x and w, dy for y and h), the step as a share of the window's size, the
// frame after which the motion turns back (0 = never), and its pauses.
struct Variant {
    float x, y, w, h;
    float stepShare;
    int turnAfter;
    Pause pause;
    bool fadesToZero;
};

constexpr std::array<Variant, 9> kVariants{{
    {0.5f, 0.5f, -1, -1, 0.1f, 0, Pause::Short, false},    // 1 shrink to the centre
    {0.5f, 0.5f, -1, -1, 0.02f, 5, Pause::Medium, false},  // 2 shrink a little, grow back
    {0, 0, 0, 0, 0.1f, 0, Pause::Long, true},              // 3 fade only
    {0, 0.5f, 0, -1, 0.1f, 0, Pause::Short, false},        // 4 collapse to the middle row
    {0, 0, 0, -1, 0.1f, 0, Pause::Short, false},           // 5 collapse upwards
    {0, 1, 0, -1, 0.1f, 0, Pause::Short, false},           // 6 collapse downwards
    {0, 0, -1, 0, 0.1f, 0, Pause::Short, false},           // 7 collapse to the left
    {1, 0, -1, 0, 0.1f, 0, Pause::Short, false},           // 8 collapse to the right
    {0.5f, 0, -1, 0, 0.1f, 0, Pause::Short, false},        // 9 collapse to the middle column
}};

// The pause after frame i (1-based); `longPause` carries the shrinking pause
// of the fade-only variant from frame to frame.
DWORD PauseAfter(Pause pause, int i, int& longPause) {
    switch (pause) {
        case Pause::Short: return static_cast<DWORD>(20 - i);
        case Pause::Medium: return static_cast<DWORD>(30 - 2 * i);
        case Pause::Long: longPause = std::max(1, longPause - 3 * i); return static_cast<DWORD>(longPause);
    }
    return 0;
}

void SetLayered(HWND window, bool layered) {
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    const LONG_PTR wanted = layered ? (style | WS_EX_LAYERED) : (style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    if (wanted != style) ::SetWindowLongPtrW(window, GWL_EXSTYLE, wanted);
}

// Per-pixel alpha of the work surface: every shown pixel opaque, so that
// only the constant opacity fades the window.
void MakeOpaque(MemorySurface& surface, int width, int height) {
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = surface.Pixels() + static_cast<std::size_t>(y) * surface.Width();
        for (int x = 0; x < width; ++x) row[x] |= 0xFF000000u;
    }
}

}  // namespace

void PlayCloseAnimation(HWND window, std::int32_t variant, bool keepExtendedStyle) {
    if (variant < 1 || variant > static_cast<std::int32_t>(kVariants.size()) || !::IsWindow(window)) return;
    const Variant& v = kVariants[static_cast<std::size_t>(variant - 1)];
    const bool touchStyle = !(variant == 3 && keepExtendedStyle);

    if (touchStyle) SetLayered(window, false);
    const SurfacePtr snapshot = SnapshotWindow(window);
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    int x = bounds.left;
    int y = bounds.top;
    int w = bounds.right - bounds.left;
    int h = bounds.bottom - bounds.top;
    // The work surface is as large as the window: the frames never grow past it.
    const SurfacePtr work = MemorySurface::Create(std::max(1, w), std::max(1, h));
    const int dx = static_cast<int>(w * v.stepShare);
    const int dy = static_cast<int>(h * v.stepShare);
    if (touchStyle) SetLayered(window, true);

    int alpha = 255;
    int longPause = 80;
    for (int i = 1; i <= kFrames; ++i) {
        alpha -= kAlphaStep;
        if (v.fadesToZero && i == kFrames) alpha = 0;
        const float sign = (v.turnAfter && i > v.turnAfter) ? -1.0f : 1.0f;
        x = static_cast<int>(x + sign * v.x * dx);
        y = static_cast<int>(y + sign * v.y * dy);
        w = static_cast<int>(w + sign * v.w * dx);
        h = static_cast<int>(h + sign * v.h * dy);
        const DWORD pause = PauseAfter(v.pause, i, longPause);

        if (closeAnimationObserver) closeAnimationObserver({i, x, y, w, h, alpha, pause});
        if (work && w > 0 && h > 0) {
            const int shownW = std::min(w, work->Width());
            const int shownH = std::min(h, work->Height());
            if (snapshot) {
                ::SetStretchBltMode(work->Dc(), COLORONCOLOR);
                ::StretchBlt(work->Dc(), 0, 0, shownW, shownH, snapshot->Dc(), 0, 0, snapshot->Width(),
                             snapshot->Height(), SRCCOPY);
                MakeOpaque(*work, shownW, shownH);
            }
            POINT position{x, y};
            SIZE size{shownW, shownH};
            POINT source{0, 0};
            BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
            ::UpdateLayeredWindow(window, nullptr, &position, &size, work->Dc(), &source, 0, &blend, ULW_ALPHA);
        }
        ::Sleep(pause);
    }
}

}  // namespace pelorin::skin
