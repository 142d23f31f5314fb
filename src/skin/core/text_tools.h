#pragma once
// The font, format and brush a painter draws one line of control text with.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "graphics/gx_brushes.h"
#include "graphics/gx_font.h"
#include "graphics/gx_string_format.h"

namespace pelorin::skin {

struct TextTools {
    GxFont font;
    GxStringFormat format;
    GxSolidBrush brush;
    bool ok = false;
};

// Fills `tools` for a single line, vertically centred and horizontally
// `align`, in the control font `fontName` / `fontSize` pixels / `fontStyle`
// (宋体 12 when the name is empty or the size is not positive), with a brush
// of `color` when one is given. `trimmed` false turns trimming off, for a
// caller that fits the text itself. Sets and returns `tools.ok`.
bool MakeTextTools(TextTools& tools, const std::wstring& fontName, std::int32_t fontSize, std::int32_t fontStyle,
                   Gdiplus::StringAlignment align, std::optional<COLORREF> color, bool trimmed = true);

}  // namespace pelorin::skin
