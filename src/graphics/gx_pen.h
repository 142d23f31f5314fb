#pragma once
// A GDI+ pen: colour or brush, width, caps, joins, dashes and its own transform.

#include <vector>

#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxBrush;
class GxMatrix;
class GxCustomLineCap;

class GxPen : public GxObject {
public:
    GxPen() noexcept;
    GxPen(GxPen&&) noexcept = default;
    GxPen& operator=(GxPen&&) noexcept = default;

    bool Dispose();
    bool Create1(GxArgb color, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool Create2(const GxBrush& brush, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool Clone(GxPen& target) const;
    float GetWidth() const;
    bool SetWidth(float width);
    Gdiplus::Unit GetUnit() const;
    bool SetUnit(Gdiplus::Unit unit);
    // Start cap, end cap and dash cap at once (two names for one operation).
    bool SetLineCap197819(Gdiplus::LineCap startCap, Gdiplus::LineCap endCap, Gdiplus::DashCap dashCap);
    bool SetLineCap(Gdiplus::LineCap startCap, Gdiplus::LineCap endCap, Gdiplus::DashCap dashCap);
    bool SetStartCap(Gdiplus::LineCap cap);
    bool SetEndCap(Gdiplus::LineCap cap);
    bool SetDashCap197819(Gdiplus::DashCap cap);
    Gdiplus::LineCap GetStartCap() const;
    Gdiplus::LineCap GetEndCap() const;
    // Two names for one operation.
    Gdiplus::DashCap GetDashCap197819() const;
    Gdiplus::DashCap GetDashCap() const;
    bool SetLineJoin(Gdiplus::LineJoin join);
    Gdiplus::LineJoin GetLineJoin() const;
    bool SetCustomStartCap(const GxCustomLineCap& cap);
    // The cap GDI+ returns is attached to `target`.
    bool GetCustomStartCap(GxCustomLineCap& target) const;
    bool SetCustomEndCap(const GxCustomLineCap& cap);
    bool GetCustomEndCap(GxCustomLineCap& target) const;
    bool SetMiterLimit(float limit);
    float GetMiterLimit() const;
    bool SetMode(Gdiplus::PenAlignment alignment);
    Gdiplus::PenAlignment GetMode() const;
    bool SetTransform(const GxMatrix& matrix);
    // A new matrix holding the pen's transform, attached to `target`.
    bool GetTransform(GxMatrix& target) const;
    bool ResetTransform();
    bool MultiplyTransform(const GxMatrix& matrix, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransformAt(float angle, const GxPointF& centre,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleTransform(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleTransformAt(float sx, float sy, const GxPointF& centre,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool TranslateTransform(float dx, float dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    GxArgb GetColor() const;
    bool SetColor(GxArgb color);
    bool SetBrushFill(const GxBrush& brush);
    // The brush GDI+ returns is attached to `target`.
    bool GetBrushFill(GxBrush& target) const;
    Gdiplus::PenType GetFillType() const;
    bool SetDashStyle(Gdiplus::DashStyle style);
    Gdiplus::DashStyle GetDashStyle() const;
    float GetDashOffset() const;
    bool SetDashOffset(float offset);
    bool GetDashArray(std::vector<float>& out) const;
    bool SetDashArray(const std::vector<float>& dashes);
    bool SetCompoundArray(const std::vector<float>& compounds);
    bool GetCompoundArray(std::vector<float>& out) const;

    Gdiplus::GpPen* NativePen() const noexcept { return Native<Gdiplus::GpPen>(); }
};

}  // namespace pelorin
