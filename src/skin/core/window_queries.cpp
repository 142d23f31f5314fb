// Small questions about windows that the painters ask.
#include <cmath>

#include "skin/core/drawing_helpers.h"

namespace pelorin::skin {

namespace {
constexpr int kScrollBarSize = 17;
}

RECT ClientAreaInWindow(HWND window) {
    RECT windowRect{};
    RECT client{};
    ::GetWindowRect(window, &windowRect);
    ::GetClientRect(window, &client);
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    const int vertical = (style & WS_VSCROLL) ? kScrollBarSize : 0;
    const int horizontal = (style & WS_HSCROLL) ? kScrollBarSize : 0;
    const int width = windowRect.right - windowRect.left;
    const int height = windowRect.bottom - windowRect.top;
    const int left = static_cast<int>(std::lround((width - client.right - vertical) / 2.0));
    const int top = static_cast<int>(std::lround((height - client.bottom - horizontal) / 2.0));
    return {left, top, left + client.right, top + client.bottom};
}

bool IsTransparentChild(HWND window) { return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    const int length = ::GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace pelorin::skin
