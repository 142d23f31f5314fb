#include "picture_test_util.h"

#include <cstdio>
#include <cstdlib>

#include "graphics/gx_bitmap.h"

namespace pelorin::test {

Pixels Pixels::Columns(int x, int w) const {
    Pixels out(w, height);
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < w; ++i) out.At(i, y) = At(x + i, y);
    return out;
}

Bytes EncodePixels(const Pixels& pixels) {
    GxBitmap bitmap;
    if (!bitmap.Create(pixels.width, pixels.height, kGxPixelFormat32bppArgb)) return {};
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x) bitmap.SetPixel(x, y, pixels.At(x, y));
    return bitmap.SaveToBytes(std::wstring(kGxFormatPng));
}

namespace {

Pixels ReadBitmap(const GxBitmap& bitmap) {
    Pixels out(bitmap.GetWidth(), bitmap.GetHeight());
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.At(x, y) = bitmap.GetPixel(x, y);
    return out;
}

}  // namespace

Pixels DecodePixels(const Bytes& picture) {
    GxBitmap bitmap;
    if (!bitmap.LoadFromBytes(picture)) return {};
    return ReadBitmap(bitmap);
}

Pixels Render(int width, int height, GxArgb background, const std::function<void(GxGraphics&)>& draw) {
    GxBitmap surface;
    if (!surface.Create(width, height, kGxPixelFormat32bppArgb)) return {};
    {
        GxGraphics graphics;
        if (!graphics.CreateFromImage(surface)) return {};
        graphics.Clear(background);
        draw(graphics);
    }
    return ReadBitmap(surface);
}

int Alpha(GxArgb c) { return static_cast<int>((c >> 24) & 0xFF); }
int Red(GxArgb c) { return static_cast<int>((c >> 16) & 0xFF); }
int Green(GxArgb c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(GxArgb c) { return static_cast<int>(c & 0xFF); }

GxArgb Over(GxArgb source, GxArgb background) {
    const int a = Alpha(source);
    const auto mix = [a](int s, int d) { return static_cast<GxArgb>((s * a + d * (255 - a) + 127) / 255); };
    return 0xFF000000u | (mix(Red(source), Red(background)) << 16) | (mix(Green(source), Green(background)) << 8) |
           mix(Blue(source), Blue(background));
}

bool Near(GxArgb a, GxArgb b, int tolerance) {
    return std::abs(Alpha(a) - Alpha(b)) <= tolerance && std::abs(Red(a) - Red(b)) <= tolerance &&
           std::abs(Green(a) - Green(b)) <= tolerance && std::abs(Blue(a) - Blue(b)) <= tolerance;
}

std::string Hex(GxArgb argb) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(argb));
    return text;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

}  // namespace pelorin::test
