#include "graphics/gx_brushes.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseBrush(void* brush) noexcept { GdipDeleteBrush(static_cast<GpBrush*>(brush)); }

}  // namespace

GxBrush::GxBrush() noexcept : GxObject(&ReleaseBrush) {}

bool GxBrush::Dispose() { return DisposeWith<GpBrush>(GdipDeleteBrush); }

bool GxBrush::Clone(GxBrush& target) const {
    GpBrush* copy = nullptr;
    if (!GxCall(GdipCloneBrush, NativeBrush(), &copy)) return false;
    target.Attach(copy);
    return true;
}

BrushType GxBrush::GetType() const { return GxGet<BrushType>(GdipGetBrushType, NativeBrush()); }

bool GxSolidBrush::Create(GxArgb color) { return CreateWith<GpSolidFill>(GdipCreateSolidFill, color); }

bool GxSolidBrush::SetColor(GxArgb color) { return GxCall(GdipSetSolidFillColor, Native<GpSolidFill>(), color); }

GxArgb GxSolidBrush::GetColor() const { return GxGet<ARGB>(GdipGetSolidFillColor, Native<GpSolidFill>()); }

}  // namespace pelorin
