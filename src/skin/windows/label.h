#pragma once
// Skinned labels: static text drawn with GDI+ over the form background, in a
// chosen font, colour and alignment, optionally with a coloured glow.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace pelorin::skin {

// SkinLabel's settings; omitted ones take the label record's defaults (the
// comment beside each).
struct LabelSettings {
    std::optional<std::wstring> fontName;         // "宋体"
    std::optional<std::int32_t> fontSize;         // 12
    std::int32_t fontStyle = 0;                   // GDI+ font style bits
    std::int32_t unused = 0;                      // accepted and ignored
    std::optional<COLORREF> textColor;            // black
    std::optional<COLORREF> glowColor;            // none: plain text
    std::optional<std::int32_t> horizontalAlign;  // 0 near, 1 centre, 2 far
    std::optional<std::int32_t> verticalAlign;    // 0 top, 1 centre (default), 2 bottom
    std::int32_t wrap = 0;                        // 0 = one line
};

// 1 when the label was taken over (or, when it already was, its settings
// replaced); 0 when its top-level window is not a skinned form.
std::int32_t SkinLabel(HWND label, const LabelSettings& settings);

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the label (with `text`, else its window text) into the form's
// frameCopy and onto the window (through `target` when given).
void DrawLabel(std::int32_t form, std::int32_t label, const std::optional<std::wstring>& text = std::nullopt,
               HDC target = nullptr);

}  // namespace pelorin::skin
