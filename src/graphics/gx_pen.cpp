#include "graphics/gx_pen.h"

#include "graphics/gx_brushes.h"
#include "graphics/gx_custom_line_cap.h"
#include "graphics/gx_matrix.h"
#include "graphics/gx_transform_at.h"
#include "graphics/gx_wine_stubs.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleasePen(void* pen) noexcept { GdipDeletePen(static_cast<GpPen*>(pen)); }

// Asks the count, then fetches that many values.
template <typename CountFn, typename ListFn>
bool ReadFloatArray(GpPen* pen, CountFn countFn, ListFn listFn, std::vector<float>& out) {
    out.clear();
    const INT count = GxGet<INT>(countFn, pen);
    if (gxLastStatus != Ok) return false;
    std::vector<float> values(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count > 0 && !GxCall(listFn, pen, values.data(), count)) return false;
    out = std::move(values);
    return true;
}

}  // namespace

GxPen::GxPen() noexcept : GxObject(&ReleasePen) {}

bool GxPen::Dispose() { return DisposeWith<GpPen>(GdipDeletePen); }

bool GxPen::Create1(GxArgb color, float width, Unit unit) {
    return CreateWith<GpPen>(GdipCreatePen1, color, width, unit);
}

bool GxPen::Create2(const GxBrush& brush, float width, Unit unit) {
    return CreateWith<GpPen>(GdipCreatePen2, brush.NativeBrush(), width, unit);
}

bool GxPen::Clone(GxPen& target) const {
    GpPen* copy = nullptr;
    if (!GxCall(GdipClonePen, NativePen(), &copy)) return false;
    target.Attach(copy);
    return true;
}

float GxPen::GetWidth() const { return GxGet<REAL>(GdipGetPenWidth, NativePen()); }

bool GxPen::SetWidth(float width) { return GxCall(GdipSetPenWidth, NativePen(), width); }

Unit GxPen::GetUnit() const { return GxGet<Unit>(GdipGetPenUnit, NativePen()); }

bool GxPen::SetUnit(Unit unit) {
    if (GxSkipUnimplementedStub("GdipSetPenUnit")) return false;
    return GxCall(GdipSetPenUnit, NativePen(), unit);
}

bool GxPen::SetLineCap197819(LineCap startCap, LineCap endCap, DashCap dashCap) {
    return GxCall(GdipSetPenLineCap197819, NativePen(), startCap, endCap, dashCap);
}

bool GxPen::SetLineCap(LineCap startCap, LineCap endCap, DashCap dashCap) {
    return SetLineCap197819(startCap, endCap, dashCap);
}

bool GxPen::SetStartCap(LineCap cap) { return GxCall(GdipSetPenStartCap, NativePen(), cap); }

bool GxPen::SetEndCap(LineCap cap) { return GxCall(GdipSetPenEndCap, NativePen(), cap); }

bool GxPen::SetDashCap197819(DashCap cap) { return GxCall(GdipSetPenDashCap197819, NativePen(), cap); }

LineCap GxPen::GetStartCap() const { return GxGet<LineCap>(GdipGetPenStartCap, NativePen()); }

LineCap GxPen::GetEndCap() const { return GxGet<LineCap>(GdipGetPenEndCap, NativePen()); }

DashCap GxPen::GetDashCap197819() const { return GxGet<DashCap>(GdipGetPenDashCap197819, NativePen()); }

DashCap GxPen::GetDashCap() const { return GetDashCap197819(); }

bool GxPen::SetLineJoin(LineJoin join) { return GxCall(GdipSetPenLineJoin, NativePen(), join); }

LineJoin GxPen::GetLineJoin() const { return GxGet<LineJoin>(GdipGetPenLineJoin, NativePen()); }

bool GxPen::SetCustomStartCap(const GxCustomLineCap& cap) {
    return GxCall(GdipSetPenCustomStartCap, NativePen(), cap.NativeCap());
}

bool GxPen::GetCustomStartCap(GxCustomLineCap& target) const {
    GpCustomLineCap* cap = nullptr;
    if (!GxCall(GdipGetPenCustomStartCap, NativePen(), &cap)) return false;
    target.Attach(cap);
    return true;
}

bool GxPen::SetCustomEndCap(const GxCustomLineCap& cap) {
    return GxCall(GdipSetPenCustomEndCap, NativePen(), cap.NativeCap());
}

bool GxPen::GetCustomEndCap(GxCustomLineCap& target) const {
    GpCustomLineCap* cap = nullptr;
    if (!GxCall(GdipGetPenCustomEndCap, NativePen(), &cap)) return false;
    target.Attach(cap);
    return true;
}

bool GxPen::SetMiterLimit(float limit) { return GxCall(GdipSetPenMiterLimit, NativePen(), limit); }

float GxPen::GetMiterLimit() const { return GxGet<REAL>(GdipGetPenMiterLimit, NativePen()); }

bool GxPen::SetMode(PenAlignment alignment) { return GxCall(GdipSetPenMode, NativePen(), alignment); }

PenAlignment GxPen::GetMode() const { return GxGet<PenAlignment>(GdipGetPenMode, NativePen()); }

bool GxPen::SetTransform(const GxMatrix& matrix) {
    return GxCall(GdipSetPenTransform, NativePen(), matrix.NativeMatrix());
}

bool GxPen::GetTransform(GxMatrix& target) const {
    GxMatrix matrix;
    if (!matrix.Create() || !GxCall(GdipGetPenTransform, NativePen(), matrix.NativeMatrix())) return false;
    target = std::move(matrix);
    return true;
}

bool GxPen::ResetTransform() { return GxCall(GdipResetPenTransform, NativePen()); }

bool GxPen::MultiplyTransform(const GxMatrix& matrix, MatrixOrder order) {
    return GxCall(GdipMultiplyPenTransform, NativePen(), matrix.NativeMatrix(), order);
}

bool GxPen::RotateTransform(float angle, MatrixOrder order) {
    return GxCall(GdipRotatePenTransform, NativePen(), angle, order);
}

bool GxPen::RotateTransformAt(float angle, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(NativePen(), GdipTranslatePenTransform, centre, order, GdipRotatePenTransform, angle);
}

bool GxPen::ScaleTransform(float sx, float sy, MatrixOrder order) {
    return GxCall(GdipScalePenTransform, NativePen(), sx, sy, order);
}

bool GxPen::ScaleTransformAt(float sx, float sy, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(NativePen(), GdipTranslatePenTransform, centre, order, GdipScalePenTransform, sx, sy);
}

bool GxPen::TranslateTransform(float dx, float dy, MatrixOrder order) {
    return GxCall(GdipTranslatePenTransform, NativePen(), dx, dy, order);
}

GxArgb GxPen::GetColor() const { return GxGet<ARGB>(GdipGetPenColor, NativePen()); }

bool GxPen::SetColor(GxArgb color) { return GxCall(GdipSetPenColor, NativePen(), color); }

bool GxPen::SetBrushFill(const GxBrush& brush) { return GxCall(GdipSetPenBrushFill, NativePen(), brush.NativeBrush()); }

bool GxPen::GetBrushFill(GxBrush& target) const {
    GpBrush* brush = nullptr;
    if (!GxCall(GdipGetPenBrushFill, NativePen(), &brush)) return false;
    target.Attach(brush);
    return true;
}

PenType GxPen::GetFillType() const { return GxGet<PenType>(GdipGetPenFillType, NativePen()); }

bool GxPen::SetDashStyle(DashStyle style) { return GxCall(GdipSetPenDashStyle, NativePen(), style); }

DashStyle GxPen::GetDashStyle() const { return GxGet<DashStyle>(GdipGetPenDashStyle, NativePen()); }

float GxPen::GetDashOffset() const { return GxGet<REAL>(GdipGetPenDashOffset, NativePen()); }

bool GxPen::SetDashOffset(float offset) { return GxCall(GdipSetPenDashOffset, NativePen(), offset); }

bool GxPen::GetDashArray(std::vector<float>& out) const {
    return ReadFloatArray(NativePen(), GdipGetPenDashCount, GdipGetPenDashArray, out);
}

bool GxPen::SetDashArray(const std::vector<float>& dashes) {
    return GxCall(GdipSetPenDashArray, NativePen(), dashes.data(), static_cast<INT>(dashes.size()));
}

bool GxPen::SetCompoundArray(const std::vector<float>& compounds) {
    return GxCall(GdipSetPenCompoundArray, NativePen(), compounds.data(), static_cast<INT>(compounds.size()));
}

bool GxPen::GetCompoundArray(std::vector<float>& out) const {
    return ReadFloatArray(NativePen(), GdipGetPenCompoundCount, GdipGetPenCompoundArray, out);
}

}  // namespace pelorin
