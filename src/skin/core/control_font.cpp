// The font a control shows, as the painters draw it with GDI+.
#include <cmath>

#include "base/handle.h"
#include "graphics/gx_font.h"
#include "skin/core/control_font.h"

namespace pelorin::skin {

ControlFont ReadControlFont(HWND control) {
    ControlFont result;
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    if (!font) return result;
    WindowDc dc(control);
    GxFont gxFont;
    if (!dc.Get() || !gxFont.CreateFontFromHFONT(dc.Get(), font)) return result;
    const float size = gxFont.GetSize();
    result.size = std::fabs(size) <= 0.0000001f ? 12 : static_cast<std::int32_t>(size);
    result.style = gxFont.GetStyle();
    GxFontFamily family;
    if (gxFont.GetFamily(family)) result.name = family.GetName();
    if (result.name.empty()) result.name = L"宋体";
    if (result.size == 0) result.size = 12;
    return result;
}

}  // namespace pelorin::skin
