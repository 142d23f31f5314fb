#pragma once
// A GDI+ drawing surface bound to a window, a device context or an image.
// Painters create one per paint, set its quality modes, draw and dispose it.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxImage;
class GxPen;
class GxBrush;
class GxPath;
class GxRegion;
class GxFont;
class GxStringFormat;
class GxMatrix;
class GxImageAttributes;
class GxCachedBitmap;

class GxGraphics : public GxObject {
public:
    GxGraphics() noexcept;
    GxGraphics(GxGraphics&&) noexcept = default;
    GxGraphics& operator=(GxGraphics&&) noexcept = default;

    bool Dispose();
    bool Flush(Gdiplus::FlushIntention intention = Gdiplus::FlushIntentionFlush);
    bool CreateFromHWND(HWND window, bool useIcm = false);
    // With `device`, GdipCreateFromHDC2.
    bool CreateFromHDC(HDC dc, std::optional<HANDLE> device = std::nullopt);
    bool CreateFromImage(const GxImage& image);
    // Must be given back with ReleaseHDC before drawing again.
    HDC GetHDC();
    bool ReleaseHDC(HDC dc);

    Gdiplus::CompositingMode GetCompositingMode() const;
    bool SetCompositingMode(Gdiplus::CompositingMode mode);
    bool GetRenderingOrigin(int& x, int& y) const;
    bool SetRenderingOrigin(int x, int y);
    Gdiplus::CompositingQuality GetCompositingQuality() const;
    bool SetCompositingQuality(Gdiplus::CompositingQuality quality);
    bool SetSmoothingMode(Gdiplus::SmoothingMode mode);
    Gdiplus::SmoothingMode GetSmoothingMode() const;
    bool SetTextRenderingHint(Gdiplus::TextRenderingHint hint);
    Gdiplus::TextRenderingHint GetTextRenderingHint() const;
    bool SetInterpolationMode(Gdiplus::InterpolationMode mode);
    Gdiplus::InterpolationMode GetInterpolationMode() const;
    bool SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode);
    Gdiplus::PixelOffsetMode GetPixelOffsetMode() const;
    bool SetTransform(const GxMatrix& matrix);
    // A new matrix holding the world transform, attached to `target`.
    bool GetTransform(GxMatrix& target) const;
    bool ResetTransform();
    bool MultiplyTransform(const GxMatrix& matrix, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool TranslateTransform(float dx, float dy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool ScaleTransform(float sx, float sy, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    // Scale about `centre`; stops at the first failing step.
    bool ScaleTransformAt(float sx, float sy, const GxPointF& centre,
                          Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransform(float angle, Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool RotateTransformAt(float angle, const GxPointF& centre,
                           Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool SetPageUnit(Gdiplus::Unit unit);
    Gdiplus::Unit GetPageUnit() const;
    bool SetPageScale(float scale);
    float GetPageScale() const;
    float GetDpiX() const;
    float GetDpiY() const;
    bool TransformPoints(Gdiplus::CoordinateSpace destination, Gdiplus::CoordinateSpace source,
                         std::vector<GxPointF>& points) const;
    bool TransformPointsI(Gdiplus::CoordinateSpace destination, Gdiplus::CoordinateSpace source,
                          std::vector<GxPoint>& points) const;
    GxArgb GetNearestColor(GxArgb color) const;
    bool DrawLine(const GxPen& pen, float x1, float y1, float x2, float y2);
    bool DrawLineI(const GxPen& pen, int x1, int y1, int x2, int y2);
    bool DrawLines(const GxPen& pen, const std::vector<GxPointF>& points);
    bool DrawLinesI(const GxPen& pen, const std::vector<GxPoint>& points);
    bool DrawArc(const GxPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawArcI(const GxPen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawBezier(const GxPen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool DrawBezierI(const GxPen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool DrawBeziers(const GxPen& pen, const std::vector<GxPointF>& points);
    bool DrawBeziersI(const GxPen& pen, const std::vector<GxPoint>& points);
    bool DrawRectangle(const GxPen& pen, float x, float y, float width, float height);
    bool DrawRectangleI(const GxPen& pen, int x, int y, int width, int height);
    bool DrawRectangles(const GxPen& pen, const std::vector<GxRectF>& rects);
    bool DrawRectanglesI(const GxPen& pen, const std::vector<GxRect>& rects);
    bool DrawEllipse(const GxPen& pen, float x, float y, float width, float height);
    bool DrawEllipseI(const GxPen& pen, int x, int y, int width, int height);
    bool DrawPie(const GxPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawPieI(const GxPen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawPolygon(const GxPen& pen, const std::vector<GxPointF>& points);
    bool DrawPolygonI(const GxPen& pen, const std::vector<GxPoint>& points);
    bool DrawPath(const GxPen& pen, const GxPath& path);
    bool DrawCurve(const GxPen& pen, const std::vector<GxPointF>& points);
    bool DrawCurveI(const GxPen& pen, const std::vector<GxPoint>& points);
    bool DrawCurve2(const GxPen& pen, const std::vector<GxPointF>& points, float tension);
    bool DrawCurve2I(const GxPen& pen, const std::vector<GxPoint>& points, float tension);
    bool DrawCurve3(const GxPen& pen, const std::vector<GxPointF>& points, int offset, int segments, float tension);
    bool DrawCurve3I(const GxPen& pen, const std::vector<GxPoint>& points, int offset, int segments, float tension);
    bool DrawClosedCurve(const GxPen& pen, const std::vector<GxPointF>& points);
    bool DrawClosedCurveI(const GxPen& pen, const std::vector<GxPoint>& points);
    bool DrawClosedCurve2(const GxPen& pen, const std::vector<GxPointF>& points, float tension);
    bool DrawClosedCurve2I(const GxPen& pen, const std::vector<GxPoint>& points, float tension);
    bool Clear(GxArgb color);
    bool FillRectangle(const GxBrush& brush, float x, float y, float width, float height);
    bool FillRectangleF(const GxBrush& brush, const GxRectF& rect);
    bool FillRectangleI(const GxBrush& brush, int x, int y, int width, int height);
    bool FillRectangles(const GxBrush& brush, const std::vector<GxRectF>& rects);
    bool FillRectanglesI(const GxBrush& brush, const std::vector<GxRect>& rects);
    bool FillPolygon(const GxBrush& brush, const std::vector<GxPointF>& points,
                     Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool FillPolygonI(const GxBrush& brush, const std::vector<GxPoint>& points,
                      Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool FillEllipse(const GxBrush& brush, float x, float y, float width, float height);
    bool FillEllipseI(const GxBrush& brush, int x, int y, int width, int height);
    bool FillPie(const GxBrush& brush, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool FillPieI(const GxBrush& brush, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool FillPath(const GxBrush& brush, const GxPath& path);
    bool FillClosedCurve(const GxBrush& brush, const std::vector<GxPointF>& points);
    bool FillClosedCurve2(const GxBrush& brush, const std::vector<GxPointF>& points, float tension,
                          Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool FillClosedCurveI(const GxBrush& brush, const std::vector<GxPoint>& points);
    bool FillClosedCurve2I(const GxBrush& brush, const std::vector<GxPoint>& points, float tension,
                           Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool FillRegion(const GxBrush& brush, const GxRegion& region);
    bool DrawString(const std::wstring& text, const GxFont& font, const GxBrush& brush, const GxRectF& layout,
                    const GxStringFormat& format);
    // `utf16Text`: UTF-16LE bytes, used as given.
    bool DrawStringW(const Bytes& utf16Text, const GxFont& font, const GxBrush& brush, const GxRectF& layout,
                     const GxStringFormat& format);
    bool MeasureString(const std::wstring& text, const GxFont& font, const GxRectF& layout,
                       const GxStringFormat& format, GxRectF& bounds) const;
    bool MeasureStringW(const Bytes& utf16Text, const GxFont& font, const GxRectF& layout, const GxStringFormat& format,
                        GxRectF& bounds) const;
    // One region per measurable character range of `format`; `regionCount`
    // below 1 fails with InvalidParameter without calling GDI+.
    bool MeasureCharacterRanges(const std::wstring& text, const GxFont& font, const GxRectF& layout,
                                const GxStringFormat& format, int regionCount, std::vector<GxRegion>& regions) const;
    bool MeasureCharacterRangesW(const Bytes& utf16Text, const GxFont& font, const GxRectF& layout,
                                 const GxStringFormat& format, int regionCount, std::vector<GxRegion>& regions) const;
    bool DrawDriverString(const std::wstring& text, const GxFont& font, const GxBrush& brush,
                          const std::vector<GxPointF>& positions, int flags, const GxMatrix* matrix = nullptr);
    bool DrawDriverStringW(const Bytes& utf16Text, const GxFont& font, const GxBrush& brush,
                           const std::vector<GxPointF>& positions, int flags, const GxMatrix* matrix = nullptr);
    bool SetTextContrast(unsigned contrast);
    unsigned GetTextContrast() const;
    bool DrawImage(const GxImage& image, float x, float y);
    bool DrawImageI(const GxImage& image, int x, int y);
    // The coordinates are truncated to whole pixels.
    bool DrawCachedBitmap(const GxCachedBitmap& cached, float x, float y);
    // The whole image scaled into the rectangle.
    bool DrawImageRect(const GxImage& image, float x, float y, float width, float height,
                       Gdiplus::Unit unit = Gdiplus::UnitPixel);
    bool DrawImageRectI(const GxImage& image, int x, int y, int width, int height,
                        Gdiplus::Unit unit = Gdiplus::UnitPixel);
    bool DrawImagePoints(const GxImage& image, const std::array<GxPointF, 3>& destination);
    bool DrawImagePointsI(const GxImage& image, const std::array<GxPoint, 3>& destination);
    bool DrawImagePointRect(const GxImage& image, float x, float y, float srcX, float srcY, float srcWidth,
                            float srcHeight, Gdiplus::Unit unit = Gdiplus::UnitPixel);
    bool DrawImagePointRectI(const GxImage& image, int x, int y, int srcX, int srcY, int srcWidth, int srcHeight,
                             Gdiplus::Unit unit = Gdiplus::UnitPixel);
    bool DrawImageRectRect(const GxImage& image, float x, float y, float width, float height, float srcX, float srcY,
                           float srcWidth, float srcHeight, Gdiplus::Unit unit = Gdiplus::UnitPixel,
                           const GxImageAttributes* attributes = nullptr);
    bool DrawImageRectRectI(const GxImage& image, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                            int srcHeight, Gdiplus::Unit unit = Gdiplus::UnitPixel,
                            const GxImageAttributes* attributes = nullptr);
    bool DrawImagePointsRect(const GxImage& image, const std::array<GxPointF, 3>& destination, float srcX, float srcY,
                             float srcWidth, float srcHeight, Gdiplus::Unit unit = Gdiplus::UnitPixel,
                             const GxImageAttributes* attributes = nullptr);
    bool DrawImagePointsRectI(const GxImage& image, const std::array<GxPoint, 3>& destination, int srcX, int srcY,
                              int srcWidth, int srcHeight, Gdiplus::Unit unit = Gdiplus::UnitPixel,
                              const GxImageAttributes* attributes = nullptr);
    // Metafile enumerations; `metafile` is an image wrapper holding a metafile.
    bool EnumerateMetafileDestPoint(const GxImage& metafile, const GxPointF& destination,
                                    Gdiplus::EnumerateMetafileProc callback, void* callbackData = nullptr,
                                    const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestPointI(const GxImage& metafile, const GxPoint& destination,
                                     Gdiplus::EnumerateMetafileProc callback, void* callbackData = nullptr,
                                     const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestPoints(const GxImage& metafile, const std::vector<GxPointF>& destination,
                                     Gdiplus::EnumerateMetafileProc callback, void* callbackData = nullptr,
                                     const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestPointsI(const GxImage& metafile, const std::vector<GxPoint>& destination,
                                      Gdiplus::EnumerateMetafileProc callback, void* callbackData = nullptr,
                                      const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestRect(const GxImage& metafile, const GxRectF& destination,
                                   Gdiplus::EnumerateMetafileProc callback, void* callbackData = nullptr,
                                   const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileDestRectI(const GxImage& metafile, const GxRect& destination,
                                    Gdiplus::EnumerateMetafileProc callback, void* callbackData = nullptr,
                                    const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPoint(const GxImage& metafile, const GxPointF& destination, const GxRectF& source,
                                           Gdiplus::Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback,
                                           void* callbackData = nullptr, const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPointI(const GxImage& metafile, const GxPoint& destination, const GxRect& source,
                                            Gdiplus::Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback,
                                            void* callbackData = nullptr,
                                            const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPoints(const GxImage& metafile, const std::vector<GxPointF>& destination,
                                            const GxRectF& source, Gdiplus::Unit sourceUnit,
                                            Gdiplus::EnumerateMetafileProc callback, void* callbackData = nullptr,
                                            const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPointsI(const GxImage& metafile, const std::vector<GxPoint>& destination,
                                             const GxRect& source, Gdiplus::Unit sourceUnit,
                                             Gdiplus::EnumerateMetafileProc callback, void* callbackData = nullptr,
                                             const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestRect(const GxImage& metafile, const GxRectF& destination, const GxRectF& source,
                                          Gdiplus::Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback,
                                          void* callbackData = nullptr, const GxImageAttributes* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestRectI(const GxImage& metafile, const GxRect& destination, const GxRect& source,
                                           Gdiplus::Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback,
                                           void* callbackData = nullptr, const GxImageAttributes* attributes = nullptr);
    bool SetClipGraphics(const GxGraphics& source, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipPath(const GxPath& path, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipRect(float x, float y, float width, float height,
                     Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipRectI(int x, int y, int width, int height, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipRegion(const GxRegion& region, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool SetClipHrgn(HRGN region, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool ResetClip();
    bool TranslateClip(float dx, float dy);
    bool TranslateClipI(int dx, int dy);
    // A new region holding the clip, attached to `target`.
    bool GetClip(GxRegion& target) const;
    GxRectF GetClipBounds() const;
    GxRect GetClipBoundsI() const;
    GxRectF GetVisibleClipBounds() const;
    GxRect GetVisibleClipBoundsI() const;
    bool IsClipEmpty() const;
    bool IsVisibleClipEmpty() const;
    bool IsVisiblePoint(float x, float y) const;
    bool IsVisiblePointI(int x, int y) const;
    bool IsVisibleRect(float x, float y, float width, float height) const;
    bool IsVisibleRectI(int x, int y, int width, int height) const;
    Gdiplus::GraphicsState Save();
    bool Restore(Gdiplus::GraphicsState state);
    Gdiplus::GraphicsContainer BeginContainer(const GxRectF& destination, const GxRectF& source, Gdiplus::Unit unit);
    Gdiplus::GraphicsContainer BeginContainerI(const GxRect& destination, const GxRect& source, Gdiplus::Unit unit);
    Gdiplus::GraphicsContainer BeginContainerPlain();
    bool EndContainer(Gdiplus::GraphicsContainer container);
    bool AddComment(const Bytes& data);

    Gdiplus::GpGraphics* NativeGraphics() const noexcept { return Native<Gdiplus::GpGraphics>(); }
};

}  // namespace pelorin
