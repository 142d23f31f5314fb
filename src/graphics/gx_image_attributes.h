#pragma once
// GDI+ image attributes: colour adjustments applied when an image is drawn.

#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxImageAttributes : public GxObject {
public:
    GxImageAttributes() noexcept;
    GxImageAttributes(GxImageAttributes&&) noexcept = default;
    GxImageAttributes& operator=(GxImageAttributes&&) noexcept = default;

    bool Dispose();
    bool Create();
    bool Clone(GxImageAttributes& target) const;
    bool Reset(Gdiplus::ColorAdjustType type = Gdiplus::ColorAdjustTypeDefault);
    bool SetColorMatrix(const Gdiplus::ColorMatrix& matrix,
                        Gdiplus::ColorAdjustType type = Gdiplus::ColorAdjustTypeDefault,
                        Gdiplus::ColorMatrixFlags flags = Gdiplus::ColorMatrixFlagsDefault);
    // Pixels whose colour lies between `low` and `high` become transparent.
    bool SetColorKeys(GxArgb low, GxArgb high, Gdiplus::ColorAdjustType type = Gdiplus::ColorAdjustTypeDefault);
    bool ClearColorKeys(Gdiplus::ColorAdjustType type = Gdiplus::ColorAdjustTypeDefault);
    bool SetWrapMode(Gdiplus::WrapMode wrapMode, GxArgb color = 0, bool clamp = false);

    Gdiplus::GpImageAttributes* NativeAttributes() const noexcept { return Native<Gdiplus::GpImageAttributes>(); }
};

}  // namespace pelorin
