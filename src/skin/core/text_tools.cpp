#include "skin/core/text_tools.h"

#include "skin/core/drawing_helpers.h"

namespace pelorin::skin {

bool MakeTextTools(TextTools& tools, const std::wstring& fontName, std::int32_t fontSize, std::int32_t fontStyle,
                   Gdiplus::StringAlignment align, std::optional<COLORREF> color, bool trimmed) {
    tools.ok =
        tools.font.CreateFontByName(fontName.empty() ? L"宋体" : fontName,
                                    static_cast<float>(fontSize > 0 ? fontSize : 12), fontStyle, Gdiplus::UnitPixel) &&
        tools.format.Create(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsLineLimit) &&
        tools.format.SetAlign(align) && tools.format.SetLineAlign(Gdiplus::StringAlignmentCenter) &&
        (trimmed || tools.format.SetTrimming(Gdiplus::StringTrimmingNone)) &&
        (!color || tools.brush.Create(ToArgb(*color)));
    return tools.ok;
}

}  // namespace pelorin::skin
