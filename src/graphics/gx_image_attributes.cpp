#include "graphics/gx_image_attributes.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseAttributes(void* attributes) noexcept {
    GdipDisposeImageAttributes(static_cast<GpImageAttributes*>(attributes));
}

}  // namespace

GxImageAttributes::GxImageAttributes() noexcept : GxObject(&ReleaseAttributes) {}

bool GxImageAttributes::Dispose() { return DisposeWith<GpImageAttributes>(GdipDisposeImageAttributes); }

bool GxImageAttributes::Create() { return CreateWith<GpImageAttributes>(GdipCreateImageAttributes); }

bool GxImageAttributes::Clone(GxImageAttributes& target) const {
    GpImageAttributes* copy = nullptr;
    if (!GxCall(GdipCloneImageAttributes, NativeAttributes(), &copy)) return false;
    target.Attach(copy);
    return true;
}

bool GxImageAttributes::Reset(ColorAdjustType type) {
    return GxCall(GdipResetImageAttributes, NativeAttributes(), type);
}

bool GxImageAttributes::SetColorMatrix(const ColorMatrix& matrix, ColorAdjustType type, ColorMatrixFlags flags) {
    return GxCall(GdipSetImageAttributesColorMatrix, NativeAttributes(), type, TRUE, &matrix, nullptr, flags);
}

bool GxImageAttributes::SetColorKeys(GxArgb low, GxArgb high, ColorAdjustType type) {
    return GxCall(GdipSetImageAttributesColorKeys, NativeAttributes(), type, TRUE, low, high);
}

bool GxImageAttributes::ClearColorKeys(ColorAdjustType type) {
    return GxCall(GdipSetImageAttributesColorKeys, NativeAttributes(), type, FALSE, ARGB{0}, ARGB{0});
}

bool GxImageAttributes::SetWrapMode(WrapMode wrapMode, GxArgb color, bool clamp) {
    return GxCall(GdipSetImageAttributesWrapMode, NativeAttributes(), wrapMode, color, clamp ? TRUE : FALSE);
}

}  // namespace pelorin
