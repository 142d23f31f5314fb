#include <windows.h>

#include "base/handle.h"
#include "graphics/gx_bitmap.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/control_procs.h"
#include "skin/core/control_records.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/scroll_strip_owner.h"
#include "skin/core/skin_registry.h"
#include "skin/pictures/decoded_picture.h"
#include "skin/pictures/embedded_pictures.h"

namespace pelorin::skin {

namespace {

// The strip painter draws a vertical strip; a horizontal one is the same
// drawing with the axes swapped, except where the two differ (the layout
// table below).
struct StripLayout {
    bool vertical;
    EmbeddedPicture firstPicture;
    EmbeddedPicture secondPicture;
};

struct ScrollBarState {
    int arrow = 0;       // dxyLineButton
    int thumbStart = 0;  // relative to the scroll bar
    int thumbEnd = 0;
    bool unavailable = false;
};

bool ReadScrollBar(HWND owner, bool vertical, ScrollBarState& out) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetScrollBarInfo(owner, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return false;
    out.arrow = info.dxyLineButton;
    out.thumbStart = info.xyThumbTop;
    out.thumbEnd = info.xyThumbBottom;
    out.unavailable = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
    return out.arrow > 0 && out.thumbEnd - out.thumbStart > 0;
}

// The embedded chevrons, read from the program's resources once; their pixels
// are decoded by the first draw and kept, and wrapped in a bitmap per draw.
struct Chevron {
    Bytes png;
    DecodedPicture pixels;
};

Chevron& ChevronOf(EmbeddedPicture id) {
    static Chevron up{LoadEmbeddedPicture(EmbeddedPicture::ScrollUp), {}};
    static Chevron down{LoadEmbeddedPicture(EmbeddedPicture::ScrollDown), {}};
    static Chevron left{LoadEmbeddedPicture(EmbeddedPicture::ScrollLeft), {}};
    static Chevron right{LoadEmbeddedPicture(EmbeddedPicture::ScrollRight), {}};
    switch (id) {
        case EmbeddedPicture::ScrollUp: return up;
        case EmbeddedPicture::ScrollDown: return down;
        case EmbeddedPicture::ScrollLeft: return left;
        default: return right;
    }
}

struct Geometry {
    StripParts parts;
    GxRectF thumbPath;
    GxPointF thumbFrom, thumbTo;
    GxRectF firstPath, secondPath;
    GxPointF firstFrom, firstTo, secondFrom, secondTo;
};

Geometry VerticalGeometry(int w, int h, const ScrollBarState& s) {
    const float a = static_cast<float>(s.arrow);
    const float t0 = static_cast<float>(s.thumbStart);
    const float t1 = static_cast<float>(s.thumbEnd);
    const float hf = static_cast<float>(h);
    Geometry g;
    g.parts = {{1, 1, w - 2, 17}, {1, h - 17, w - 2, h - 1}, {1, s.thumbStart, s.arrow + 1, s.thumbEnd}};
    g.thumbPath = {static_cast<float>((w - s.arrow) / 2 + 1), t0, a - 3, t1 - t0 - 1};
    g.thumbFrom = {1, t0};
    g.thumbTo = {a - 2, t0};
    g.firstPath = {1, 1, a - 3, 15};
    g.firstFrom = {1, 1};
    g.firstTo = {a - 2, 1};
    g.secondPath = {1, hf - 17, a - 3, 15};
    g.secondFrom = {1, hf - 17};
    g.secondTo = {a - 2, hf - 17};
    return g;
}

Geometry HorizontalGeometry(int w, int h, const ScrollBarState& s) {
    const float a = static_cast<float>(s.arrow);
    const float t0 = static_cast<float>(s.thumbStart);
    const float t1 = static_cast<float>(s.thumbEnd);
    const float wf = static_cast<float>(w);
    Geometry g;
    // The second arrow's part ends four pixels before the strip's edge.
    g.parts = {{1, 1, 17, h - 2}, {w - 17, 1, w - 4, h - 1}, {s.thumbStart, 1, s.thumbEnd, s.arrow + 1}};
    g.thumbPath = {t0, static_cast<float>((h - s.arrow) / 2 + 1), t1 - t0 - 1, a - 3};
    g.thumbFrom = {t0, 1};
    g.thumbTo = {t0, a - 2};
    g.firstPath = {1, 1, 15, a - 3};
    g.firstFrom = {1, 1};
    g.firstTo = {1, a - 2};
    g.secondPath = {wf - 17, 1, 15, a - 3};
    g.secondFrom = {wf - 17, 1};
    g.secondTo = {wf - 17, a - 2};
    return g;
}

GxPath PathOf(const GxRectF& r, float corner) { return RoundedPath(r.X, r.Y, r.Width, r.Height, corner); }

void DrawTrack(GxGraphics& g, int w, int h) {
    const GxPath track = RectanglePath(0, 0, static_cast<float>(w), static_cast<float>(h));
    FillPathSolid(g, track, ToArgb(kWhite, static_cast<std::uint32_t>(skinDefaults.controlAlpha)));
    FillPathGradient(g, track, {0, 0}, {static_cast<float>(w), 0}, ToArgb(kWhite, 40), ToArgb(kWhite, 80));
}

void DrawThumb(GxGraphics& g, const Geometry& geo, bool hot) {
    const GxPath thumb = PathOf(geo.thumbPath, 2);
    if (hot) {
        FillPathSolid(g, thumb, ToArgb(kWhite, 100));
        FillPathGradient(g, thumb, geo.thumbFrom, geo.thumbTo, ToArgb(skinDefaults.themeColor, 20),
                         ToArgb(skinDefaults.themeColor, 80));
    } else {
        FillPathGradient(g, thumb, geo.thumbFrom, geo.thumbTo, ToArgb(kWhite, 50), ToArgb(skinDefaults.themeColor, 50));
        FillPathGradient(g, thumb, geo.thumbFrom, geo.thumbTo, ToArgb(kWhite, 0), ToArgb(kWhite, 150));
    }
    StrokePath(g, thumb, ToArgb(kBlack, 60));
}

// Where an arrow's chevron of pw x ph goes, truncated to whole pixels.
GxPoint ChevronSpot(bool vertical, bool second, int w, int h, int a, float pw, float ph) {
    if (vertical)
        return {static_cast<int>((a - pw) / 2), static_cast<int>(second ? h - 15 + (15 - ph) / 2 : (15 - ph) / 2 + 2)};
    return {static_cast<int>(second ? w - 17 + (15 - pw) / 2 + 1 : (15 - pw) / 2 + 1), static_cast<int>((a - ph) / 2)};
}

struct ArrowSpec {
    GxRectF path;
    GxPointF from, to;
    bool hot;
    EmbeddedPicture picture;
    bool second;
};

void DrawArrow(GxGraphics& g, const ArrowSpec& arrowSpec, bool vertical, int w, int h, int a) {
    const GxPath arrow = PathOf(arrowSpec.path, 1);
    if (arrowSpec.hot) {
        FillPathSolid(g, arrow, ToArgb(kWhite, 180));
        FillPathGradient(g, arrow, arrowSpec.from, arrowSpec.to, ToArgb(skinDefaults.themeColor, 20),
                         ToArgb(skinDefaults.themeColor, 80));
        StrokePath(g, arrow, ToArgb(kBlack, 80));
    }
    StrokePath(g, arrow, ToArgb(kBlack, 30));
    Chevron& picture = ChevronOf(arrowSpec.picture);
    GxBitmap chevron;
    if (!picture.pixels.Wrap(picture.png, chevron)) return;
    const int pw = chevron.GetWidth(), ph = chevron.GetHeight();
    const GxPoint at = ChevronSpot(vertical, arrowSpec.second, w, h, a, static_cast<float>(pw), static_cast<float>(ph));
    g.DrawImageRectI(chevron, at.X, at.Y, pw, ph);
}

void PaintStrip(HWND owner, std::int32_t hotPart, const StripLayout& layout) {
    const StripOwner o = FindStripOwner(owner);
    if (!o) return;
    HWND strip = layout.vertical ? *o.vStrip : *o.hStrip;
    if (!strip) return;
    ScrollBarState bar;
    if (!ReadScrollBar(owner, layout.vertical, bar)) return;

    const SIZE size = WindowSize(strip);
    const int w = size.cx, h = size.cy;
    if (w <= 0 || h <= 0) return;
    const Geometry geo = layout.vertical ? VerticalGeometry(w, h, bar) : HorizontalGeometry(w, h, bar);
    (layout.vertical ? *o.vParts : *o.hParts) = geo.parts;

    HDC surface = BuildControlBackground(strip, RECT{0, 0, w, h});
    if (!surface) return;
    {
        SurfaceCanvas canvas(surface);
        if (canvas) {
            GxGraphics& g = canvas.Graphics();
            g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
            g.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
            DrawTrack(g, w, h);
            if (!bar.unavailable) DrawThumb(g, geo, hotPart == kStripThumb);
            // An unavailable bar shows no hot arrow.
            DrawArrow(g,
                      {geo.firstPath, geo.firstFrom, geo.firstTo, hotPart == kStripFirstArrow && !bar.unavailable,
                       layout.firstPicture, false},
                      layout.vertical, w, h, bar.arrow);
            DrawArrow(g,
                      {geo.secondPath, geo.secondFrom, geo.secondTo, hotPart == kStripSecondArrow && !bar.unavailable,
                       layout.secondPicture, true},
                      layout.vertical, w, h, bar.arrow);
        }
    }
    CopyToFrameCopy(strip, surface);
    if (const WindowDc dc(strip); dc.Get()) ::BitBlt(dc.Get(), 0, 0, w, h, surface, 0, 0, SRCCOPY);
    ReleaseSurface(surface);
}

}  // namespace

void PaintScrollStripVertical(HWND owner, std::int32_t hotPart) {
    PaintStrip(owner, hotPart, {true, EmbeddedPicture::ScrollUp, EmbeddedPicture::ScrollDown});
}

void PaintScrollStripHorizontal(HWND owner, std::int32_t hotPart) {
    PaintStrip(owner, hotPart, {false, EmbeddedPicture::ScrollLeft, EmbeddedPicture::ScrollRight});
}

}  // namespace pelorin::skin
