#pragma once
// A GDI+ string format: alignment, wrapping, trimming and tab stops of text.

#include <vector>

#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxStringFormat : public GxObject {
public:
    GxStringFormat() noexcept;
    GxStringFormat(GxStringFormat&&) noexcept = default;
    GxStringFormat& operator=(GxStringFormat&&) noexcept = default;

    bool Dispose();
    bool Create(int flags = 0, LANGID language = 0);
    bool GetGenericDefault();
    bool GetGenericTypographic();
    bool Clone(GxStringFormat& target) const;
    bool SetFlags(int flags);
    int GetFlags() const;
    bool SetAlign(Gdiplus::StringAlignment align);
    Gdiplus::StringAlignment GetAlign() const;
    bool SetLineAlign(Gdiplus::StringAlignment align);
    Gdiplus::StringAlignment GetLineAlign() const;
    bool SetTrimming(Gdiplus::StringTrimming trimming);
    Gdiplus::StringTrimming GetTrimming() const;
    bool SetHotkeyPrefix(Gdiplus::HotkeyPrefix prefix);
    Gdiplus::HotkeyPrefix GetHotkeyPrefix() const;
    bool SetTabStops(float firstTabOffset, const std::vector<float>& tabStops);
    bool GetTabStops(float& firstTabOffset, std::vector<float>& tabStops) const;
    bool SetDigitSubstitution(LANGID language, Gdiplus::StringDigitSubstitute substitute);
    bool GetDigitSubstitution(LANGID& language, Gdiplus::StringDigitSubstitute& substitute) const;
    bool SetMeasurableCharacterRanges(const std::vector<Gdiplus::CharacterRange>& ranges);
    int GetMeasurableCharacterRangeCount() const;

    Gdiplus::GpStringFormat* NativeFormat() const noexcept { return Native<Gdiplus::GpStringFormat>(); }
};

}  // namespace pelorin
