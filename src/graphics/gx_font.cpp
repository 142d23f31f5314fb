#include "graphics/gx_font.h"

#include "base/handle.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_text.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseFont(void* font) noexcept { GdipDeleteFont(static_cast<GpFont*>(font)); }

}  // namespace

GxFont::GxFont() noexcept : GxObject(&ReleaseFont) {}

bool GxFont::Dispose() { return DisposeWith<GpFont>(GdipDeleteFont); }

bool GxFont::Create(const GxFontFamily& family, float emSize, int style, Unit unit) {
    return CreateWith<GpFont>(GdipCreateFont, family.NativeFamily(), emSize, style, unit);
}

bool GxFont::CreateDefaultFont() {
    // The record is read in its UTF-16 form so that a localised face name
    // survives whatever the system's ANSI code page is.
    LOGFONTW logFont{};
    if (::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont) != sizeof(logFont)) {
        Clear();
        gxLastStatus = Win32Error;
        return false;
    }
    WindowDc screen(nullptr);
    return CreateFromLogfontW(screen.Get(), &logFont);
}

bool GxFont::CreateFontByName(const std::wstring& familyName, float emSize, int style, Unit unit) {
    Clear();
    GxFontFamily family;
    if (!family.CreateFromName(familyName)) return false;
    return Create(family, emSize, style, unit);
}

bool GxFont::CreateFontByNameW(const Bytes& utf16Name, float emSize, int style, Unit unit) {
    return CreateFontByName(GxWideFromBytes(utf16Name), emSize, style, unit);
}

bool GxFont::CreateFromDC(HDC dc) { return CreateWith<GpFont>(GdipCreateFontFromDC, dc); }

bool GxFont::CreateFontFromHFONT(HDC dc, HFONT font) {
    if (!font) return CreateFromDC(dc);
    // UTF-16 record: the face name of a CJK font must not pass through the
    // ANSI code page.
    LOGFONTW logFont{};
    if (::GetObjectW(font, sizeof(logFont), &logFont) != sizeof(logFont)) return CreateFromDC(dc);
    return CreateFromLogfontW(dc, &logFont);
}

bool GxFont::CreateFromLogfontA(HDC dc, const LOGFONTA* logFont) {
    if (!logFont) return CreateFromDC(dc);
    return CreateWith<GpFont>(GdipCreateFontFromLogfontA, dc, logFont);
}

bool GxFont::CreateFromLogfontW(HDC dc, const LOGFONTW* logFont) {
    if (!logFont) return CreateFromDC(dc);
    return CreateWith<GpFont>(GdipCreateFontFromLogfontW, dc, logFont);
}

bool GxFont::Clone(GxFont& target) const {
    GpFont* copy = nullptr;
    if (!GxCall(GdipCloneFont, NativeFont(), &copy)) return false;
    target.Attach(copy);
    return true;
}

LOGFONTA GxFont::GetLogFontA(const GxGraphics& graphics) const {
    LOGFONTA logFont{};
    GxCall(GdipGetLogFontA, NativeFont(), graphics.NativeGraphics(), &logFont);
    return logFont;
}

LOGFONTW GxFont::GetLogFontW(const GxGraphics& graphics) const {
    LOGFONTW logFont{};
    GxCall(GdipGetLogFontW, NativeFont(), graphics.NativeGraphics(), &logFont);
    return logFont;
}

bool GxFont::GetFamily(GxFontFamily& target) const {
    GpFontFamily* family = nullptr;
    if (!GxCall(GdipGetFamily, NativeFont(), &family)) return false;
    target.Attach(family);
    return true;
}

int GxFont::GetStyle() const { return GxGet<INT>(GdipGetFontStyle, NativeFont()); }

float GxFont::GetSize() const { return GxGet<REAL>(GdipGetFontSize, NativeFont()); }

Unit GxFont::GetUnit() const { return GxGet<Unit>(GdipGetFontUnit, NativeFont()); }

float GxFont::GetHeight(const GxGraphics& graphics) const {
    return GxGet<REAL>(GdipGetFontHeight, NativeFont(), graphics.NativeGraphics());
}

float GxFont::GetHeightGivenDPI(float dpi) const { return GxGet<REAL>(GdipGetFontHeightGivenDPI, NativeFont(), dpi); }

}  // namespace pelorin
