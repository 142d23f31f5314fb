#pragma once
// Device contexts a window lends for the length of a scope and that go back
// with ReleaseDC. The paint DC (PaintDc, BeginPaint/EndPaint) and the client
// area's DC (WindowDc, GetDC) live beside the handle owners in handle.h;
// this adds the DC of the whole window, its non-client frame included. Lent
// DCs are not counted like owned handles: the window keeps them.

#include <windows.h>

#include "base/handle.h"

namespace pelorin {

// GetWindowDC/ReleaseDC for the lifetime of the scope; null when the window
// gave none.
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetWindowDC(hwnd)) {}
    ~WholeWindowDc() {
        if (dc_) ::ReleaseDC(hwnd_, dc_);
    }
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;
    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

}  // namespace pelorin
