#pragma once
// Helpers for the graphics tests: canvases to draw on and pixel comparisons
// with a small tolerance (Wine's antialiasing differs from Windows').

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "graphics/gx_bitmap.h"
#include "graphics/gx_graphics.h"

namespace pelorin::test {

inline constexpr GxArgb kRed = 0xFFFF0000;
inline constexpr GxArgb kGreen = 0xFF00FF00;
inline constexpr GxArgb kBlue = 0xFF0000FF;
inline constexpr GxArgb kWhite = 0xFFFFFFFF;
inline constexpr GxArgb kBlack = 0xFF000000;
inline constexpr GxArgb kTransparent = 0x00000000;

// Skips the running test when the last graphics call hit a function Wine
// does not implement, naming that function.
#define GX_SKIP_IF_NOT_IMPLEMENTED(function)                          \
    do {                                                              \
        if (::pelorin::gxLastStatus == Gdiplus::NotImplemented)       \
            GTEST_SKIP() << "Wine does not implement " << (function); \
    } while (0)

inline int Channel(GxArgb color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

// Every channel of `actual` within `tolerance` of `expected`.
inline ::testing::AssertionResult ColorNear(GxArgb actual, GxArgb expected, int tolerance = 8) {
    for (int shift : {24, 16, 8, 0}) {
        if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) {
            char text[96];
            std::snprintf(text, sizeof(text), "colour 0x%08lX, expected 0x%08lX (+-%d)",
                          static_cast<unsigned long>(actual), static_cast<unsigned long>(expected), tolerance);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult PixelNear(const GxBitmap& bitmap, int x, int y, GxArgb expected, int tolerance = 8) {
    auto result = ColorNear(bitmap.GetPixel(x, y), expected, tolerance);
    if (!result) result << " at (" << x << ", " << y << ")";
    return result;
}

// A 32-bit ARGB bitmap filled with `background`, and a graphics context on it.
struct Canvas {
    GxBitmap bitmap;
    GxGraphics graphics;

    Canvas(int width, int height, GxArgb background = kTransparent) {
        EXPECT_TRUE(bitmap.Create(width, height));
        EXPECT_TRUE(graphics.CreateFromImage(bitmap));
        EXPECT_TRUE(graphics.Clear(background));
    }
    // Finishes drawing so the pixels can be read.
    void Done() { graphics.Dispose(); }
};

}  // namespace pelorin::test
