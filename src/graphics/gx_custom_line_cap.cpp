#include "graphics/gx_custom_line_cap.h"

#include "graphics/gx_path.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseCap(void* cap) noexcept { GdipDeleteCustomLineCap(static_cast<GpCustomLineCap*>(cap)); }

GpPath* PathOf(const GxPath* path) { return path ? path->NativePath() : nullptr; }

}  // namespace

GxCustomLineCap::GxCustomLineCap() noexcept : GxObject(&ReleaseCap) {}

bool GxCustomLineCap::Dispose() { return DisposeWith<GpCustomLineCap>(GdipDeleteCustomLineCap); }

bool GxCustomLineCap::Create(const GxPath* fillPath, const GxPath* strokePath, LineCap baseCap, float baseInset) {
    return CreateWith<GpCustomLineCap>(GdipCreateCustomLineCap, PathOf(fillPath), PathOf(strokePath), baseCap,
                                       baseInset);
}

bool GxCustomLineCap::Clone(GxCustomLineCap& target) const {
    GpCustomLineCap* copy = nullptr;
    if (!GxCall(GdipCloneCustomLineCap, NativeCap(), &copy)) return false;
    target.Attach(copy);
    return true;
}

LineCap GxCustomLineCap::GetBaseCap() const { return GxGet<LineCap>(GdipGetCustomLineCapBaseCap, NativeCap()); }

bool GxCustomLineCap::SetBaseCap(LineCap cap) { return GxCall(GdipSetCustomLineCapBaseCap, NativeCap(), cap); }

float GxCustomLineCap::GetBaseInset() const { return GxGet<REAL>(GdipGetCustomLineCapBaseInset, NativeCap()); }

bool GxCustomLineCap::SetBaseInset(float inset) { return GxCall(GdipSetCustomLineCapBaseInset, NativeCap(), inset); }

}  // namespace pelorin
