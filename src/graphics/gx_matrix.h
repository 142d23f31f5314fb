#pragma once
// A GDI+ 3x2 affine matrix, as taken and returned by the transform
// operations of the graphics context, pens, brushes, paths and regions.

#include <array>
#include <vector>

#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxMatrix : public GxObject {
public:
    GxMatrix() noexcept;
    GxMatrix(GxMatrix&&) noexcept = default;
    GxMatrix& operator=(GxMatrix&&) noexcept = default;

    bool Dispose();
    // The identity matrix.
    bool Create();
    // | m11 m12 |, | m21 m22 |, offset (dx, dy).
    bool Create2(float m11, float m12, float m21, float m22, float dx, float dy);
    // The matrix mapping `rect` onto the parallelogram whose top-left, top-right
    // and bottom-left corners are the three points.
    bool Create3(const GxRectF& rect, const std::array<GxPointF, 3>& points);
    bool Clone(GxMatrix& target) const;
    // {m11, m12, m21, m22, dx, dy}; zeros on failure.
    std::array<float, 6> GetElements() const;
    bool SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
    bool Multiply(const GxMatrix& other, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool Translate(float dx, float dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool Scale(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool Rotate(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool Shear(float shearX, float shearY, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool Invert();
    bool TransformPoints(std::vector<GxPointF>& points) const;
    bool TransformPointsI(std::vector<GxPoint>& points) const;
    bool VectorTransformPoints(std::vector<GxPointF>& points) const;
    bool IsInvertible() const;
    bool IsIdentity() const;
    bool IsEqual(const GxMatrix& other) const;

    Gdiplus::GpMatrix* NativeMatrix() const noexcept { return Native<Gdiplus::GpMatrix>(); }
};

}  // namespace pelorin
