#pragma once
// GDI+ fonts, font families and font collections.

#include <string>
#include <vector>

#include "base/text.h"
#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxGraphics;
class GxFontFamily;
class GxFontCollection;

class GxFont : public GxObject {
public:
    GxFont() noexcept;
    GxFont(GxFont&&) noexcept = default;
    GxFont& operator=(GxFont&&) noexcept = default;

    bool Dispose();
    bool Create(const GxFontFamily& family, float emSize, int style = Gdiplus::FontStyleRegular,
                Gdiplus::Unit unit = Gdiplus::UnitWorld);
    // The system's default GUI font (DEFAULT_GUI_FONT) on the screen.
    bool CreateDefaultFont();
    // From an installed family; a missing family fails and leaves the wrapper empty.
    bool CreateFontByName(const std::wstring& familyName, float emSize, int style = Gdiplus::FontStyleRegular,
                          Gdiplus::Unit unit = Gdiplus::UnitWorld);
    // `utf16Name`: the family name as UTF-16LE bytes, used as given.
    bool CreateFontByNameW(const Bytes& utf16Name, float emSize, int style = Gdiplus::FontStyleRegular,
                           Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool CreateFromDC(HDC dc);
    // The font `font` describes on `dc`; without a font (or when it cannot be
    // read), the font selected into `dc`.
    bool CreateFontFromHFONT(HDC dc, HFONT font = nullptr);
    // A null record means the font selected into `dc`.
    bool CreateFromLogfontA(HDC dc, const LOGFONTA* logFont);
    bool CreateFromLogfontW(HDC dc, const LOGFONTW* logFont);
    bool Clone(GxFont& target) const;
    LOGFONTA GetLogFontA(const GxGraphics& graphics) const;
    LOGFONTW GetLogFontW(const GxGraphics& graphics) const;
    // The font's family, attached to `target`.
    bool GetFamily(GxFontFamily& target) const;
    int GetStyle() const;
    float GetSize() const;
    Gdiplus::Unit GetUnit() const;
    float GetHeight(const GxGraphics& graphics) const;
    float GetHeightGivenDPI(float dpi) const;

    Gdiplus::GpFont* NativeFont() const noexcept { return Native<Gdiplus::GpFont>(); }
};

class GxFontFamily : public GxObject {
public:
    GxFontFamily() noexcept;
    GxFontFamily(GxFontFamily&&) noexcept = default;
    GxFontFamily& operator=(GxFontFamily&&) noexcept = default;

    bool Dispose();
    // From `collection`, or from the installed fonts when it is null or empty.
    bool CreateFromName(const std::wstring& name, const GxFontCollection* collection = nullptr);
    bool CreateFromNameW(const Bytes& utf16Name, const GxFontCollection* collection = nullptr);
    bool GetGenericSansSerif();
    bool GetGenericSerif();
    bool GetGenericMonospace();
    bool Clone(GxFontFamily& target) const;
    // The family name in the neutral language; empty on failure.
    std::wstring GetName() const;
    // The same as UTF-16LE bytes (no terminator).
    Bytes GetNameW() const;
    bool IsStyleAvailable(int style) const;
    int GetEmHeight(int style = Gdiplus::FontStyleRegular) const;
    int GetCellAscent(int style = Gdiplus::FontStyleRegular) const;
    int GetCellDescent(int style = Gdiplus::FontStyleRegular) const;
    int GetLineSpacing(int style = Gdiplus::FontStyleRegular) const;

    Gdiplus::GpFontFamily* NativeFamily() const noexcept { return Native<Gdiplus::GpFontFamily>(); }
};

// A view of a font collection. Collections belong to GDI+ (the installed
// fonts) or to whoever made them: this wrapper never deletes one.
class GxFontCollection : public GxObject {
public:
    GxFontCollection() noexcept;
    GxFontCollection(GxFontCollection&&) noexcept = default;
    GxFontCollection& operator=(GxFontCollection&&) noexcept = default;

    int GetFamilyCount() const;
    // Every family of the collection, each in a new wrapper.
    bool GetFamilyList(std::vector<GxFontFamily>& out) const;
    // Attaches the collection of the fonts installed in the system.
    bool AttachInstalled();

    Gdiplus::GpFontCollection* NativeCollection() const noexcept { return Native<Gdiplus::GpFontCollection>(); }
};

}  // namespace pelorin
