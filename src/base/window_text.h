#pragma once
// Reading a window's text into a string.

#include <windows.h>

#include <cstddef>
#include <string>

namespace pelorin {

// The window's text (GetWindowTextW); empty for a window without text or
// for no window at all.
inline std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace pelorin
