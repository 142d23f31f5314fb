#include <algorithm>

#include "graphics/gx_brush_arrays.h"
#include "graphics/gx_brushes.h"
#include "graphics/gx_matrix.h"
#include "graphics/gx_path.h"
#include "graphics/gx_transform_at.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

GpPathGradient* Gradient(const GxPathGradientBrush& brush) { return static_cast<GpPathGradient*>(brush.NativeBrush()); }

}  // namespace

bool GxPathGradientBrush::Create(const std::vector<GxPointF>& points, WrapMode wrapMode) {
    return CreateWith<GpPathGradient>(GdipCreatePathGradient, points.data(), static_cast<INT>(points.size()), wrapMode);
}

bool GxPathGradientBrush::CreateI(const std::vector<GxPoint>& points, WrapMode wrapMode) {
    return CreateWith<GpPathGradient>(GdipCreatePathGradientI, points.data(), static_cast<INT>(points.size()),
                                      wrapMode);
}

bool GxPathGradientBrush::CreateFromPath(const GxPath& path) {
    return CreateWith<GpPathGradient>(GdipCreatePathGradientFromPath, path.NativePath());
}

GxArgb GxPathGradientBrush::GetCenterColor() const {
    return GxGet<ARGB>(GdipGetPathGradientCenterColor, Gradient(*this));
}

bool GxPathGradientBrush::SetCenterColor(GxArgb color) {
    return GxCall(GdipSetPathGradientCenterColor, Gradient(*this), color);
}

int GxPathGradientBrush::GetPointCount() const { return GxGet<INT>(GdipGetPathGradientPointCount, Gradient(*this)); }

int GxPathGradientBrush::GetSurroundColorCount() const {
    return GxGet<INT>(GdipGetPathGradientSurroundColorCount, Gradient(*this));
}

bool GxPathGradientBrush::GetSurroundColorsWithCount(std::vector<GxArgb>& out) const {
    out.clear();
    // GDI+ wants room for one colour per boundary point.
    const INT points = GetPointCount();
    if (gxLastStatus != Ok) return false;
    const INT surround = GetSurroundColorCount();
    if (gxLastStatus != Ok) return false;
    INT count = std::max(points, surround);
    std::vector<GxArgb> colors(static_cast<std::size_t>(std::max(count, 1)));
    if (!GxCall(GdipGetPathGradientSurroundColorsWithCount, Gradient(*this), colors.data(), &count)) return false;
    colors.resize(static_cast<std::size_t>(std::clamp<INT>(count, 0, static_cast<INT>(colors.size()))));
    out = std::move(colors);
    return true;
}

bool GxPathGradientBrush::SetSurroundColorsWithCount(const std::vector<GxArgb>& colors, int& count) {
    // Never let GDI+ read past the colours offered.
    count = std::clamp(count, 0, static_cast<int>(colors.size()));
    INT taken = count;
    const bool ok = GxCall(GdipSetPathGradientSurroundColorsWithCount, Gradient(*this), colors.data(), &taken);
    count = taken;
    return ok;
}

bool GxPathGradientBrush::GetPath(GxPath& target) const {
    GxPath path;
    if (!path.Create() || !GxCall(GdipGetPathGradientPath, Gradient(*this), path.NativePath())) return false;
    target = std::move(path);
    return true;
}

bool GxPathGradientBrush::GetPathInto(GxPath& target) const {
    return GxCall(GdipGetPathGradientPath, Gradient(*this), target.NativePath());
}

GxPointF GxPathGradientBrush::GetCenterPoint() const {
    return GxGet<GxPointF>(GdipGetPathGradientCenterPoint, Gradient(*this));
}

GxPoint GxPathGradientBrush::GetCenterPointI() const {
    return GxGet<GxPoint>(GdipGetPathGradientCenterPointI, Gradient(*this));
}

bool GxPathGradientBrush::SetCenterPoint(const GxPointF& point) {
    return GxCall(GdipSetPathGradientCenterPoint, Gradient(*this), &point);
}

bool GxPathGradientBrush::SetCenterPointF(const GxPointF& point) { return SetCenterPoint(point); }

GxRectF GxPathGradientBrush::GetRect() const { return GxGet<GxRectF>(GdipGetPathGradientRect, Gradient(*this)); }

GxRect GxPathGradientBrush::GetRectI() const { return GxGet<GxRect>(GdipGetPathGradientRectI, Gradient(*this)); }

bool GxPathGradientBrush::SetGammaCorrection(bool useGamma) {
    return GxCall(GdipSetPathGradientGammaCorrection, Gradient(*this), useGamma ? TRUE : FALSE);
}

bool GxPathGradientBrush::GetGammaCorrection() const {
    return GxGet<BOOL>(GdipGetPathGradientGammaCorrection, Gradient(*this)) != FALSE;
}

bool GxPathGradientBrush::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
    return GxWritePairedArrays(Gradient(*this), GdipSetPathGradientBlend, factors, positions);
}

bool GxPathGradientBrush::GetBlend(std::vector<float>& factors, std::vector<float>& positions) const {
    return GxReadPairedArrays(Gradient(*this), GdipGetPathGradientBlendCount, GdipGetPathGradientBlend, factors,
                              positions);
}

int GxPathGradientBrush::GetBlendCount() const { return GxGet<INT>(GdipGetPathGradientBlendCount, Gradient(*this)); }

int GxPathGradientBrush::GetPresetBlendCount() const {
    return GxGet<INT>(GdipGetPathGradientPresetBlendCount, Gradient(*this));
}

bool GxPathGradientBrush::GetFocusScales(float& x, float& y) const {
    return GxCall(GdipGetPathGradientFocusScales, Gradient(*this), &x, &y);
}

bool GxPathGradientBrush::SetFocusScales(float x, float y) {
    return GxCall(GdipSetPathGradientFocusScales, Gradient(*this), x, y);
}

bool GxPathGradientBrush::SetPresetBlend(const std::vector<GxArgb>& colors, const std::vector<float>& positions) {
    return GxWritePairedArrays(Gradient(*this), GdipSetPathGradientPresetBlend, colors, positions);
}

bool GxPathGradientBrush::GetPresetBlend(std::vector<GxArgb>& colors, std::vector<float>& positions) const {
    return GxReadPairedArrays(Gradient(*this), GdipGetPathGradientPresetBlendCount, GdipGetPathGradientPresetBlend,
                              colors, positions);
}

bool GxPathGradientBrush::SetSigmaBlend(float focus, float scale) {
    return GxCall(GdipSetPathGradientSigmaBlend, Gradient(*this), focus, scale);
}

bool GxPathGradientBrush::SetLinearBlend(float focus, float scale) {
    return GxCall(GdipSetPathGradientLinearBlend, Gradient(*this), focus, scale);
}

WrapMode GxPathGradientBrush::GetWrapMode() const {
    return GxGet<WrapMode>(GdipGetPathGradientWrapMode, Gradient(*this));
}

bool GxPathGradientBrush::SetWrapMode(WrapMode wrapMode) {
    return GxCall(GdipSetPathGradientWrapMode, Gradient(*this), wrapMode);
}

bool GxPathGradientBrush::GetTransform(GxMatrix& target) const {
    GxMatrix matrix;
    if (!matrix.Create() || !GxCall(GdipGetPathGradientTransform, Gradient(*this), matrix.NativeMatrix())) return false;
    target = std::move(matrix);
    return true;
}

bool GxPathGradientBrush::SetTransform(const GxMatrix& matrix) {
    return GxCall(GdipSetPathGradientTransform, Gradient(*this), matrix.NativeMatrix());
}

bool GxPathGradientBrush::ResetTransform() { return GxCall(GdipResetPathGradientTransform, Gradient(*this)); }

bool GxPathGradientBrush::MultiplyTransform(const GxMatrix& matrix, MatrixOrder order) {
    return GxCall(GdipMultiplyPathGradientTransform, Gradient(*this), matrix.NativeMatrix(), order);
}

bool GxPathGradientBrush::TranslateTransform(float dx, float dy, MatrixOrder order) {
    return GxCall(GdipTranslatePathGradientTransform, Gradient(*this), dx, dy, order);
}

bool GxPathGradientBrush::ScaleTransform(float sx, float sy, MatrixOrder order) {
    return GxCall(GdipScalePathGradientTransform, Gradient(*this), sx, sy, order);
}

bool GxPathGradientBrush::ScaleTransformAt(float sx, float sy, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(Gradient(*this), GdipTranslatePathGradientTransform, centre, order,
                         GdipScalePathGradientTransform, sx, sy);
}

bool GxPathGradientBrush::RotateTransform(float angle, MatrixOrder order) {
    return GxCall(GdipRotatePathGradientTransform, Gradient(*this), angle, order);
}

bool GxPathGradientBrush::RotateTransformAt(float angle, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(Gradient(*this), GdipTranslatePathGradientTransform, centre, order,
                         GdipRotatePathGradientTransform, angle);
}

}  // namespace pelorin
