#pragma once
// A GDI+ custom line cap, as set on and read back from pens.

#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxPath;

class GxCustomLineCap : public GxObject {
public:
    GxCustomLineCap() noexcept;
    GxCustomLineCap(GxCustomLineCap&&) noexcept = default;
    GxCustomLineCap& operator=(GxCustomLineCap&&) noexcept = default;

    bool Dispose();
    // Exactly one of `fillPath` and `strokePath` is normally given.
    bool Create(const GxPath* fillPath, const GxPath* strokePath, Gdiplus::LineCap baseCap = Gdiplus::LineCapFlat,
                float baseInset = 0.0f);
    bool Clone(GxCustomLineCap& target) const;
    Gdiplus::LineCap GetBaseCap() const;
    bool SetBaseCap(Gdiplus::LineCap cap);
    float GetBaseInset() const;
    bool SetBaseInset(float inset);

    Gdiplus::GpCustomLineCap* NativeCap() const noexcept { return Native<Gdiplus::GpCustomLineCap>(); }
};

}  // namespace pelorin
