#pragma once
// Helpers for the picture tests: building small pictures pixel by pixel,
// reading pictures and drawings back as pixels, and comparing colours with the
// small tolerance Wine's GDI+ needs.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/text.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_types.h"

namespace pelorin::test {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<GxArgb> argb;  // row by row

    Pixels() = default;
    Pixels(int w, int h, GxArgb fill = 0) : width(w), height(h), argb(static_cast<std::size_t>(w) * h, fill) {}
    GxArgb& At(int x, int y) { return argb[static_cast<std::size_t>(y) * width + x]; }
    GxArgb At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    // Columns [x, x + w) as a picture of their own.
    Pixels Columns(int x, int w) const;
};

inline constexpr GxArgb kMagenta = 0xFFFF00FF;

// The pixels as a 32-bit ARGB PNG, encoded through the graphics layer.
Bytes EncodePixels(const Pixels& pixels);
// The picture's pixels; a zero-sized result when it cannot be decoded.
Pixels DecodePixels(const Bytes& picture);

// Runs `draw` on a fresh width x height 32-bit ARGB surface cleared to
// `background` and returns the surface's pixels.
Pixels Render(int width, int height, GxArgb background, const std::function<void(GxGraphics&)>& draw);

// `source` (straight alpha) composited over the opaque `background`.
GxArgb Over(GxArgb source, GxArgb background);
// Every channel within `tolerance`.
bool Near(GxArgb a, GxArgb b, int tolerance = 6);
std::string Hex(GxArgb argb);

int Alpha(GxArgb c);
int Red(GxArgb c);
int Green(GxArgb c);
int Blue(GxArgb c);

// The folder of the running test program, without a trailing backslash.
std::wstring ProgramFolder();

}  // namespace pelorin::test
