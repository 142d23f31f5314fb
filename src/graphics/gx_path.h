#pragma once
// A GDI+ graphics path: figures of lines, arcs, curves and text outlines.

#include <string>
#include <vector>

#include "base/text.h"
#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxFontFamily;
class GxGraphics;
class GxMatrix;
class GxPen;
class GxStringFormat;

class GxPath : public GxObject {
public:
    GxPath() noexcept;
    GxPath(GxPath&&) noexcept = default;
    GxPath& operator=(GxPath&&) noexcept = default;

    bool Dispose();
    bool Create(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool Create2(const std::vector<GxPointF>& points, const std::vector<BYTE>& types,
                 Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool Create2I(const std::vector<GxPoint>& points, const std::vector<BYTE>& types,
                  Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool Clone(GxPath& target) const;
    bool Reset();
    Gdiplus::FillMode GetFillMode() const;
    bool SetFillMode(Gdiplus::FillMode fillMode);
    // Points and their types, sized by the point count.
    bool GetData(std::vector<GxPointF>& points, std::vector<BYTE>& types) const;
    bool GetTypes(std::vector<BYTE>& out) const;
    bool GetPoints(std::vector<GxPointF>& out) const;
    bool GetPointsI(std::vector<GxPoint>& out) const;
    bool StartFigure();
    bool CloseFigure();
    bool CloseFigures();
    bool SetMarker();
    bool ClearMarkers();
    bool Reverse();
    GxPointF GetLastPoint() const;
    bool AddLine(float x1, float y1, float x2, float y2);
    bool AddLineI(int x1, int y1, int x2, int y2);
    bool AddLine2(const std::vector<GxPointF>& points);
    bool AddLine2I(const std::vector<GxPoint>& points);
    bool AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddArcI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool AddBeziers(const std::vector<GxPointF>& points);
    bool AddBeziersI(const std::vector<GxPoint>& points);
    bool AddCurve(const std::vector<GxPointF>& points);
    bool AddCurve2(const std::vector<GxPointF>& points, float tension);
    bool AddCurve3(const std::vector<GxPointF>& points, int offset, int segments, float tension);
    bool AddCurveI(const std::vector<GxPoint>& points);
    bool AddCurve2I(const std::vector<GxPoint>& points, float tension);
    bool AddCurve3I(const std::vector<GxPoint>& points, int offset, int segments, float tension);
    bool AddClosedCurve(const std::vector<GxPointF>& points);
    bool AddClosedCurve2(const std::vector<GxPointF>& points, float tension);
    bool AddClosedCurveI(const std::vector<GxPoint>& points);
    bool AddClosedCurve2I(const std::vector<GxPoint>& points, float tension);
    bool AddRectangle(float x, float y, float width, float height);
    // A closed rounded rectangle; `roundness` is the corner arcs' size in
    // percent of the rectangle's size, clamped to 1..100.
    bool AddRoundRect(float x, float y, float width, float height, int roundness);
    bool AddRectangles(const std::vector<GxRectF>& rects);
    bool AddRectangleI(int x, int y, int width, int height);
    bool AddRectanglesI(const std::vector<GxRect>& rects);
    bool AddEllipse(float x, float y, float width, float height);
    bool AddEllipseI(int x, int y, int width, int height);
    bool AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddPieI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddPolygon(const std::vector<GxPointF>& points);
    bool AddPolygonI(const std::vector<GxPoint>& points);
    bool AddPath(const GxPath& other, bool connect);
    // Text outlines; without `format` GDI+ uses its default format.
    bool AddString(const std::wstring& text, const GxFontFamily& family, float emSize, const GxRectF& layout,
                   int style = Gdiplus::FontStyleRegular, const GxStringFormat* format = nullptr);
    bool AddStringW(const Bytes& utf16Text, const GxFontFamily& family, float emSize, const GxRectF& layout,
                    int style = Gdiplus::FontStyleRegular, const GxStringFormat* format = nullptr);
    bool AddStringI(const std::wstring& text, const GxFontFamily& family, float emSize, const GxRect& layout,
                    int style = Gdiplus::FontStyleRegular, const GxStringFormat* format = nullptr);
    bool AddStringIW(const Bytes& utf16Text, const GxFontFamily& family, float emSize, const GxRect& layout,
                     int style = Gdiplus::FontStyleRegular, const GxStringFormat* format = nullptr);
    bool Transform(const GxMatrix& matrix);
    // A null matrix means the identity.
    bool Flatten(const GxMatrix* matrix = nullptr, float flatness = 0.25f);
    bool Widen(const GxPen& pen, const GxMatrix* matrix = nullptr, float flatness = 0.25f);
    bool WindingModeOutline(const GxMatrix* matrix = nullptr, float flatness = 0.25f);
    bool Warp(const GxMatrix* matrix, const std::vector<GxPointF>& destination, float srcX, float srcY, float srcWidth,
              float srcHeight, Gdiplus::WarpMode mode = Gdiplus::WarpModePerspective, float flatness = 0.25f);
    int GetPointCount() const;
    GxRectF GetWorldBounds(const GxMatrix* matrix = nullptr, const GxPen* pen = nullptr) const;
    GxRect GetWorldBoundsI(const GxMatrix* matrix = nullptr, const GxPen* pen = nullptr) const;
    bool IsVisiblePoint(float x, float y, const GxGraphics* graphics = nullptr) const;
    bool IsVisiblePointI(int x, int y, const GxGraphics* graphics = nullptr) const;
    bool IsOutlineVisiblePoint(float x, float y, const GxPen& pen, const GxGraphics* graphics = nullptr) const;
    bool IsOutlineVisiblePointI(int x, int y, const GxPen& pen, const GxGraphics* graphics = nullptr) const;

    Gdiplus::GpPath* NativePath() const noexcept { return Native<Gdiplus::GpPath>(); }
};

}  // namespace pelorin
