#include "graphics/gx_path.h"

#include <algorithm>

#include "graphics/gx_font.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_matrix.h"
#include "graphics/gx_pen.h"
#include "graphics/gx_string_format.h"
#include "graphics/gx_text.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleasePath(void* path) noexcept { GdipDeletePath(static_cast<GpPath*>(path)); }

GpMatrix* MatrixOf(const GxMatrix* matrix) { return matrix ? matrix->NativeMatrix() : nullptr; }

GpGraphics* GraphicsOf(const GxGraphics* graphics) { return graphics ? graphics->NativeGraphics() : nullptr; }

// Without a format GDI+ lays text out with its generic default format; some
// implementations refuse a null format, so that format is passed explicitly.
class FormatOrDefault {
public:
    explicit FormatOrDefault(const GxStringFormat* format) : format_(format) {
        if (!format_ && fallback_.GetGenericDefault()) format_ = &fallback_;
    }
    GpStringFormat* Get() const { return format_ ? format_->NativeFormat() : nullptr; }

private:
    GxStringFormat fallback_;
    const GxStringFormat* format_;
};

// The record GdipGetPathData fills (the C++ headers only declare it opaquely).
struct PathDataRecord {
    INT Count;
    GxPointF* Points;
    BYTE* Types;
};

// Reads `count` items with one getter taking (path, buffer, count).
template <typename T, typename Fn>
bool ReadPathArray(GpPath* path, Fn fn, std::vector<T>& out) {
    out.clear();
    const INT count = GxGet<INT>(GdipGetPointCount, path);
    if (gxLastStatus != Ok) return false;
    std::vector<T> items(static_cast<std::size_t>(std::max(count, 0)));
    if (count > 0 && !GxCall(fn, path, items.data(), count)) return false;
    out = std::move(items);
    return true;
}

}  // namespace

GxPath::GxPath() noexcept : GxObject(&ReleasePath) {}

bool GxPath::Dispose() { return DisposeWith<GpPath>(GdipDeletePath); }

bool GxPath::Create(FillMode fillMode) { return CreateWith<GpPath>(GdipCreatePath, fillMode); }

bool GxPath::Create2(const std::vector<GxPointF>& points, const std::vector<BYTE>& types, FillMode fillMode) {
    Clear();
    if (points.size() != types.size()) {
        gxLastStatus = InvalidParameter;
        return false;
    }
    GpPath* path = nullptr;
    if (!GxCall(GdipCreatePath2, points.data(), types.data(), CountOf(points), fillMode, &path)) return false;
    SetNativeHandle(path);
    return true;
}

bool GxPath::Create2I(const std::vector<GxPoint>& points, const std::vector<BYTE>& types, FillMode fillMode) {
    Clear();
    if (points.size() != types.size()) {
        gxLastStatus = InvalidParameter;
        return false;
    }
    GpPath* path = nullptr;
    if (!GxCall(GdipCreatePath2I, points.data(), types.data(), CountOf(points), fillMode, &path)) return false;
    SetNativeHandle(path);
    return true;
}

bool GxPath::Clone(GxPath& target) const {
    GpPath* copy = nullptr;
    if (!GxCall(GdipClonePath, NativePath(), &copy)) return false;
    target.Attach(copy);
    return true;
}

bool GxPath::Reset() { return GxCall(GdipResetPath, NativePath()); }

FillMode GxPath::GetFillMode() const { return GxGet<FillMode>(GdipGetPathFillMode, NativePath()); }

bool GxPath::SetFillMode(FillMode fillMode) { return GxCall(GdipSetPathFillMode, NativePath(), fillMode); }

bool GxPath::GetData(std::vector<GxPointF>& points, std::vector<BYTE>& types) const {
    points.clear();
    types.clear();
    const INT count = GxGet<INT>(GdipGetPointCount, NativePath());
    if (gxLastStatus != Ok) return false;
    std::vector<GxPointF> pointBuffer(static_cast<std::size_t>(std::max(count, 0)));
    std::vector<BYTE> typeBuffer(pointBuffer.size());
    PathDataRecord record{count, pointBuffer.data(), typeBuffer.data()};
    if (count > 0 && !GxCall(GdipGetPathData, NativePath(), reinterpret_cast<GpPathData*>(&record))) return false;
    points = std::move(pointBuffer);
    types = std::move(typeBuffer);
    return true;
}

bool GxPath::GetTypes(std::vector<BYTE>& out) const { return ReadPathArray(NativePath(), GdipGetPathTypes, out); }

bool GxPath::GetPoints(std::vector<GxPointF>& out) const { return ReadPathArray(NativePath(), GdipGetPathPoints, out); }

bool GxPath::GetPointsI(std::vector<GxPoint>& out) const {
    return ReadPathArray(NativePath(), GdipGetPathPointsI, out);
}

bool GxPath::StartFigure() { return GxCall(GdipStartPathFigure, NativePath()); }

bool GxPath::CloseFigure() { return GxCall(GdipClosePathFigure, NativePath()); }

bool GxPath::CloseFigures() { return GxCall(GdipClosePathFigures, NativePath()); }

bool GxPath::SetMarker() { return GxCall(GdipSetPathMarker, NativePath()); }

bool GxPath::ClearMarkers() { return GxCall(GdipClearPathMarkers, NativePath()); }

bool GxPath::Reverse() { return GxCall(GdipReversePath, NativePath()); }

GxPointF GxPath::GetLastPoint() const { return GxGet<GxPointF>(GdipGetPathLastPoint, NativePath()); }

bool GxPath::AddLine(float x1, float y1, float x2, float y2) {
    return GxCall(GdipAddPathLine, NativePath(), x1, y1, x2, y2);
}

bool GxPath::AddLineI(int x1, int y1, int x2, int y2) { return GxCall(GdipAddPathLineI, NativePath(), x1, y1, x2, y2); }

bool GxPath::AddLine2(const std::vector<GxPointF>& points) {
    return GxCall(GdipAddPathLine2, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddLine2I(const std::vector<GxPoint>& points) {
    return GxCall(GdipAddPathLine2I, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return GxCall(GdipAddPathArc, NativePath(), x, y, width, height, startAngle, sweepAngle);
}

bool GxPath::AddArcI(int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return GxCall(GdipAddPathArcI, NativePath(), x, y, width, height, startAngle, sweepAngle);
}

bool GxPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
    return GxCall(GdipAddPathBezier, NativePath(), x1, y1, x2, y2, x3, y3, x4, y4);
}

bool GxPath::AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return GxCall(GdipAddPathBezierI, NativePath(), x1, y1, x2, y2, x3, y3, x4, y4);
}

bool GxPath::AddBeziers(const std::vector<GxPointF>& points) {
    return GxCall(GdipAddPathBeziers, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddBeziersI(const std::vector<GxPoint>& points) {
    return GxCall(GdipAddPathBeziersI, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddCurve(const std::vector<GxPointF>& points) {
    return GxCall(GdipAddPathCurve, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddCurve2(const std::vector<GxPointF>& points, float tension) {
    return GxCall(GdipAddPathCurve2, NativePath(), points.data(), CountOf(points), tension);
}

bool GxPath::AddCurve3(const std::vector<GxPointF>& points, int offset, int segments, float tension) {
    return GxCall(GdipAddPathCurve3, NativePath(), points.data(), CountOf(points), offset, segments, tension);
}

bool GxPath::AddCurveI(const std::vector<GxPoint>& points) {
    return GxCall(GdipAddPathCurveI, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddCurve2I(const std::vector<GxPoint>& points, float tension) {
    return GxCall(GdipAddPathCurve2I, NativePath(), points.data(), CountOf(points), tension);
}

bool GxPath::AddCurve3I(const std::vector<GxPoint>& points, int offset, int segments, float tension) {
    return GxCall(GdipAddPathCurve3I, NativePath(), points.data(), CountOf(points), offset, segments, tension);
}

bool GxPath::AddClosedCurve(const std::vector<GxPointF>& points) {
    return GxCall(GdipAddPathClosedCurve, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddClosedCurve2(const std::vector<GxPointF>& points, float tension) {
    return GxCall(GdipAddPathClosedCurve2, NativePath(), points.data(), CountOf(points), tension);
}

bool GxPath::AddClosedCurveI(const std::vector<GxPoint>& points) {
    return GxCall(GdipAddPathClosedCurveI, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddClosedCurve2I(const std::vector<GxPoint>& points, float tension) {
    return GxCall(GdipAddPathClosedCurve2I, NativePath(), points.data(), CountOf(points), tension);
}

bool GxPath::AddRectangle(float x, float y, float width, float height) {
    return GxCall(GdipAddPathRectangle, NativePath(), x, y, width, height);
}

bool GxPath::AddRoundRect(float x, float y, float width, float height, int roundness) {
    const int percent = std::clamp(roundness, 1, 100);
    // Whole-pixel arc boxes, as a percentage of the rectangle's size.
    const float arcWidth = static_cast<float>(static_cast<int>(width * percent / 100));
    const float arcHeight = static_cast<float>(static_cast<int>(height * percent / 100));
    return AddArc(x + width - arcWidth, y, arcWidth, arcHeight, 270, 90) &&
           AddArc(x + width - arcWidth, y + height - arcHeight, arcWidth, arcHeight, 0, 90) &&
           AddArc(x, y + height - arcHeight, arcWidth, arcHeight, 90, 90) &&
           AddArc(x, y, arcWidth, arcHeight, 180, 90) && CloseFigure();
}

bool GxPath::AddRectangles(const std::vector<GxRectF>& rects) {
    return GxCall(GdipAddPathRectangles, NativePath(), rects.data(), CountOf(rects));
}

bool GxPath::AddRectangleI(int x, int y, int width, int height) {
    return GxCall(GdipAddPathRectangleI, NativePath(), x, y, width, height);
}

bool GxPath::AddRectanglesI(const std::vector<GxRect>& rects) {
    return GxCall(GdipAddPathRectanglesI, NativePath(), rects.data(), CountOf(rects));
}

bool GxPath::AddEllipse(float x, float y, float width, float height) {
    return GxCall(GdipAddPathEllipse, NativePath(), x, y, width, height);
}

bool GxPath::AddEllipseI(int x, int y, int width, int height) {
    return GxCall(GdipAddPathEllipseI, NativePath(), x, y, width, height);
}

bool GxPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return GxCall(GdipAddPathPie, NativePath(), x, y, width, height, startAngle, sweepAngle);
}

bool GxPath::AddPieI(int x, int y, int width, int height, float startAngle, float sweepAngle) {
    return GxCall(GdipAddPathPieI, NativePath(), x, y, width, height, startAngle, sweepAngle);
}

bool GxPath::AddPolygon(const std::vector<GxPointF>& points) {
    return GxCall(GdipAddPathPolygon, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddPolygonI(const std::vector<GxPoint>& points) {
    return GxCall(GdipAddPathPolygonI, NativePath(), points.data(), CountOf(points));
}

bool GxPath::AddPath(const GxPath& other, bool connect) {
    return GxCall(GdipAddPathPath, NativePath(), other.NativePath(), connect ? TRUE : FALSE);
}

bool GxPath::AddString(const std::wstring& text, const GxFontFamily& family, float emSize, const GxRectF& layout,
                       int style, const GxStringFormat* format) {
    const FormatOrDefault layoutFormat(format);
    return GxCall(GdipAddPathString, NativePath(), text.c_str(), ::lstrlenW(text.c_str()), family.NativeFamily(), style,
                  emSize, &layout, layoutFormat.Get());
}

bool GxPath::AddStringW(const Bytes& utf16Text, const GxFontFamily& family, float emSize, const GxRectF& layout,
                        int style, const GxStringFormat* format) {
    return AddString(GxWideFromBytes(utf16Text), family, emSize, layout, style, format);
}

bool GxPath::AddStringI(const std::wstring& text, const GxFontFamily& family, float emSize, const GxRect& layout,
                        int style, const GxStringFormat* format) {
    const FormatOrDefault layoutFormat(format);
    return GxCall(GdipAddPathStringI, NativePath(), text.c_str(), ::lstrlenW(text.c_str()), family.NativeFamily(),
                  style, emSize, &layout, layoutFormat.Get());
}

bool GxPath::AddStringIW(const Bytes& utf16Text, const GxFontFamily& family, float emSize, const GxRect& layout,
                         int style, const GxStringFormat* format) {
    return AddStringI(GxWideFromBytes(utf16Text), family, emSize, layout, style, format);
}

bool GxPath::Transform(const GxMatrix& matrix) {
    return GxCall(GdipTransformPath, NativePath(), matrix.NativeMatrix());
}

bool GxPath::Flatten(const GxMatrix* matrix, float flatness) {
    return GxCall(GdipFlattenPath, NativePath(), MatrixOf(matrix), flatness);
}

bool GxPath::Widen(const GxPen& pen, const GxMatrix* matrix, float flatness) {
    return GxCall(GdipWidenPath, NativePath(), pen.NativePen(), MatrixOf(matrix), flatness);
}

bool GxPath::WindingModeOutline(const GxMatrix* matrix, float flatness) {
    return GxCall(GdipWindingModeOutline, NativePath(), MatrixOf(matrix), flatness);
}

bool GxPath::Warp(const GxMatrix* matrix, const std::vector<GxPointF>& destination, float srcX, float srcY,
                  float srcWidth, float srcHeight, WarpMode mode, float flatness) {
    return GxCall(GdipWarpPath, NativePath(), MatrixOf(matrix), destination.data(), CountOf(destination), srcX, srcY,
                  srcWidth, srcHeight, mode, flatness);
}

int GxPath::GetPointCount() const { return GxGet<INT>(GdipGetPointCount, NativePath()); }

GxRectF GxPath::GetWorldBounds(const GxMatrix* matrix, const GxPen* pen) const {
    GxRectF bounds;
    GxCall(GdipGetPathWorldBounds, NativePath(), &bounds, MatrixOf(matrix), pen ? pen->NativePen() : nullptr);
    return bounds;
}

GxRect GxPath::GetWorldBoundsI(const GxMatrix* matrix, const GxPen* pen) const {
    GxRect bounds;
    GxCall(GdipGetPathWorldBoundsI, NativePath(), &bounds, MatrixOf(matrix), pen ? pen->NativePen() : nullptr);
    return bounds;
}

bool GxPath::IsVisiblePoint(float x, float y, const GxGraphics* graphics) const {
    return GxGet<BOOL>(GdipIsVisiblePathPoint, NativePath(), x, y, GraphicsOf(graphics)) != FALSE;
}

bool GxPath::IsVisiblePointI(int x, int y, const GxGraphics* graphics) const {
    return GxGet<BOOL>(GdipIsVisiblePathPointI, NativePath(), x, y, GraphicsOf(graphics)) != FALSE;
}

bool GxPath::IsOutlineVisiblePoint(float x, float y, const GxPen& pen, const GxGraphics* graphics) const {
    return GxGet<BOOL>(GdipIsOutlineVisiblePathPoint, NativePath(), x, y, pen.NativePen(), GraphicsOf(graphics)) !=
           FALSE;
}

bool GxPath::IsOutlineVisiblePointI(int x, int y, const GxPen& pen, const GxGraphics* graphics) const {
    return GxGet<BOOL>(GdipIsOutlineVisiblePathPointI, NativePath(), x, y, pen.NativePen(), GraphicsOf(graphics)) !=
           FALSE;
}

}  // namespace pelorin
