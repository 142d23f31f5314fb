#include "graphics/gx_string_format.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseFormat(void* format) noexcept { GdipDeleteStringFormat(static_cast<GpStringFormat*>(format)); }

}  // namespace

GxStringFormat::GxStringFormat() noexcept : GxObject(&ReleaseFormat) {}

bool GxStringFormat::Dispose() { return DisposeWith<GpStringFormat>(GdipDeleteStringFormat); }

bool GxStringFormat::Create(int flags, LANGID language) {
    return CreateWith<GpStringFormat>(GdipCreateStringFormat, flags, language);
}

bool GxStringFormat::GetGenericDefault() { return CreateWith<GpStringFormat>(GdipStringFormatGetGenericDefault); }

bool GxStringFormat::GetGenericTypographic() {
    return CreateWith<GpStringFormat>(GdipStringFormatGetGenericTypographic);
}

bool GxStringFormat::Clone(GxStringFormat& target) const {
    GpStringFormat* copy = nullptr;
    if (!GxCall(GdipCloneStringFormat, NativeFormat(), &copy)) return false;
    target.Attach(copy);
    return true;
}

bool GxStringFormat::SetFlags(int flags) { return GxCall(GdipSetStringFormatFlags, NativeFormat(), flags); }

int GxStringFormat::GetFlags() const { return GxGet<INT>(GdipGetStringFormatFlags, NativeFormat()); }

bool GxStringFormat::SetAlign(StringAlignment align) { return GxCall(GdipSetStringFormatAlign, NativeFormat(), align); }

StringAlignment GxStringFormat::GetAlign() const {
    return GxGet<StringAlignment>(GdipGetStringFormatAlign, NativeFormat());
}

bool GxStringFormat::SetLineAlign(StringAlignment align) {
    return GxCall(GdipSetStringFormatLineAlign, NativeFormat(), align);
}

StringAlignment GxStringFormat::GetLineAlign() const {
    return GxGet<StringAlignment>(GdipGetStringFormatLineAlign, NativeFormat());
}

bool GxStringFormat::SetTrimming(StringTrimming trimming) {
    return GxCall(GdipSetStringFormatTrimming, NativeFormat(), trimming);
}

StringTrimming GxStringFormat::GetTrimming() const {
    return GxGet<StringTrimming>(GdipGetStringFormatTrimming, NativeFormat());
}

bool GxStringFormat::SetHotkeyPrefix(HotkeyPrefix prefix) {
    return GxCall(GdipSetStringFormatHotkeyPrefix, NativeFormat(), static_cast<INT>(prefix));
}

HotkeyPrefix GxStringFormat::GetHotkeyPrefix() const {
    return static_cast<HotkeyPrefix>(GxGet<INT>(GdipGetStringFormatHotkeyPrefix, NativeFormat()));
}

bool GxStringFormat::SetTabStops(float firstTabOffset, const std::vector<float>& tabStops) {
    return GxCall(GdipSetStringFormatTabStops, NativeFormat(), firstTabOffset, static_cast<INT>(tabStops.size()),
                  tabStops.data());
}

bool GxStringFormat::GetTabStops(float& firstTabOffset, std::vector<float>& tabStops) const {
    tabStops.clear();
    const INT count = GxGet<INT>(GdipGetStringFormatTabStopCount, NativeFormat());
    if (gxLastStatus != Ok) return false;
    std::vector<float> stops(static_cast<std::size_t>(count > 0 ? count : 0));
    if (!GxCall(GdipGetStringFormatTabStops, NativeFormat(), count, &firstTabOffset, stops.data())) return false;
    tabStops = std::move(stops);
    return true;
}

bool GxStringFormat::SetDigitSubstitution(LANGID language, StringDigitSubstitute substitute) {
    return GxCall(GdipSetStringFormatDigitSubstitution, NativeFormat(), language, substitute);
}

bool GxStringFormat::GetDigitSubstitution(LANGID& language, StringDigitSubstitute& substitute) const {
    return GxCall(GdipGetStringFormatDigitSubstitution, NativeFormat(), &language, &substitute);
}

bool GxStringFormat::SetMeasurableCharacterRanges(const std::vector<CharacterRange>& ranges) {
    return GxCall(GdipSetStringFormatMeasurableCharacterRanges, NativeFormat(), static_cast<INT>(ranges.size()),
                  ranges.data());
}

int GxStringFormat::GetMeasurableCharacterRangeCount() const {
    return GxGet<INT>(GdipGetStringFormatMeasurableCharacterRangeCount, NativeFormat());
}

}  // namespace pelorin
