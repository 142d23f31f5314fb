#include "skin/pictures/picture_strip.h"

#include "graphics/gx_bitmap.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_pen.h"
#include "skin/pictures/picture_cut.h"

namespace pelorin {

namespace {

GxArgb OpaqueArgb(COLORREF colour) {
    return 0xFF000000u | (static_cast<GxArgb>(GetRValue(colour)) << 16) |
           (static_cast<GxArgb>(GetGValue(colour)) << 8) | GetBValue(colour);
}

struct SourcePicture {
    GxBitmap bitmap;
    int width = 0;
    int height = 0;

    explicit SourcePicture(const Bytes& png) {
        if (bitmap.LoadFromBytes(png)) {
            width = bitmap.GetWidth();
            height = bitmap.GetHeight();
        }
    }
};

// Two magenta lines either side of each centre line of the frame.
void MarkCentres(GxBitmap& frame, float width, float height) {
    GxGraphics graphics;
    GxPen pen;
    if (!graphics.CreateFromImage(frame) || !pen.Create1(kMarkerArgb, 1.0f, Gdiplus::UnitPixel)) return;
    const float midX = width / 2.0f;
    const float midY = height / 2.0f;
    for (const float offset : {-1.0f, 1.0f}) {
        graphics.DrawLine(pen, 0.0f, midY + offset, width, midY + offset);
        graphics.DrawLine(pen, midX + offset, 0.0f, midX + offset, height);
    }
}

}  // namespace

void PictureStrip::Load(const Bytes& png, std::optional<COLORREF> markerColor) {
    frames_.clear();
    markerColor_ = markerColor.value_or(kDefaultMarkerColor);
    SliceByMarkers(png);
}

void PictureStrip::SliceByMarkers(const Bytes& png) {
    const SourcePicture picture(png);
    const int W = picture.width;
    const int H = picture.height;
    totalWidth_ = W;
    height_ = H;
    const GxArgb marker = OpaqueArgb(markerColor_);
    const auto emit = [&](int start, int width) {
        frames_.push_back({width, H,
                           CutToPng(picture.bitmap, W, H, static_cast<float>(start), 0.0f, static_cast<float>(width),
                                    static_cast<float>(H))});
    };

    int start = 0;
    int run = 0;
    bool foundMarker = false;
    for (int x = 1; x <= W; ++x) {
        ++run;
        if (PixelIs(picture.bitmap, W, H, x, 2, marker)) {
            // The first frame ends just before the marker; later runs also
            // counted the separator they started after.
            emit(start, foundMarker ? run - 1 : run);
            foundMarker = true;
            start = x + 1;
            run = 0;
        }
    }
    if (foundMarker) {
        emit(start, run - 1);
    } else {
        emit(0, W);
    }
}

void PictureStrip::LoadFixedWidth(const Bytes& png, std::int32_t frameWidth, bool markCentres) {
    LoadFixed(png, frameWidth, true, markCentres);
}

void PictureStrip::LoadFixedHeight(const Bytes& png, std::int32_t frameHeight, bool markCentres) {
    LoadFixed(png, frameHeight, false, markCentres);
}

void PictureStrip::LoadFixed(const Bytes& png, std::int32_t step, bool horizontal, bool markCentres) {
    frames_.clear();
    const SourcePicture picture(png);
    totalWidth_ = picture.width;
    height_ = picture.height;
    if (step < 1) return;  // a zero or negative step would never leave the picture
    const int extent = horizontal ? picture.width : picture.height;
    for (int offset = 0; offset < extent; offset += step) {
        const float x = horizontal ? static_cast<float>(offset) : 0.0f;
        const float y = horizontal ? 0.0f : static_cast<float>(offset);
        const std::int32_t w = horizontal ? step : picture.width;
        const std::int32_t h = horizontal ? picture.height : step;
        StripFrame frame{w, h, {}};
        GxBitmap cut;
        if (CutArea(picture.bitmap, picture.width, picture.height, x, y, static_cast<float>(w), static_cast<float>(h),
                    cut)) {
            if (markCentres) MarkCentres(cut, static_cast<float>(w), static_cast<float>(h));
            frame.png = EncodePng(cut);
        }
        frames_.push_back(std::move(frame));
    }
}

std::int32_t PictureStrip::AddFrame(const Bytes& png) {
    const SourcePicture picture(png);
    frames_.push_back({picture.width, picture.height, png});
    totalWidth_ += picture.width;
    return GetFrameCount();
}

void PictureStrip::RemoveFrame(std::int32_t index) {
    const StripFrame* frame = Frame(index);
    if (!frame) return;
    totalWidth_ -= frame->width;
    height_ -= frame->height;
    frames_.erase(frames_.begin() + (index - 1));
}

const StripFrame* PictureStrip::Frame(std::int32_t index) const {
    if (index < 1 || index > GetFrameCount()) return nullptr;
    return &frames_[static_cast<std::size_t>(index - 1)];
}

Bytes PictureStrip::GetFramePng(std::int32_t index) const {
    const StripFrame* frame = Frame(index);
    return frame ? frame->png : Bytes{};
}

bool PictureStrip::WrapFrame(std::int32_t index, GxBitmap& target) const {
    const StripFrame* frame = Frame(index);
    if (!frame) {
        target.Dispose();
        return false;
    }
    return frame->pixels.Wrap(frame->png, target);
}

std::int32_t PictureStrip::GetFrameWidth(std::int32_t index) const {
    const StripFrame* frame = Frame(index);
    return frame ? frame->width : 0;
}

std::int32_t PictureStrip::GetFrameHeight(std::int32_t index) const {
    const StripFrame* frame = Frame(index);
    return frame ? frame->height : 0;
}

}  // namespace pelorin
