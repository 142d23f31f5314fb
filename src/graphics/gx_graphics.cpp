#include "graphics/gx_graphics.h"

#include "graphics/gx_brushes.h"
#include "graphics/gx_cached_bitmap.h"
#include "graphics/gx_font.h"
#include "graphics/gx_image.h"
#include "graphics/gx_image_attributes.h"
#include "graphics/gx_matrix.h"
#include "graphics/gx_path.h"
#include "graphics/gx_pen.h"
#include "graphics/gx_region.h"
#include "graphics/gx_string_format.h"
#include "graphics/gx_text.h"
#include "graphics/gx_transform_at.h"
#include "graphics/gx_wine_stubs.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseGraphics(void* graphics) noexcept { GdipDeleteGraphics(static_cast<GpGraphics*>(graphics)); }

GpMetafile* MetafileOf(const GxImage& image) { return static_cast<GpMetafile*>(image.NativeImage()); }

GpImageAttributes* AttributesOf(const GxImageAttributes* attributes) {
    return attributes ? attributes->NativeAttributes() : nullptr;
}

const UINT16* Utf16(const std::wstring& text) { return reinterpret_cast<const UINT16*>(text.c_str()); }

}  // namespace

GxGraphics::GxGraphics() noexcept : GxObject(&ReleaseGraphics) {}

bool GxGraphics::Dispose() { return DisposeWith<GpGraphics>(GdipDeleteGraphics); }

bool GxGraphics::Flush(FlushIntention intention) { return GxCall(GdipFlush, NativeGraphics(), intention); }

bool GxGraphics::CreateFromHWND(HWND window, bool useIcm) {
    GxObject::Clear();
    GpGraphics* graphics = nullptr;
    if (!GxCall(useIcm ? GdipCreateFromHWNDICM : GdipCreateFromHWND, window, &graphics)) return false;
    SetNativeHandle(graphics);
    return true;
}

bool GxGraphics::CreateFromHDC(HDC dc, std::optional<HANDLE> device) {
    GxObject::Clear();
    GpGraphics* graphics = nullptr;
    const bool ok =
        device ? GxCall(GdipCreateFromHDC2, dc, *device, &graphics) : GxCall(GdipCreateFromHDC, dc, &graphics);
    if (!ok) return false;
    SetNativeHandle(graphics);
    return true;
}

bool GxGraphics::CreateFromImage(const GxImage& image) {
    GxObject::Clear();
    GpGraphics* graphics = nullptr;
    if (!GxCall(GdipGetImageGraphicsContext, image.NativeImage(), &graphics)) return false;
    SetNativeHandle(graphics);
    return true;
}

HDC GxGraphics::GetHDC() { return GxGet<HDC>(GdipGetDC, NativeGraphics()); }

bool GxGraphics::ReleaseHDC(HDC dc) { return GxCall(GdipReleaseDC, NativeGraphics(), dc); }

CompositingMode GxGraphics::GetCompositingMode() const {
    return GxGet<CompositingMode>(GdipGetCompositingMode, NativeGraphics());
}

bool GxGraphics::SetCompositingMode(CompositingMode mode) {
    return GxCall(GdipSetCompositingMode, NativeGraphics(), mode);
}

bool GxGraphics::GetRenderingOrigin(int& x, int& y) const {
    return GxCall(GdipGetRenderingOrigin, NativeGraphics(), &x, &y);
}

bool GxGraphics::SetRenderingOrigin(int x, int y) { return GxCall(GdipSetRenderingOrigin, NativeGraphics(), x, y); }

CompositingQuality GxGraphics::GetCompositingQuality() const {
    return GxGet<CompositingQuality>(GdipGetCompositingQuality, NativeGraphics());
}

bool GxGraphics::SetCompositingQuality(CompositingQuality quality) {
    return GxCall(GdipSetCompositingQuality, NativeGraphics(), quality);
}

bool GxGraphics::SetSmoothingMode(SmoothingMode mode) { return GxCall(GdipSetSmoothingMode, NativeGraphics(), mode); }

SmoothingMode GxGraphics::GetSmoothingMode() const {
    return GxGet<SmoothingMode>(GdipGetSmoothingMode, NativeGraphics());
}

bool GxGraphics::SetTextRenderingHint(TextRenderingHint hint) {
    return GxCall(GdipSetTextRenderingHint, NativeGraphics(), hint);
}

TextRenderingHint GxGraphics::GetTextRenderingHint() const {
    return GxGet<TextRenderingHint>(GdipGetTextRenderingHint, NativeGraphics());
}

bool GxGraphics::SetInterpolationMode(InterpolationMode mode) {
    return GxCall(GdipSetInterpolationMode, NativeGraphics(), mode);
}

InterpolationMode GxGraphics::GetInterpolationMode() const {
    return GxGet<InterpolationMode>(GdipGetInterpolationMode, NativeGraphics());
}

bool GxGraphics::SetPixelOffsetMode(PixelOffsetMode mode) {
    return GxCall(GdipSetPixelOffsetMode, NativeGraphics(), mode);
}

PixelOffsetMode GxGraphics::GetPixelOffsetMode() const {
    return GxGet<PixelOffsetMode>(GdipGetPixelOffsetMode, NativeGraphics());
}

bool GxGraphics::SetTransform(const GxMatrix& matrix) {
    return GxCall(GdipSetWorldTransform, NativeGraphics(), matrix.NativeMatrix());
}

bool GxGraphics::GetTransform(GxMatrix& target) const {
    GxMatrix matrix;
    if (!matrix.Create() || !GxCall(GdipGetWorldTransform, NativeGraphics(), matrix.NativeMatrix())) return false;
    target = std::move(matrix);
    return true;
}

bool GxGraphics::ResetTransform() { return GxCall(GdipResetWorldTransform, NativeGraphics()); }

bool GxGraphics::MultiplyTransform(const GxMatrix& matrix, MatrixOrder order) {
    return GxCall(GdipMultiplyWorldTransform, NativeGraphics(), matrix.NativeMatrix(), order);
}

bool GxGraphics::TranslateTransform(float dx, float dy, MatrixOrder order) {
    return GxCall(GdipTranslateWorldTransform, NativeGraphics(), dx, dy, order);
}

bool GxGraphics::ScaleTransform(float sx, float sy, MatrixOrder order) {
    return GxCall(GdipScaleWorldTransform, NativeGraphics(), sx, sy, order);
}

bool GxGraphics::ScaleTransformAt(float sx, float sy, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(NativeGraphics(), GdipTranslateWorldTransform, centre, order, GdipScaleWorldTransform, sx, sy);
}

bool GxGraphics::RotateTransform(float angle, MatrixOrder order) {
    return GxCall(GdipRotateWorldTransform, NativeGraphics(), angle, order);
}

bool GxGraphics::RotateTransformAt(float angle, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(NativeGraphics(), GdipTranslateWorldTransform, centre, order, GdipRotateWorldTransform, angle);
}

bool GxGraphics::SetPageUnit(Unit unit) { return GxCall(GdipSetPageUnit, NativeGraphics(), unit); }

Unit GxGraphics::GetPageUnit() const { return GxGet<Unit>(GdipGetPageUnit, NativeGraphics()); }

bool GxGraphics::SetPageScale(float scale) { return GxCall(GdipSetPageScale, NativeGraphics(), scale); }

float GxGraphics::GetPageScale() const { return GxGet<REAL>(GdipGetPageScale, NativeGraphics()); }

float GxGraphics::GetDpiX() const { return GxGet<REAL>(GdipGetDpiX, NativeGraphics()); }

float GxGraphics::GetDpiY() const { return GxGet<REAL>(GdipGetDpiY, NativeGraphics()); }

bool GxGraphics::TransformPoints(CoordinateSpace destination, CoordinateSpace source,
                                 std::vector<GxPointF>& points) const {
    return GxCall(GdipTransformPoints, NativeGraphics(), destination, source, points.data(), CountOf(points));
}

bool GxGraphics::TransformPointsI(CoordinateSpace destination, CoordinateSpace source,
                                  std::vector<GxPoint>& points) const {
    return GxCall(GdipTransformPointsI, NativeGraphics(), destination, source, points.data(), CountOf(points));
}

GxArgb GxGraphics::GetNearestColor(GxArgb color) const {
    GxCall(GdipGetNearestColor, NativeGraphics(), &color);
    return color;
}

bool GxGraphics::DrawLine(const GxPen& pen, float x1, float y1, float x2, float y2) {
    return GxCall(GdipDrawLine, NativeGraphics(), pen.NativePen(), x1, y1, x2, y2);
}

bool GxGraphics::DrawLineI(const GxPen& pen, int x1, int y1, int x2, int y2) {
    return GxCall(GdipDrawLineI, NativeGraphics(), pen.NativePen(), x1, y1, x2, y2);
}

bool GxGraphics::DrawLines(const GxPen& pen, const std::vector<GxPointF>& points) {
    return GxCall(GdipDrawLines, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawLinesI(const GxPen& pen, const std::vector<GxPoint>& points) {
    return GxCall(GdipDrawLinesI, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawArc(const GxPen& pen, float x, float y, float width, float height, float startAngle,
                         float sweepAngle) {
    return GxCall(GdipDrawArc, NativeGraphics(), pen.NativePen(), x, y, width, height, startAngle, sweepAngle);
}

bool GxGraphics::DrawArcI(const GxPen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return GxCall(GdipDrawArcI, NativeGraphics(), pen.NativePen(), x, y, width, height, startAngle, sweepAngle);
}

bool GxGraphics::DrawBezier(const GxPen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                            float y4) {
    return GxCall(GdipDrawBezier, NativeGraphics(), pen.NativePen(), x1, y1, x2, y2, x3, y3, x4, y4);
}

bool GxGraphics::DrawBezierI(const GxPen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return GxCall(GdipDrawBezierI, NativeGraphics(), pen.NativePen(), x1, y1, x2, y2, x3, y3, x4, y4);
}

bool GxGraphics::DrawBeziers(const GxPen& pen, const std::vector<GxPointF>& points) {
    return GxCall(GdipDrawBeziers, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawBeziersI(const GxPen& pen, const std::vector<GxPoint>& points) {
    return GxCall(GdipDrawBeziersI, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawRectangle(const GxPen& pen, float x, float y, float width, float height) {
    return GxCall(GdipDrawRectangle, NativeGraphics(), pen.NativePen(), x, y, width, height);
}

bool GxGraphics::DrawRectangleI(const GxPen& pen, int x, int y, int width, int height) {
    return GxCall(GdipDrawRectangleI, NativeGraphics(), pen.NativePen(), x, y, width, height);
}

bool GxGraphics::DrawRectangles(const GxPen& pen, const std::vector<GxRectF>& rects) {
    return GxCall(GdipDrawRectangles, NativeGraphics(), pen.NativePen(), rects.data(), CountOf(rects));
}

bool GxGraphics::DrawRectanglesI(const GxPen& pen, const std::vector<GxRect>& rects) {
    return GxCall(GdipDrawRectanglesI, NativeGraphics(), pen.NativePen(), rects.data(), CountOf(rects));
}

bool GxGraphics::DrawEllipse(const GxPen& pen, float x, float y, float width, float height) {
    return GxCall(GdipDrawEllipse, NativeGraphics(), pen.NativePen(), x, y, width, height);
}

bool GxGraphics::DrawEllipseI(const GxPen& pen, int x, int y, int width, int height) {
    return GxCall(GdipDrawEllipseI, NativeGraphics(), pen.NativePen(), x, y, width, height);
}

bool GxGraphics::DrawPie(const GxPen& pen, float x, float y, float width, float height, float startAngle,
                         float sweepAngle) {
    return GxCall(GdipDrawPie, NativeGraphics(), pen.NativePen(), x, y, width, height, startAngle, sweepAngle);
}

bool GxGraphics::DrawPieI(const GxPen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return GxCall(GdipDrawPieI, NativeGraphics(), pen.NativePen(), x, y, width, height, startAngle, sweepAngle);
}

bool GxGraphics::DrawPolygon(const GxPen& pen, const std::vector<GxPointF>& points) {
    return GxCall(GdipDrawPolygon, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawPolygonI(const GxPen& pen, const std::vector<GxPoint>& points) {
    return GxCall(GdipDrawPolygonI, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawPath(const GxPen& pen, const GxPath& path) {
    return GxCall(GdipDrawPath, NativeGraphics(), pen.NativePen(), path.NativePath());
}

bool GxGraphics::DrawCurve(const GxPen& pen, const std::vector<GxPointF>& points) {
    return GxCall(GdipDrawCurve, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawCurveI(const GxPen& pen, const std::vector<GxPoint>& points) {
    return GxCall(GdipDrawCurveI, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawCurve2(const GxPen& pen, const std::vector<GxPointF>& points, float tension) {
    return GxCall(GdipDrawCurve2, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points), tension);
}

bool GxGraphics::DrawCurve2I(const GxPen& pen, const std::vector<GxPoint>& points, float tension) {
    return GxCall(GdipDrawCurve2I, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points), tension);
}

bool GxGraphics::DrawCurve3(const GxPen& pen, const std::vector<GxPointF>& points, int offset, int segments,
                            float tension) {
    return GxCall(GdipDrawCurve3, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points), offset, segments,
                  tension);
}

bool GxGraphics::DrawCurve3I(const GxPen& pen, const std::vector<GxPoint>& points, int offset, int segments,
                             float tension) {
    return GxCall(GdipDrawCurve3I, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points), offset, segments,
                  tension);
}

bool GxGraphics::DrawClosedCurve(const GxPen& pen, const std::vector<GxPointF>& points) {
    return GxCall(GdipDrawClosedCurve, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawClosedCurveI(const GxPen& pen, const std::vector<GxPoint>& points) {
    return GxCall(GdipDrawClosedCurveI, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points));
}

bool GxGraphics::DrawClosedCurve2(const GxPen& pen, const std::vector<GxPointF>& points, float tension) {
    return GxCall(GdipDrawClosedCurve2, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points), tension);
}

bool GxGraphics::DrawClosedCurve2I(const GxPen& pen, const std::vector<GxPoint>& points, float tension) {
    return GxCall(GdipDrawClosedCurve2I, NativeGraphics(), pen.NativePen(), points.data(), CountOf(points), tension);
}

bool GxGraphics::Clear(GxArgb color) { return GxCall(GdipGraphicsClear, NativeGraphics(), color); }

bool GxGraphics::FillRectangle(const GxBrush& brush, float x, float y, float width, float height) {
    return GxCall(GdipFillRectangle, NativeGraphics(), brush.NativeBrush(), x, y, width, height);
}

bool GxGraphics::FillRectangleF(const GxBrush& brush, const GxRectF& rect) {
    return GxCall(GdipFillRectangle, NativeGraphics(), brush.NativeBrush(), rect.X, rect.Y, rect.Width, rect.Height);
}

bool GxGraphics::FillRectangleI(const GxBrush& brush, int x, int y, int width, int height) {
    return GxCall(GdipFillRectangleI, NativeGraphics(), brush.NativeBrush(), x, y, width, height);
}

bool GxGraphics::FillRectangles(const GxBrush& brush, const std::vector<GxRectF>& rects) {
    return GxCall(GdipFillRectangles, NativeGraphics(), brush.NativeBrush(), rects.data(), CountOf(rects));
}

bool GxGraphics::FillRectanglesI(const GxBrush& brush, const std::vector<GxRect>& rects) {
    return GxCall(GdipFillRectanglesI, NativeGraphics(), brush.NativeBrush(), rects.data(), CountOf(rects));
}

bool GxGraphics::FillPolygon(const GxBrush& brush, const std::vector<GxPointF>& points, FillMode fillMode) {
    return GxCall(GdipFillPolygon, NativeGraphics(), brush.NativeBrush(), points.data(), CountOf(points), fillMode);
}

bool GxGraphics::FillPolygonI(const GxBrush& brush, const std::vector<GxPoint>& points, FillMode fillMode) {
    return GxCall(GdipFillPolygonI, NativeGraphics(), brush.NativeBrush(), points.data(), CountOf(points), fillMode);
}

bool GxGraphics::FillEllipse(const GxBrush& brush, float x, float y, float width, float height) {
    return GxCall(GdipFillEllipse, NativeGraphics(), brush.NativeBrush(), x, y, width, height);
}

bool GxGraphics::FillEllipseI(const GxBrush& brush, int x, int y, int width, int height) {
    return GxCall(GdipFillEllipseI, NativeGraphics(), brush.NativeBrush(), x, y, width, height);
}

bool GxGraphics::FillPie(const GxBrush& brush, float x, float y, float width, float height, float startAngle,
                         float sweepAngle) {
    return GxCall(GdipFillPie, NativeGraphics(), brush.NativeBrush(), x, y, width, height, startAngle, sweepAngle);
}

bool GxGraphics::FillPieI(const GxBrush& brush, int x, int y, int width, int height, float startAngle,
                          float sweepAngle) {
    return GxCall(GdipFillPieI, NativeGraphics(), brush.NativeBrush(), x, y, width, height, startAngle, sweepAngle);
}

bool GxGraphics::FillPath(const GxBrush& brush, const GxPath& path) {
    return GxCall(GdipFillPath, NativeGraphics(), brush.NativeBrush(), path.NativePath());
}

bool GxGraphics::FillClosedCurve(const GxBrush& brush, const std::vector<GxPointF>& points) {
    return GxCall(GdipFillClosedCurve, NativeGraphics(), brush.NativeBrush(), points.data(), CountOf(points));
}

bool GxGraphics::FillClosedCurve2(const GxBrush& brush, const std::vector<GxPointF>& points, float tension,
                                  FillMode fillMode) {
    return GxCall(GdipFillClosedCurve2, NativeGraphics(), brush.NativeBrush(), points.data(), CountOf(points), tension,
                  fillMode);
}

bool GxGraphics::FillClosedCurveI(const GxBrush& brush, const std::vector<GxPoint>& points) {
    return GxCall(GdipFillClosedCurveI, NativeGraphics(), brush.NativeBrush(), points.data(), CountOf(points));
}

bool GxGraphics::FillClosedCurve2I(const GxBrush& brush, const std::vector<GxPoint>& points, float tension,
                                   FillMode fillMode) {
    return GxCall(GdipFillClosedCurve2I, NativeGraphics(), brush.NativeBrush(), points.data(), CountOf(points), tension,
                  fillMode);
}

bool GxGraphics::FillRegion(const GxBrush& brush, const GxRegion& region) {
    return GxCall(GdipFillRegion, NativeGraphics(), brush.NativeBrush(), region.NativeRegion());
}

namespace {

// Text handed to GDI+ is cut at this many characters. No control of this
// program shows more than a few hundred on one line, and the platform's text
// layout slows down with the square of the length: a caption of 100 000
// characters (a hand-edited data file) took minutes per paint.
constexpr int kMaxDrawnTextLength = 1024;

int DrawnLength(const std::wstring& text) {
    int length = ::lstrlenW(text.c_str());
    if (length <= kMaxDrawnTextLength) return length;
    length = kMaxDrawnTextLength;
    // Never end between the two halves of a surrogate pair.
    if (IS_HIGH_SURROGATE(text[static_cast<std::size_t>(length - 1)])) --length;
    return length;
}

}  // namespace

bool GxGraphics::DrawString(const std::wstring& text, const GxFont& font, const GxBrush& brush, const GxRectF& layout,
                            const GxStringFormat& format) {
    return GxCall(GdipDrawString, NativeGraphics(), text.c_str(), DrawnLength(text), font.NativeFont(), &layout,
                  format.NativeFormat(), brush.NativeBrush());
}

bool GxGraphics::DrawStringW(const Bytes& utf16Text, const GxFont& font, const GxBrush& brush, const GxRectF& layout,
                             const GxStringFormat& format) {
    return DrawString(GxWideFromBytes(utf16Text), font, brush, layout, format);
}

bool GxGraphics::MeasureString(const std::wstring& text, const GxFont& font, const GxRectF& layout,
                               const GxStringFormat& format, GxRectF& bounds) const {
    return GxCall(GdipMeasureString, NativeGraphics(), text.c_str(), DrawnLength(text), font.NativeFont(),
                  &layout, format.NativeFormat(), &bounds, nullptr, nullptr);
}

bool GxGraphics::MeasureStringW(const Bytes& utf16Text, const GxFont& font, const GxRectF& layout,
                                const GxStringFormat& format, GxRectF& bounds) const {
    return MeasureString(GxWideFromBytes(utf16Text), font, layout, format, bounds);
}

bool GxGraphics::MeasureCharacterRanges(const std::wstring& text, const GxFont& font, const GxRectF& layout,
                                        const GxStringFormat& format, int regionCount,
                                        std::vector<GxRegion>& regions) const {
    regions.clear();
    if (regionCount < 1) {
        gxLastStatus = InvalidParameter;
        return false;
    }
    std::vector<GxRegion> made(static_cast<std::size_t>(regionCount));
    std::vector<GpRegion*> natives;
    natives.reserve(made.size());
    for (GxRegion& region : made) {
        if (!region.Create()) return false;
        natives.push_back(region.NativeRegion());
    }
    if (!GxCall(GdipMeasureCharacterRanges, NativeGraphics(), text.c_str(), ::lstrlenW(text.c_str()), font.NativeFont(),
                layout, format.NativeFormat(), regionCount, natives.data()))
        return false;
    regions = std::move(made);
    return true;
}

bool GxGraphics::MeasureCharacterRangesW(const Bytes& utf16Text, const GxFont& font, const GxRectF& layout,
                                         const GxStringFormat& format, int regionCount,
                                         std::vector<GxRegion>& regions) const {
    return MeasureCharacterRanges(GxWideFromBytes(utf16Text), font, layout, format, regionCount, regions);
}

bool GxGraphics::DrawDriverString(const std::wstring& text, const GxFont& font, const GxBrush& brush,
                                  const std::vector<GxPointF>& positions, int flags, const GxMatrix* matrix) {
    return GxCall(GdipDrawDriverString, NativeGraphics(), Utf16(text), ::lstrlenW(text.c_str()), font.NativeFont(),
                  brush.NativeBrush(), positions.data(), flags, matrix ? matrix->NativeMatrix() : nullptr);
}

bool GxGraphics::DrawDriverStringW(const Bytes& utf16Text, const GxFont& font, const GxBrush& brush,
                                   const std::vector<GxPointF>& positions, int flags, const GxMatrix* matrix) {
    return DrawDriverString(GxWideFromBytes(utf16Text), font, brush, positions, flags, matrix);
}

bool GxGraphics::SetTextContrast(unsigned contrast) { return GxCall(GdipSetTextContrast, NativeGraphics(), contrast); }

unsigned GxGraphics::GetTextContrast() const { return GxGet<UINT>(GdipGetTextContrast, NativeGraphics()); }

bool GxGraphics::DrawImage(const GxImage& image, float x, float y) {
    return GxCall(GdipDrawImage, NativeGraphics(), image.NativeImage(), x, y);
}

bool GxGraphics::DrawImageI(const GxImage& image, int x, int y) {
    return GxCall(GdipDrawImageI, NativeGraphics(), image.NativeImage(), x, y);
}

bool GxGraphics::DrawCachedBitmap(const GxCachedBitmap& cached, float x, float y) {
    return GxCall(GdipDrawCachedBitmap, NativeGraphics(), cached.NativeCached(), static_cast<INT>(x),
                  static_cast<INT>(y));
}

bool GxGraphics::DrawImageRect(const GxImage& image, float x, float y, float width, float height, Unit unit) {
    // The source is the whole image: GDI+ scales it into the rectangle.
    const float sourceWidth = static_cast<float>(image.GetWidth());
    const float sourceHeight = static_cast<float>(image.GetHeight());
    return GxCall(GdipDrawImageRectRect, NativeGraphics(), image.NativeImage(), x, y, width, height, 0.0f, 0.0f,
                  sourceWidth, sourceHeight, unit, nullptr, nullptr, nullptr);
}

bool GxGraphics::DrawImageRectI(const GxImage& image, int x, int y, int width, int height, Unit unit) {
    const int sourceWidth = image.GetWidth();
    const int sourceHeight = image.GetHeight();
    return GxCall(GdipDrawImageRectRectI, NativeGraphics(), image.NativeImage(), x, y, width, height, 0, 0, sourceWidth,
                  sourceHeight, unit, nullptr, nullptr, nullptr);
}

bool GxGraphics::DrawImagePoints(const GxImage& image, const std::array<GxPointF, 3>& destination) {
    return GxCall(GdipDrawImagePoints, NativeGraphics(), image.NativeImage(), destination.data(), 3);
}

bool GxGraphics::DrawImagePointsI(const GxImage& image, const std::array<GxPoint, 3>& destination) {
    return GxCall(GdipDrawImagePointsI, NativeGraphics(), image.NativeImage(), destination.data(), 3);
}

bool GxGraphics::DrawImagePointRect(const GxImage& image, float x, float y, float srcX, float srcY, float srcWidth,
                                    float srcHeight, Unit unit) {
    return GxCall(GdipDrawImagePointRect, NativeGraphics(), image.NativeImage(), x, y, srcX, srcY, srcWidth, srcHeight,
                  unit);
}

bool GxGraphics::DrawImagePointRectI(const GxImage& image, int x, int y, int srcX, int srcY, int srcWidth,
                                     int srcHeight, Unit unit) {
    return GxCall(GdipDrawImagePointRectI, NativeGraphics(), image.NativeImage(), x, y, srcX, srcY, srcWidth, srcHeight,
                  unit);
}

bool GxGraphics::DrawImageRectRect(const GxImage& image, float x, float y, float width, float height, float srcX,
                                   float srcY, float srcWidth, float srcHeight, Unit unit,
                                   const GxImageAttributes* attributes) {
    return GxCall(GdipDrawImageRectRect, NativeGraphics(), image.NativeImage(), x, y, width, height, srcX, srcY,
                  srcWidth, srcHeight, unit, AttributesOf(attributes), nullptr, nullptr);
}

bool GxGraphics::DrawImageRectRectI(const GxImage& image, int x, int y, int width, int height, int srcX, int srcY,
                                    int srcWidth, int srcHeight, Unit unit, const GxImageAttributes* attributes) {
    return GxCall(GdipDrawImageRectRectI, NativeGraphics(), image.NativeImage(), x, y, width, height, srcX, srcY,
                  srcWidth, srcHeight, unit, AttributesOf(attributes), nullptr, nullptr);
}

bool GxGraphics::DrawImagePointsRect(const GxImage& image, const std::array<GxPointF, 3>& destination, float srcX,
                                     float srcY, float srcWidth, float srcHeight, Unit unit,
                                     const GxImageAttributes* attributes) {
    return GxCall(GdipDrawImagePointsRect, NativeGraphics(), image.NativeImage(), destination.data(), 3, srcX, srcY,
                  srcWidth, srcHeight, unit, AttributesOf(attributes), nullptr, nullptr);
}

bool GxGraphics::DrawImagePointsRectI(const GxImage& image, const std::array<GxPoint, 3>& destination, int srcX,
                                      int srcY, int srcWidth, int srcHeight, Unit unit,
                                      const GxImageAttributes* attributes) {
    return GxCall(GdipDrawImagePointsRectI, NativeGraphics(), image.NativeImage(), destination.data(), 3, srcX, srcY,
                  srcWidth, srcHeight, unit, AttributesOf(attributes), nullptr, nullptr);
}

bool GxGraphics::EnumerateMetafileDestPoint(const GxImage& metafile, const GxPointF& destination,
                                            EnumerateMetafileProc callback, void* callbackData,
                                            const GxImageAttributes* attributes) {
    return GxCall(GdipEnumerateMetafileDestPoint, NativeGraphics(), MetafileOf(metafile), destination, callback,
                  callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileDestPointI(const GxImage& metafile, const GxPoint& destination,
                                             EnumerateMetafileProc callback, void* callbackData,
                                             const GxImageAttributes* attributes) {
    return GxCall(GdipEnumerateMetafileDestPointI, NativeGraphics(), MetafileOf(metafile), destination, callback,
                  callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileDestPoints(const GxImage& metafile, const std::vector<GxPointF>& destination,
                                             EnumerateMetafileProc callback, void* callbackData,
                                             const GxImageAttributes* attributes) {
    if (GxSkipUnimplementedStub("GdipEnumerateMetafileDestPoints")) return false;
    return GxCall(GdipEnumerateMetafileDestPoints, NativeGraphics(), MetafileOf(metafile), destination.data(),
                  CountOf(destination), callback, callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileDestPointsI(const GxImage& metafile, const std::vector<GxPoint>& destination,
                                              EnumerateMetafileProc callback, void* callbackData,
                                              const GxImageAttributes* attributes) {
    if (GxSkipUnimplementedStub("GdipEnumerateMetafileDestPointsI")) return false;
    return GxCall(GdipEnumerateMetafileDestPointsI, NativeGraphics(), MetafileOf(metafile), destination.data(),
                  CountOf(destination), callback, callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileDestRect(const GxImage& metafile, const GxRectF& destination,
                                           EnumerateMetafileProc callback, void* callbackData,
                                           const GxImageAttributes* attributes) {
    return GxCall(GdipEnumerateMetafileDestRect, NativeGraphics(), MetafileOf(metafile), destination, callback,
                  callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileDestRectI(const GxImage& metafile, const GxRect& destination,
                                            EnumerateMetafileProc callback, void* callbackData,
                                            const GxImageAttributes* attributes) {
    return GxCall(GdipEnumerateMetafileDestRectI, NativeGraphics(), MetafileOf(metafile), destination, callback,
                  callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileSrcRectDestPoint(const GxImage& metafile, const GxPointF& destination,
                                                   const GxRectF& source, Unit sourceUnit,
                                                   EnumerateMetafileProc callback, void* callbackData,
                                                   const GxImageAttributes* attributes) {
    if (GxSkipUnimplementedStub("GdipEnumerateMetafileSrcRectDestPoint")) return false;
    return GxCall(GdipEnumerateMetafileSrcRectDestPoint, NativeGraphics(), MetafileOf(metafile), destination, source,
                  sourceUnit, callback, callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileSrcRectDestPointI(const GxImage& metafile, const GxPoint& destination,
                                                    const GxRect& source, Unit sourceUnit,
                                                    EnumerateMetafileProc callback, void* callbackData,
                                                    const GxImageAttributes* attributes) {
    if (GxSkipUnimplementedStub("GdipEnumerateMetafileSrcRectDestPointI")) return false;
    return GxCall(GdipEnumerateMetafileSrcRectDestPointI, NativeGraphics(), MetafileOf(metafile), destination, source,
                  sourceUnit, callback, callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileSrcRectDestPoints(const GxImage& metafile, const std::vector<GxPointF>& destination,
                                                    const GxRectF& source, Unit sourceUnit,
                                                    EnumerateMetafileProc callback, void* callbackData,
                                                    const GxImageAttributes* attributes) {
    return GxCall(GdipEnumerateMetafileSrcRectDestPoints, NativeGraphics(), MetafileOf(metafile), destination.data(),
                  CountOf(destination), source, sourceUnit, callback, callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileSrcRectDestPointsI(const GxImage& metafile, const std::vector<GxPoint>& destination,
                                                     const GxRect& source, Unit sourceUnit,
                                                     EnumerateMetafileProc callback, void* callbackData,
                                                     const GxImageAttributes* attributes) {
    if (GxSkipUnimplementedStub("GdipEnumerateMetafileSrcRectDestPointsI")) return false;
    return GxCall(GdipEnumerateMetafileSrcRectDestPointsI, NativeGraphics(), MetafileOf(metafile), destination.data(),
                  CountOf(destination), source, sourceUnit, callback, callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileSrcRectDestRect(const GxImage& metafile, const GxRectF& destination,
                                                  const GxRectF& source, Unit sourceUnit,
                                                  EnumerateMetafileProc callback, void* callbackData,
                                                  const GxImageAttributes* attributes) {
    return GxCall(GdipEnumerateMetafileSrcRectDestRect, NativeGraphics(), MetafileOf(metafile), destination, source,
                  sourceUnit, callback, callbackData, AttributesOf(attributes));
}

bool GxGraphics::EnumerateMetafileSrcRectDestRectI(const GxImage& metafile, const GxRect& destination,
                                                   const GxRect& source, Unit sourceUnit,
                                                   EnumerateMetafileProc callback, void* callbackData,
                                                   const GxImageAttributes* attributes) {
    return GxCall(GdipEnumerateMetafileSrcRectDestRectI, NativeGraphics(), MetafileOf(metafile), destination, source,
                  sourceUnit, callback, callbackData, AttributesOf(attributes));
}

bool GxGraphics::SetClipGraphics(const GxGraphics& source, CombineMode mode) {
    return GxCall(GdipSetClipGraphics, NativeGraphics(), source.NativeGraphics(), mode);
}

bool GxGraphics::SetClipPath(const GxPath& path, CombineMode mode) {
    return GxCall(GdipSetClipPath, NativeGraphics(), path.NativePath(), mode);
}

bool GxGraphics::SetClipRect(float x, float y, float width, float height, CombineMode mode) {
    return GxCall(GdipSetClipRect, NativeGraphics(), x, y, width, height, mode);
}

bool GxGraphics::SetClipRectI(int x, int y, int width, int height, CombineMode mode) {
    return GxCall(GdipSetClipRectI, NativeGraphics(), x, y, width, height, mode);
}

bool GxGraphics::SetClipRegion(const GxRegion& region, CombineMode mode) {
    return GxCall(GdipSetClipRegion, NativeGraphics(), region.NativeRegion(), mode);
}

bool GxGraphics::SetClipHrgn(HRGN region, CombineMode mode) {
    return GxCall(GdipSetClipHrgn, NativeGraphics(), region, mode);
}

bool GxGraphics::ResetClip() { return GxCall(GdipResetClip, NativeGraphics()); }

bool GxGraphics::TranslateClip(float dx, float dy) { return GxCall(GdipTranslateClip, NativeGraphics(), dx, dy); }

bool GxGraphics::TranslateClipI(int dx, int dy) { return GxCall(GdipTranslateClipI, NativeGraphics(), dx, dy); }

bool GxGraphics::GetClip(GxRegion& target) const {
    GxRegion region;
    if (!region.Create() || !GxCall(GdipGetClip, NativeGraphics(), region.NativeRegion())) return false;
    target = std::move(region);
    return true;
}

GxRectF GxGraphics::GetClipBounds() const { return GxGet<GxRectF>(GdipGetClipBounds, NativeGraphics()); }

GxRect GxGraphics::GetClipBoundsI() const { return GxGet<GxRect>(GdipGetClipBoundsI, NativeGraphics()); }

GxRectF GxGraphics::GetVisibleClipBounds() const { return GxGet<GxRectF>(GdipGetVisibleClipBounds, NativeGraphics()); }

GxRect GxGraphics::GetVisibleClipBoundsI() const { return GxGet<GxRect>(GdipGetVisibleClipBoundsI, NativeGraphics()); }

bool GxGraphics::IsClipEmpty() const { return GxGet<BOOL>(GdipIsClipEmpty, NativeGraphics()) != FALSE; }

bool GxGraphics::IsVisibleClipEmpty() const { return GxGet<BOOL>(GdipIsVisibleClipEmpty, NativeGraphics()) != FALSE; }

bool GxGraphics::IsVisiblePoint(float x, float y) const {
    return GxGet<BOOL>(GdipIsVisiblePoint, NativeGraphics(), x, y) != FALSE;
}

bool GxGraphics::IsVisiblePointI(int x, int y) const {
    return GxGet<BOOL>(GdipIsVisiblePointI, NativeGraphics(), x, y) != FALSE;
}

bool GxGraphics::IsVisibleRect(float x, float y, float width, float height) const {
    return GxGet<BOOL>(GdipIsVisibleRect, NativeGraphics(), x, y, width, height) != FALSE;
}

bool GxGraphics::IsVisibleRectI(int x, int y, int width, int height) const {
    return GxGet<BOOL>(GdipIsVisibleRectI, NativeGraphics(), x, y, width, height) != FALSE;
}

GraphicsState GxGraphics::Save() { return GxGet<GraphicsState>(GdipSaveGraphics, NativeGraphics()); }

bool GxGraphics::Restore(GraphicsState state) { return GxCall(GdipRestoreGraphics, NativeGraphics(), state); }

GraphicsContainer GxGraphics::BeginContainer(const GxRectF& destination, const GxRectF& source, Unit unit) {
    return GxGet<GraphicsContainer>(GdipBeginContainer, NativeGraphics(), &destination, &source, unit);
}

GraphicsContainer GxGraphics::BeginContainerI(const GxRect& destination, const GxRect& source, Unit unit) {
    return GxGet<GraphicsContainer>(GdipBeginContainerI, NativeGraphics(), &destination, &source, unit);
}

GraphicsContainer GxGraphics::BeginContainerPlain() {
    return GxGet<GraphicsContainer>(GdipBeginContainer2, NativeGraphics());
}

bool GxGraphics::EndContainer(GraphicsContainer container) {
    return GxCall(GdipEndContainer, NativeGraphics(), container);
}

bool GxGraphics::AddComment(const Bytes& data) {
    return GxCall(GdipComment, NativeGraphics(), static_cast<UINT>(data.size()), data.data());
}

}  // namespace pelorin
