#include "skin/pictures/nine_slice_frame.h"

#include <array>
#include <cmath>

#include "graphics/gx_bitmap.h"
#include "graphics/gx_brushes.h"
#include "skin/pictures/picture_cut.h"

namespace pelorin {

namespace {

// Width in the low 16 bits, height in the high 16 bits, each signed.
PictureSize Unpack(std::int32_t packed) {
    const auto bits = static_cast<std::uint32_t>(packed);
    return {static_cast<std::int16_t>(bits & 0xFFFFu), static_cast<std::int16_t>(bits >> 16)};
}

// The picture being cut and its marker test.
struct MarkedPicture {
    GxBitmap bitmap;
    int width = 0;
    int height = 0;

    bool Marker(int x, int y) const { return PixelIs(bitmap, width, height, x, y, kMarkerArgb); }
};

struct CutRect {
    float x = 0, y = 0, w = 0, h = 0;
};

void Emit(const MarkedPicture& picture, const CutRect& r, SliceList& out) {
    out.push_back({static_cast<std::int32_t>(std::trunc(r.w)), static_cast<std::int32_t>(std::trunc(r.h)),
                   CutToPng(picture.bitmap, picture.width, picture.height, r.x, r.y, r.w, r.h)});
}

void EmitEmpty(SliceList& out) { out.push_back({}); }

}  // namespace

bool NineSliceFrame::Load(const Bytes& normal, const Bytes* hot, const Bytes* focused, const Bytes* disabled,
                          std::optional<std::int32_t> cornerSize, std::optional<std::int32_t> borderWidth) {
    loaded_ = false;
    normalSlices_.clear();
    hotSlices_.clear();
    focusedSlices_.clear();
    disabledSlices_.clear();
    cornerSize_ = cornerSize.value_or(kDefaultCornerSize);
    borderWidth_ = borderWidth.value_or(kDefaultBorderWidth);

    const std::int32_t packed = SliceInto(normal, normalSlices_);
    if (normalSlices_.size() != kSliceCount) {
        normalSlices_.clear();
        return false;
    }
    normalSize_ = Unpack(packed);

    struct State {
        const Bytes* picture;
        SliceList& slices;
        PictureSize& size;
    };
    const std::array<State, 3> states{{{hot, hotSlices_, hotSize_},
                                       {focused, focusedSlices_, focusedSize_},
                                       {disabled, disabledSlices_, disabledSize_}}};
    for (const State& state : states) {
        if (state.picture) {
            const std::int32_t statePacked = SliceInto(*state.picture, state.slices);
            if (state.slices.size() != kSliceCount) state.slices.clear();
            state.size = Unpack(statePacked);
        }
        if (state.slices.size() != kSliceCount) {
            state.slices = normalSlices_;
            state.size = normalSize_;
        }
    }
    loaded_ = true;
    return true;
}

void NineSliceFrame::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    boundsLeft_ = left;
    boundsTop_ = top;
    boundsWidth_ = width;
    boundsHeight_ = height;
}

std::int32_t NineSliceFrame::SliceInto(const Bytes& picture, SliceList& out) {
    out.clear();
    MarkedPicture p;
    if (p.bitmap.LoadFromBytes(picture)) {
        p.width = p.bitmap.GetWidth();
        p.height = p.bitmap.GetHeight();
    }
    const int W = p.width;
    const int H = p.height;
    const float fw = static_cast<float>(W);
    const float fh = static_cast<float>(H);
    // One cut rectangle, carried from slice to slice unless a step sets a field.
    CutRect r;

    // 1: top-left corner, up to the first markers of row 1 and column 1.
    r.w = fw;
    for (int x = 1; x <= W; ++x) {
        if (p.Marker(x, 1)) {
            r.w = static_cast<float>(x - 1);
            break;
        }
    }
    r.h = fh;
    for (int y = 1; y <= H; ++y) {
        if (p.Marker(1, y)) {
            r.h = static_cast<float>(y - 1);
            break;
        }
    }
    Emit(p, r, out);
    const bool fullWidth = out[0].width == W;
    const bool fullHeight = out[0].height == H;

    // 2: bottom-left corner, below the last marker of column 1.
    if (std::fabs(r.h - fh) <= 1e-7f) {
        EmitEmpty(out);
    } else {
        for (int y = H; y >= 1; --y) {
            if (p.Marker(1, y)) {
                r.y = static_cast<float>(y + 1);
                break;
            }
        }
        r.h = fh - r.y;
        Emit(p, r, out);
    }

    // 3: top-right corner, right of the last marker of row 1, down to the
    // first marker of the last column.
    if (fullWidth) {
        EmitEmpty(out);
    } else {
        for (int x = W; x >= 1; --x) {
            if (p.Marker(x, 1)) {
                r.x = static_cast<float>(x + 1);
                break;
            }
        }
        r.w = fw - r.x;
        r.h = fh;
        for (int y = 1; y <= H; ++y) {
            if (p.Marker(W - 1, y)) {
                r.h = static_cast<float>(y - 1);
                break;
            }
        }
        r.y = 0;
        Emit(p, r, out);
    }

    // 4: bottom-right corner, below the last marker of the last column.
    if (fullHeight || fullWidth) {
        EmitEmpty(out);
    } else {
        for (int y = H; y >= 1; --y) {
            if (p.Marker(W - 1, y)) {
                r.y = static_cast<float>(y + 1);
                break;
            }
        }
        r.h = fh - r.y;
        Emit(p, r, out);
    }

    // 5-9: edges and centre, strictly between the markers. Each row's w and h
    // are computed from its own x and y.
    const auto cw = [&](int k) { return static_cast<float>(out[k].width); };
    const auto ch = [&](int k) { return static_cast<float>(out[k].height); };
    std::array<CutRect, 5> edges{};
    edges[0] = {0, ch(0) + 2, cw(0), 0};  // left edge
    edges[0].h = fh - ch(1) - 1 - edges[0].y;
    edges[1] = {cw(0) + 2, 0, 0, ch(2)};  // top edge
    edges[1].w = fw - cw(2) - 1 - edges[1].x;
    edges[2] = {fw - cw(2), ch(2) + 2, cw(2), 0};  // right edge
    edges[2].h = fh - ch(3) - 1 - edges[2].y;
    edges[3] = {cw(1) + 2, fh - ch(3), 0, ch(3)};  // bottom edge
    edges[3].w = fw - cw(3) - 1 - edges[3].x;
    edges[4] = {cw(0) + 2, ch(0) + 2, 0, 0};  // centre
    edges[4].w = fw - cw(2) - 1 - edges[4].x;
    edges[4].h = fh - ch(1) - 1 - edges[4].y;
    for (const CutRect& edge : edges) Emit(p, edge, out);

    return static_cast<std::int32_t>((static_cast<std::uint32_t>(H) << 16) | static_cast<std::uint32_t>(W));
}

void NineSliceFrame::DrawSet(GxGraphics& graphics, const SliceList& slices) const {
    if (slices.size() != kSliceCount) return;
    const float X = static_cast<float>(boundsLeft_);
    const float Y = static_cast<float>(boundsTop_);
    const float Wd = static_cast<float>(boundsWidth_);
    const float Ht = static_cast<float>(boundsHeight_);
    const auto w = [&](int k) { return static_cast<float>(slices[k].width); };
    const auto h = [&](int k) { return static_cast<float>(slices[k].height); };

    struct Destination {
        bool tiled;
        GxRectF rect;
    };
    // The bottom edge starts after the top-left corner but is as wide as the
    // space between the two bottom corners.
    const std::array<Destination, kSliceCount> destinations{{
        {false, {X, Y, w(0), h(0)}},
        {false, {X, Y + Ht - h(1), w(1), h(1)}},
        {false, {X + Wd - w(2), Y, w(2), h(2)}},
        {false, {X + Wd - w(3), Y + Ht - h(3), w(3), h(3)}},
        {true, {X, Y + h(0), w(4), Ht - h(0) - h(1)}},
        {true, {X + w(0), Y, Wd - w(0) - w(2), h(5)}},
        {true, {X + Wd - w(6), Y + h(2), w(6), Ht - h(2) - h(3)}},
        {true, {X + w(0), Y + Ht - h(7), Wd - w(1) - w(3), h(7)}},
        {true, {X + w(0), Y + h(0), Wd - w(0) - w(2), Ht - h(0) - h(1)}},
    }};

    for (std::size_t k = 0; k < kSliceCount; ++k) {
        if (slices[k].png.empty()) continue;
        const Destination& d = destinations[k];
        // A tile area without extent paints nothing (and must not be handed
        // to GDI+, which would fill the mirrored rectangle).
        if (d.tiled && !(d.rect.Width > 0.0f && d.rect.Height > 0.0f)) continue;
        GxBitmap image;
        if (!slices[k].pixels.Wrap(slices[k].png, image)) continue;
        if (!d.tiled) {
            graphics.DrawImageRect(image, d.rect.X, d.rect.Y, d.rect.Width, d.rect.Height, Gdiplus::UnitPixel);
            continue;
        }
        GxTextureBrush brush;
        if (!brush.Create(image, Gdiplus::WrapModeTile)) continue;
        brush.TranslateTransform(d.rect.X, d.rect.Y);
        graphics.FillRectangle(brush, d.rect.X, d.rect.Y, d.rect.Width, d.rect.Height);
    }
}

}  // namespace pelorin
