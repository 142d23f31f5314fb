#include "graphics/gx_region.h"

#include <algorithm>

#include "graphics/gx_graphics.h"
#include "graphics/gx_matrix.h"
#include "graphics/gx_path.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseRegion(void* region) noexcept { GdipDeleteRegion(static_cast<GpRegion*>(region)); }

GpGraphics* GraphicsOf(const GxGraphics* graphics) { return graphics ? graphics->NativeGraphics() : nullptr; }

template <typename Rect, typename ListFn>
bool ReadScans(GpRegion* region, GpMatrix* matrix, ListFn listFn, std::vector<Rect>& out) {
    out.clear();
    UINT count = 0;
    if (!GxCall(GdipGetRegionScansCount, region, &count, matrix)) return false;
    std::vector<Rect> scans(count);
    INT filled = static_cast<INT>(count);
    if (count > 0 && !GxCall(listFn, region, scans.data(), &filled, matrix)) return false;
    scans.resize(static_cast<std::size_t>(std::min<INT>(std::max<INT>(filled, 0), static_cast<INT>(count))));
    out = std::move(scans);
    return true;
}

}  // namespace

GxRegion::GxRegion() noexcept : GxObject(&ReleaseRegion) {}

bool GxRegion::Dispose() { return DisposeWith<GpRegion>(GdipDeleteRegion); }

bool GxRegion::Create() { return CreateWith<GpRegion>(GdipCreateRegion); }

bool GxRegion::CreateRect(const GxRectF& rect) { return CreateWith<GpRegion>(GdipCreateRegionRect, &rect); }

bool GxRegion::CreateRectI(const GxRect& rect) { return CreateWith<GpRegion>(GdipCreateRegionRectI, &rect); }

bool GxRegion::CreatePath(const GxPath& path) { return CreateWith<GpRegion>(GdipCreateRegionPath, path.NativePath()); }

bool GxRegion::CreateHrgn(HRGN source) { return CreateWith<GpRegion>(GdipCreateRegionHrgn, source); }

bool GxRegion::CreateRgnData(const Bytes& data) {
    return CreateWith<GpRegion>(GdipCreateRegionRgnData, data.data(), static_cast<INT>(data.size()));
}

bool GxRegion::Clone(GxRegion& target) const {
    GpRegion* copy = nullptr;
    if (!GxCall(GdipCloneRegion, NativeRegion(), &copy)) return false;
    target.Attach(copy);
    return true;
}

bool GxRegion::SetInfinite() { return GxCall(GdipSetInfinite, NativeRegion()); }

bool GxRegion::SetEmpty() { return GxCall(GdipSetEmpty, NativeRegion()); }

bool GxRegion::CombineRect(const GxRectF& rect, CombineMode mode) {
    return GxCall(GdipCombineRegionRect, NativeRegion(), &rect, mode);
}

bool GxRegion::CombineRectI(const GxRect& rect, CombineMode mode) {
    return GxCall(GdipCombineRegionRectI, NativeRegion(), &rect, mode);
}

bool GxRegion::CombineRegion(const GxRegion& other, CombineMode mode) {
    return GxCall(GdipCombineRegionRegion, NativeRegion(), other.NativeRegion(), mode);
}

bool GxRegion::CombinePath(const GxPath& path, CombineMode mode) {
    return GxCall(GdipCombineRegionPath, NativeRegion(), path.NativePath(), mode);
}

bool GxRegion::Translate(float dx, float dy) { return GxCall(GdipTranslateRegion, NativeRegion(), dx, dy); }

bool GxRegion::TranslateI(int dx, int dy) { return GxCall(GdipTranslateRegionI, NativeRegion(), dx, dy); }

bool GxRegion::Transform(const GxMatrix& matrix) {
    return GxCall(GdipTransformRegion, NativeRegion(), matrix.NativeMatrix());
}

GxRectF GxRegion::GetBounds(const GxGraphics& graphics) const {
    return GxGet<GxRectF>(GdipGetRegionBounds, NativeRegion(), graphics.NativeGraphics());
}

GxRect GxRegion::GetBoundsI(const GxGraphics& graphics) const {
    return GxGet<GxRect>(GdipGetRegionBoundsI, NativeRegion(), graphics.NativeGraphics());
}

int GxRegion::GetDataSize() const { return static_cast<int>(GxGet<UINT>(GdipGetRegionDataSize, NativeRegion())); }

Bytes GxRegion::GetData() const {
    const UINT size = GxGet<UINT>(GdipGetRegionDataSize, NativeRegion());
    if (gxLastStatus != Ok || size == 0) return {};
    Bytes data(size);
    UINT filled = 0;
    if (!GxCall(GdipGetRegionData, NativeRegion(), data.data(), size, &filled)) return {};
    data.resize(std::min(filled, size));
    return data;
}

UniqueRegion GxRegion::GetHRgn(const GxGraphics& graphics) const {
    HRGN region = nullptr;
    if (!GxCall(GdipGetRegionHRgn, NativeRegion(), graphics.NativeGraphics(), &region)) return UniqueRegion();
    return UniqueRegion(region);
}

bool GxRegion::IsEmpty(const GxGraphics& graphics) const {
    return GxGet<BOOL>(GdipIsEmptyRegion, NativeRegion(), graphics.NativeGraphics()) != FALSE;
}

bool GxRegion::IsInfinite(const GxGraphics& graphics) const {
    return GxGet<BOOL>(GdipIsInfiniteRegion, NativeRegion(), graphics.NativeGraphics()) != FALSE;
}

bool GxRegion::IsEqual(const GxRegion& other, const GxGraphics& graphics) const {
    return GxGet<BOOL>(GdipIsEqualRegion, NativeRegion(), other.NativeRegion(), graphics.NativeGraphics()) != FALSE;
}

bool GxRegion::IsVisiblePoint(float x, float y, const GxGraphics* graphics) const {
    return GxGet<BOOL>(GdipIsVisibleRegionPoint, NativeRegion(), x, y, GraphicsOf(graphics)) != FALSE;
}

bool GxRegion::IsVisiblePointI(int x, int y, const GxGraphics* graphics) const {
    return GxGet<BOOL>(GdipIsVisibleRegionPointI, NativeRegion(), x, y, GraphicsOf(graphics)) != FALSE;
}

bool GxRegion::IsVisibleRect(float x, float y, float width, float height, const GxGraphics* graphics) const {
    return GxGet<BOOL>(GdipIsVisibleRegionRect, NativeRegion(), x, y, width, height, GraphicsOf(graphics)) != FALSE;
}

bool GxRegion::IsVisibleRectI(int x, int y, int width, int height, const GxGraphics* graphics) const {
    return GxGet<BOOL>(GdipIsVisibleRegionRectI, NativeRegion(), x, y, width, height, GraphicsOf(graphics)) != FALSE;
}

int GxRegion::GetScansCount(const GxMatrix& matrix) const {
    UINT count = 0;
    GxCall(GdipGetRegionScansCount, NativeRegion(), &count, matrix.NativeMatrix());
    return static_cast<int>(count);
}

bool GxRegion::GetScans(const GxMatrix& matrix, std::vector<GxRectF>& out) const {
    return ReadScans(NativeRegion(), matrix.NativeMatrix(), GdipGetRegionScans, out);
}

bool GxRegion::GetScansI(const GxMatrix& matrix, std::vector<GxRect>& out) const {
    return ReadScans(NativeRegion(), matrix.NativeMatrix(), GdipGetRegionScansI, out);
}

}  // namespace pelorin
