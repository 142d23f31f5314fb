#pragma once
// A picture made of several equally tall (or equally wide) small pictures side
// by side, cut into frames that are handed out as PNG bytes by 1-based index.
// The skin's check-box glyphs come from one of these.
//
// Strip format for Load: between two neighbouring frames stands one separator
// column whose pixel in row 2 has exactly the marker colour at full opacity.
// Separators belong to no frame; every frame has the full picture height.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "base/text.h"
#include "graphics/gx_bitmap.h"
#include "skin/pictures/decoded_picture.h"

namespace pelorin {

struct StripFrame {
    StripFrame() = default;
    StripFrame(std::int32_t w, std::int32_t h, Bytes bytes = {}) : width(w), height(h), png(std::move(bytes)) {}

    std::int32_t width = 0;
    std::int32_t height = 0;
    Bytes png;  // 32-bit ARGB PNG; empty when the frame could not be cut
    // The pixels of `png`, decoded by the first draw: a cache, no part of the
    // frame's value.
    mutable DecodedPicture pixels;
    bool operator==(const StripFrame& other) const {
        return width == other.width && height == other.height && png == other.png;
    }
};

class PictureStrip {
public:
    static constexpr COLORREF kDefaultMarkerColor = RGB(255, 0, 255);

    // Copies are deep.
    PictureStrip() = default;

    // Replaces the frames by those between the marker columns.
    void Load(const Bytes& png, std::optional<COLORREF> markerColor = std::nullopt);
    // Replaces the frames by frameWidth-wide cuts from x = 0 while x is inside
    // the picture; a cut running past the edge gives a frame without bytes. With
    // markCentres, each frame gets magenta lines one pixel either side of its
    // centre lines (a layout aid). A width below 1 gives no frames.
    void LoadFixedWidth(const Bytes& png, std::int32_t frameWidth, bool markCentres = false);
    void LoadFixedHeight(const Bytes& png, std::int32_t frameHeight, bool markCentres = false);
    // Appends the whole picture, bytes unchanged, as one frame; returns the
    // new frame count.
    std::int32_t AddFrame(const Bytes& png);
    void RemoveFrame(std::int32_t index);
    // Appends the frames between the marker columns of `png` (Load empties
    // the frames first) and takes the picture's size as the totals.
    void SliceByMarkers(const Bytes& png);
    // A copy of the frame's bytes; empty outside 1 ... frame count.
    Bytes GetFramePng(std::int32_t index) const;
    // Attaches to `target` a bitmap over the frame's decoded pixels (decoded
    // once, kept beside the bytes) for one draw; `target` must be gone before
    // the strip changes. False outside 1 ... frame count or when the frame's
    // bytes cannot be decoded.
    bool WrapFrame(std::int32_t index, GxBitmap& target) const;
    std::int32_t GetFrameCount() const { return static_cast<std::int32_t>(frames_.size()); }
    std::int32_t GetTotalWidth() const { return totalWidth_; }
    std::int32_t GetHeight() const { return height_; }
    // 0 outside 1 ... frame count.
    std::int32_t GetFrameWidth(std::int32_t index) const;
    std::int32_t GetFrameHeight(std::int32_t index) const;

private:
    const StripFrame* Frame(std::int32_t index) const;
    void LoadFixed(const Bytes& png, std::int32_t step, bool horizontal, bool markCentres);

    std::int32_t totalWidth_ = 0;
    std::int32_t height_ = 0;
    std::vector<StripFrame> frames_;
    COLORREF markerColor_ = kDefaultMarkerColor;
};

}  // namespace pelorin
