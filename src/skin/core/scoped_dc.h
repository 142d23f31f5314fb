#pragma once
// The skin's owner of a DC of a whole window (GetWindowDC), non-client area
// included, where the painters draw frames and rings around the client area.
// Client-area DCs and paint DCs are base's WindowDc and PaintDc.

#include <windows.h>

namespace pelorin::skin {

// GetWindowDC/ReleaseDC for the lifetime of the scope.
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND window) noexcept : window_(window), dc_(::GetWindowDC(window)) {}
    ~WholeWindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;

    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace pelorin::skin
