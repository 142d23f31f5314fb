#pragma once
// What the screen shows inside a rectangle, read back as pixels.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/handle.h"

namespace pelorin {

class ScreenCapture {
public:
    // Copies `area` of the screen; empty (Width() 0) when that fails.
    explicit ScreenCapture(const RECT& area);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // At least two different colours: something was drawn there (an
    // unpainted window, like the empty screen, is one colour).
    bool HasContent() const;
    bool SamePixels(const ScreenCapture& other) const;
    bool SavePng(const std::wstring& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    UniqueBitmap bitmap_;
    std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

}  // namespace pelorin
