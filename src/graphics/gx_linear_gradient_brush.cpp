#include "graphics/gx_brush_arrays.h"
#include "graphics/gx_brushes.h"
#include "graphics/gx_matrix.h"
#include "graphics/gx_transform_at.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

GpLineGradient* Line(const GxLinearGradientBrush& brush) { return static_cast<GpLineGradient*>(brush.NativeBrush()); }

}  // namespace

bool GxLinearGradientBrush::Create(const GxPointF& point1, const GxPointF& point2, GxArgb color1, GxArgb color2,
                                   WrapMode wrapMode) {
    return CreateWith<GpLineGradient>(GdipCreateLineBrush, &point1, &point2, color1, color2, wrapMode);
}

bool GxLinearGradientBrush::CreateI(const GxPoint& point1, const GxPoint& point2, GxArgb color1, GxArgb color2,
                                    WrapMode wrapMode) {
    return CreateWith<GpLineGradient>(GdipCreateLineBrushI, &point1, &point2, color1, color2, wrapMode);
}

bool GxLinearGradientBrush::CreateFromRect(const GxRectF& rect, GxArgb color1, GxArgb color2, LinearGradientMode mode,
                                           WrapMode wrapMode) {
    return CreateWith<GpLineGradient>(GdipCreateLineBrushFromRect, &rect, color1, color2, mode, wrapMode);
}

bool GxLinearGradientBrush::CreateFromRectI(const GxRect& rect, GxArgb color1, GxArgb color2, LinearGradientMode mode,
                                            WrapMode wrapMode) {
    return CreateWith<GpLineGradient>(GdipCreateLineBrushFromRectI, &rect, color1, color2, mode, wrapMode);
}

bool GxLinearGradientBrush::CreateFromRectWithAngle(const GxRectF& rect, GxArgb color1, GxArgb color2, float angle,
                                                    bool isAngleScalable, WrapMode wrapMode) {
    return CreateWith<GpLineGradient>(GdipCreateLineBrushFromRectWithAngle, &rect, color1, color2, angle,
                                      isAngleScalable ? TRUE : FALSE, wrapMode);
}

bool GxLinearGradientBrush::CreateFromRectWithAngleI(const GxRect& rect, GxArgb color1, GxArgb color2, float angle,
                                                     bool isAngleScalable, WrapMode wrapMode) {
    return CreateWith<GpLineGradient>(GdipCreateLineBrushFromRectWithAngleI, &rect, color1, color2, angle,
                                      isAngleScalable ? TRUE : FALSE, wrapMode);
}

std::array<GxArgb, 2> GxLinearGradientBrush::GetColors() const {
    std::array<GxArgb, 2> colors{};
    GxCall(GdipGetLineColors, Line(*this), colors.data());
    return colors;
}

bool GxLinearGradientBrush::SetColors(GxArgb color1, GxArgb color2) {
    return GxCall(GdipSetLineColors, Line(*this), color1, color2);
}

GxRectF GxLinearGradientBrush::GetRect() const { return GxGet<GxRectF>(GdipGetLineRect, Line(*this)); }

GxRect GxLinearGradientBrush::GetRectI() const { return GxGet<GxRect>(GdipGetLineRectI, Line(*this)); }

bool GxLinearGradientBrush::SetGammaCorrection(bool useGamma) {
    return GxCall(GdipSetLineGammaCorrection, Line(*this), useGamma ? TRUE : FALSE);
}

bool GxLinearGradientBrush::GetGammaCorrection() const {
    return GxGet<BOOL>(GdipGetLineGammaCorrection, Line(*this)) != FALSE;
}

bool GxLinearGradientBrush::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions) {
    return GxWritePairedArrays(Line(*this), GdipSetLineBlend, factors, positions);
}

bool GxLinearGradientBrush::GetBlend(std::vector<float>& factors, std::vector<float>& positions) const {
    return GxReadPairedArrays(Line(*this), GdipGetLineBlendCount, GdipGetLineBlend, factors, positions);
}

int GxLinearGradientBrush::GetBlendCount() const { return GxGet<INT>(GdipGetLineBlendCount, Line(*this)); }

bool GxLinearGradientBrush::SetPresetBlend(const std::vector<GxArgb>& colors, const std::vector<float>& positions) {
    return GxWritePairedArrays(Line(*this), GdipSetLinePresetBlend, colors, positions);
}

bool GxLinearGradientBrush::GetPresetBlend(std::vector<GxArgb>& colors, std::vector<float>& positions) const {
    return GxReadPairedArrays(Line(*this), GdipGetLinePresetBlendCount, GdipGetLinePresetBlend, colors, positions);
}

bool GxLinearGradientBrush::SetSigmaBlend(float focus, float scale) {
    return GxCall(GdipSetLineSigmaBlend, Line(*this), focus, scale);
}

bool GxLinearGradientBrush::SetLinearBlend(float focus, float scale) {
    return GxCall(GdipSetLineLinearBlend, Line(*this), focus, scale);
}

WrapMode GxLinearGradientBrush::GetWrapMode() const { return GxGet<WrapMode>(GdipGetLineWrapMode, Line(*this)); }

bool GxLinearGradientBrush::SetWrapMode(WrapMode wrapMode) {
    return GxCall(GdipSetLineWrapMode, Line(*this), wrapMode);
}

bool GxLinearGradientBrush::GetTransform(GxMatrix& target) const {
    GxMatrix matrix;
    if (!matrix.Create() || !GxCall(GdipGetLineTransform, Line(*this), matrix.NativeMatrix())) return false;
    target = std::move(matrix);
    return true;
}

bool GxLinearGradientBrush::SetTransform(const GxMatrix& matrix) {
    return GxCall(GdipSetLineTransform, Line(*this), matrix.NativeMatrix());
}

bool GxLinearGradientBrush::ResetTransform() { return GxCall(GdipResetLineTransform, Line(*this)); }

bool GxLinearGradientBrush::MultiplyTransform(const GxMatrix& matrix, MatrixOrder order) {
    return GxCall(GdipMultiplyLineTransform, Line(*this), matrix.NativeMatrix(), order);
}

bool GxLinearGradientBrush::TranslateTransform(float dx, float dy, MatrixOrder order) {
    return GxCall(GdipTranslateLineTransform, Line(*this), dx, dy, order);
}

bool GxLinearGradientBrush::ScaleTransform(float sx, float sy, MatrixOrder order) {
    return GxCall(GdipScaleLineTransform, Line(*this), sx, sy, order);
}

bool GxLinearGradientBrush::ScaleTransformAt(float sx, float sy, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(Line(*this), GdipTranslateLineTransform, centre, order, GdipScaleLineTransform, sx, sy);
}

bool GxLinearGradientBrush::RotateTransform(float angle, MatrixOrder order) {
    return GxCall(GdipRotateLineTransform, Line(*this), angle, order);
}

bool GxLinearGradientBrush::RotateTransformAt(float angle, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(Line(*this), GdipTranslateLineTransform, centre, order, GdipRotateLineTransform, angle);
}

}  // namespace pelorin
