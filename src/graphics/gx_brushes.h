#pragma once
// GDI+ brushes. `GxBrush` is the level all brushes share; a plain GxBrush
// can hold a brush of any kind (for example one read back from a pen).

#include <array>
#include <vector>

#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxImage;
class GxImageAttributes;
class GxMatrix;
class GxPath;

class GxBrush : public GxObject {
public:
    GxBrush() noexcept;
    GxBrush(GxBrush&&) noexcept = default;
    GxBrush& operator=(GxBrush&&) noexcept = default;

    bool Dispose();
    // An independent copy, attached to `target`.
    bool Clone(GxBrush& target) const;
    Gdiplus::BrushType GetType() const;

    Gdiplus::GpBrush* NativeBrush() const noexcept { return Native<Gdiplus::GpBrush>(); }
};

class GxSolidBrush : public GxBrush {
public:
    GxSolidBrush() noexcept = default;
    GxSolidBrush(GxSolidBrush&&) noexcept = default;
    GxSolidBrush& operator=(GxSolidBrush&&) noexcept = default;

    bool Create(GxArgb color);
    bool SetColor(GxArgb color);
    GxArgb GetColor() const;
};

class GxLinearGradientBrush : public GxBrush {
public:
    GxLinearGradientBrush() noexcept = default;
    GxLinearGradientBrush(GxLinearGradientBrush&&) noexcept = default;
    GxLinearGradientBrush& operator=(GxLinearGradientBrush&&) noexcept = default;

    bool Create(const GxPointF& point1, const GxPointF& point2, GxArgb color1, GxArgb color2,
                Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool CreateI(const GxPoint& point1, const GxPoint& point2, GxArgb color1, GxArgb color2,
                 Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool CreateFromRect(const GxRectF& rect, GxArgb color1, GxArgb color2, Gdiplus::LinearGradientMode mode,
                        Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool CreateFromRectI(const GxRect& rect, GxArgb color1, GxArgb color2, Gdiplus::LinearGradientMode mode,
                         Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool CreateFromRectWithAngle(const GxRectF& rect, GxArgb color1, GxArgb color2, float angle, bool isAngleScalable,
                                 Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool CreateFromRectWithAngleI(const GxRect& rect, GxArgb color1, GxArgb color2, float angle, bool isAngleScalable,
                                  Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    // {start colour, end colour}; zeros on failure.
    std::array<GxArgb, 2> GetColors() const;
    bool SetColors(GxArgb color1, GxArgb color2);
    GxRectF GetRect() const;
    GxRect GetRectI() const;
    bool SetGammaCorrection(bool useGamma);
    bool GetGammaCorrection() const;
    bool SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    bool GetBlend(std::vector<float>& factors, std::vector<float>& positions) const;
    int GetBlendCount() const;
    bool SetPresetBlend(const std::vector<GxArgb>& colors, const std::vector<float>& positions);
    bool GetPresetBlend(std::vector<GxArgb>& colors, std::vector<float>& positions) const;
    bool SetSigmaBlend(float focus, float scale);
    bool SetLinearBlend(float focus, float scale);
    Gdiplus::WrapMode GetWrapMode() const;
    bool SetWrapMode(Gdiplus::WrapMode wrapMode);
    bool GetTransform(GxMatrix& target) const;
    bool SetTransform(const GxMatrix& matrix);
    bool ResetTransform();
    bool MultiplyTransform(const GxMatrix& matrix, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool TranslateTransform(float dx, float dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleTransform(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleTransformAt(float sx, float sy, const GxPointF& centre,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransformAt(float angle, const GxPointF& centre,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
};

class GxPathGradientBrush : public GxBrush {
public:
    GxPathGradientBrush() noexcept = default;
    GxPathGradientBrush(GxPathGradientBrush&&) noexcept = default;
    GxPathGradientBrush& operator=(GxPathGradientBrush&&) noexcept = default;

    bool Create(const std::vector<GxPointF>& points, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool CreateI(const std::vector<GxPoint>& points, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool CreateFromPath(const GxPath& path);
    GxArgb GetCenterColor() const;
    bool SetCenterColor(GxArgb color);
    int GetPointCount() const;
    int GetSurroundColorCount() const;
    bool GetSurroundColorsWithCount(std::vector<GxArgb>& out) const;
    // `count` in: colours offered; out: colours taken.
    bool SetSurroundColorsWithCount(const std::vector<GxArgb>& colors, int& count);
    // A new path holding the gradient's path, attached to `target`.
    bool GetPath(GxPath& target) const;
    // Fills the path `target` already holds.
    bool GetPathInto(GxPath& target) const;
    GxPointF GetCenterPoint() const;
    GxPoint GetCenterPointI() const;
    // Two names for one operation.
    bool SetCenterPoint(const GxPointF& point);
    bool SetCenterPointF(const GxPointF& point);
    GxRectF GetRect() const;
    GxRect GetRectI() const;
    bool SetGammaCorrection(bool useGamma);
    bool GetGammaCorrection() const;
    bool SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    bool GetBlend(std::vector<float>& factors, std::vector<float>& positions) const;
    int GetBlendCount() const;
    int GetPresetBlendCount() const;
    bool GetFocusScales(float& x, float& y) const;
    bool SetFocusScales(float x, float y);
    bool SetPresetBlend(const std::vector<GxArgb>& colors, const std::vector<float>& positions);
    bool GetPresetBlend(std::vector<GxArgb>& colors, std::vector<float>& positions) const;
    bool SetSigmaBlend(float focus, float scale);
    bool SetLinearBlend(float focus, float scale);
    Gdiplus::WrapMode GetWrapMode() const;
    bool SetWrapMode(Gdiplus::WrapMode wrapMode);
    bool GetTransform(GxMatrix& target) const;
    bool SetTransform(const GxMatrix& matrix);
    bool ResetTransform();
    bool MultiplyTransform(const GxMatrix& matrix, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool TranslateTransform(float dx, float dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleTransform(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleTransformAt(float sx, float sy, const GxPointF& centre,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransformAt(float angle, const GxPointF& centre,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
};

class GxTextureBrush : public GxBrush {
public:
    GxTextureBrush() noexcept = default;
    GxTextureBrush(GxTextureBrush&&) noexcept = default;
    GxTextureBrush& operator=(GxTextureBrush&&) noexcept = default;

    bool Create(const GxImage& image, Gdiplus::WrapMode wrapMode = Gdiplus::WrapModeTile);
    bool Create2(const GxImage& image, Gdiplus::WrapMode wrapMode, float x, float y, float width, float height);
    bool Create2I(const GxImage& image, Gdiplus::WrapMode wrapMode, int x, int y, int width, int height);
    bool CreateIA(const GxImage& image, const GxImageAttributes* attributes, float x, float y, float width,
                  float height);
    bool CreateIAI(const GxImage& image, const GxImageAttributes* attributes, int x, int y, int width, int height);
    bool GetTransform(GxMatrix& target) const;
    bool SetTransform(const GxMatrix& matrix);
    bool ResetTransform();
    bool MultiplyTransform(const GxMatrix& matrix, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool TranslateTransform(float dx, float dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleTransform(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleTransformAt(float sx, float sy, const GxPointF& centre,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransformAt(float angle, const GxPointF& centre,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    Gdiplus::WrapMode GetWrapMode() const;
    bool SetWrapMode(Gdiplus::WrapMode wrapMode);
    // A copy of the texture's image, attached to `target`.
    bool GetImage(GxImage& target) const;
};

}  // namespace pelorin
