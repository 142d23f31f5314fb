#pragma once
// A GDI+ region: an area built from rectangles and paths.

#include <vector>

#include "base/handle.h"
#include "base/text.h"
#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxGraphics;
class GxMatrix;
class GxPath;

class GxRegion : public GxObject {
public:
    GxRegion() noexcept;
    GxRegion(GxRegion&&) noexcept = default;
    GxRegion& operator=(GxRegion&&) noexcept = default;

    bool Dispose();
    // The infinite region.
    bool Create();
    bool CreateRect(const GxRectF& rect);
    bool CreateRectI(const GxRect& rect);
    bool CreatePath(const GxPath& path);
    bool CreateHrgn(HRGN region);
    bool CreateRgnData(const Bytes& data);
    bool Clone(GxRegion& target) const;
    bool SetInfinite();
    bool SetEmpty();
    bool CombineRect(const GxRectF& rect, Gdiplus::CombineMode mode);
    bool CombineRectI(const GxRect& rect, Gdiplus::CombineMode mode);
    bool CombineRegion(const GxRegion& other, Gdiplus::CombineMode mode);
    bool CombinePath(const GxPath& path, Gdiplus::CombineMode mode);
    bool Translate(float dx, float dy);
    bool TranslateI(int dx, int dy);
    bool Transform(const GxMatrix& matrix);
    GxRectF GetBounds(const GxGraphics& graphics) const;
    GxRect GetBoundsI(const GxGraphics& graphics) const;
    int GetDataSize() const;
    // The region's serialised form; empty on failure.
    Bytes GetData() const;
    // A new GDI region (owned by the caller through the wrapper).
    UniqueRegion GetHRgn(const GxGraphics& graphics) const;
    bool IsEmpty(const GxGraphics& graphics) const;
    bool IsInfinite(const GxGraphics& graphics) const;
    bool IsEqual(const GxRegion& other, const GxGraphics& graphics) const;
    bool IsVisiblePoint(float x, float y, const GxGraphics* graphics = nullptr) const;
    bool IsVisiblePointI(int x, int y, const GxGraphics* graphics = nullptr) const;
    bool IsVisibleRect(float x, float y, float width, float height, const GxGraphics* graphics = nullptr) const;
    bool IsVisibleRectI(int x, int y, int width, int height, const GxGraphics* graphics = nullptr) const;
    int GetScansCount(const GxMatrix& matrix) const;
    bool GetScans(const GxMatrix& matrix, std::vector<GxRectF>& out) const;
    bool GetScansI(const GxMatrix& matrix, std::vector<GxRect>& out) const;

    Gdiplus::GpRegion* NativeRegion() const noexcept { return Native<Gdiplus::GpRegion>(); }
};

}  // namespace pelorin
