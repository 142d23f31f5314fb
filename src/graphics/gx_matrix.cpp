#include "graphics/gx_matrix.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseMatrix(void* matrix) noexcept { GdipDeleteMatrix(static_cast<GpMatrix*>(matrix)); }

}  // namespace

GxMatrix::GxMatrix() noexcept : GxObject(&ReleaseMatrix) {}

bool GxMatrix::Dispose() { return DisposeWith<GpMatrix>(GdipDeleteMatrix); }

bool GxMatrix::Create() { return CreateWith<GpMatrix>(GdipCreateMatrix); }

bool GxMatrix::Create2(float m11, float m12, float m21, float m22, float dx, float dy) {
    return CreateWith<GpMatrix>(GdipCreateMatrix2, m11, m12, m21, m22, dx, dy);
}

bool GxMatrix::Create3(const GxRectF& rect, const std::array<GxPointF, 3>& points) {
    return CreateWith<GpMatrix>(GdipCreateMatrix3, &rect, points.data());
}

bool GxMatrix::Clone(GxMatrix& target) const {
    GpMatrix* copy = nullptr;
    if (!GxCall(GdipCloneMatrix, NativeMatrix(), &copy)) return false;
    target.Attach(copy);
    return true;
}

std::array<float, 6> GxMatrix::GetElements() const {
    std::array<float, 6> elements{};
    GxCall(GdipGetMatrixElements, NativeMatrix(), elements.data());
    return elements;
}

bool GxMatrix::SetElements(float m11, float m12, float m21, float m22, float dx, float dy) {
    return GxCall(GdipSetMatrixElements, NativeMatrix(), m11, m12, m21, m22, dx, dy);
}

bool GxMatrix::Multiply(const GxMatrix& other, MatrixOrder order) {
    return GxCall(GdipMultiplyMatrix, NativeMatrix(), other.NativeMatrix(), order);
}

bool GxMatrix::Translate(float dx, float dy, MatrixOrder order) {
    return GxCall(GdipTranslateMatrix, NativeMatrix(), dx, dy, order);
}

bool GxMatrix::Scale(float sx, float sy, MatrixOrder order) {
    return GxCall(GdipScaleMatrix, NativeMatrix(), sx, sy, order);
}

bool GxMatrix::Rotate(float angle, MatrixOrder order) { return GxCall(GdipRotateMatrix, NativeMatrix(), angle, order); }

bool GxMatrix::Shear(float shearX, float shearY, MatrixOrder order) {
    return GxCall(GdipShearMatrix, NativeMatrix(), shearX, shearY, order);
}

bool GxMatrix::Invert() { return GxCall(GdipInvertMatrix, NativeMatrix()); }

bool GxMatrix::TransformPoints(std::vector<GxPointF>& points) const {
    return GxCall(GdipTransformMatrixPoints, NativeMatrix(), points.data(), static_cast<INT>(points.size()));
}

bool GxMatrix::TransformPointsI(std::vector<GxPoint>& points) const {
    return GxCall(GdipTransformMatrixPointsI, NativeMatrix(), points.data(), static_cast<INT>(points.size()));
}

bool GxMatrix::VectorTransformPoints(std::vector<GxPointF>& points) const {
    return GxCall(GdipVectorTransformMatrixPoints, NativeMatrix(), points.data(), static_cast<INT>(points.size()));
}

bool GxMatrix::IsInvertible() const { return GxGet<BOOL>(GdipIsMatrixInvertible, NativeMatrix()) != FALSE; }

bool GxMatrix::IsIdentity() const { return GxGet<BOOL>(GdipIsMatrixIdentity, NativeMatrix()) != FALSE; }

bool GxMatrix::IsEqual(const GxMatrix& other) const {
    return GxGet<BOOL>(GdipIsMatrixEqual, NativeMatrix(), other.NativeMatrix()) != FALSE;
}

}  // namespace pelorin
