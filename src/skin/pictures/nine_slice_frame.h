#pragma once
// A button frame cut from a small picture into nine slices (four corners, four
// edges, a centre) and drawn into a rectangle of any size: corners at their
// natural size, edges and centre tiled. Up to four pictures are kept, one per
// button state. Every slice is kept as PNG bytes beside its decoded pixels
// (filled by the first draw); a draw wraps the pixels in a bitmap of its own,
// so no image object outlives a paint.
//
// Picture format (0-based coordinates, W x H the picture size; a marker is a
// pixel of exactly opaque magenta 0xFFFF00FF, belonging to no slice):
//   - row 1: the leftmost marker ends the left corners and edge, the rightmost
//     marker starts the right corners and edge;
//   - column 1: the topmost and bottommost markers bound the left side's rows;
//   - column W-1: the same for the right side.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "base/text.h"
#include "graphics/gx_graphics.h"
#include "skin/pictures/decoded_picture.h"

namespace pelorin {

struct SliceRecord {
    SliceRecord() = default;
    SliceRecord(std::int32_t w, std::int32_t h, Bytes bytes = {}) : width(w), height(h), png(std::move(bytes)) {}

    std::int32_t width = 0;  // truncated from the cut rectangle
    std::int32_t height = 0;
    Bytes png;  // 32-bit ARGB PNG; empty for a slice that does not exist
    // The pixels of `png`, decoded by the first draw: a cache, no part of the
    // record's value.
    mutable DecodedPicture pixels;
    bool operator==(const SliceRecord& other) const {
        return width == other.width && height == other.height && png == other.png;
    }
};

// Slice order in every list: top-left, bottom-left, top-right, bottom-right
// corners; left, top, right, bottom edges; centre.
using SliceList = std::vector<SliceRecord>;
inline constexpr std::size_t kSliceCount = 9;

struct PictureSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const PictureSize&) const = default;
};

class NineSliceFrame {
public:
    static constexpr std::int32_t kDefaultCornerSize = 10;
    static constexpr std::int32_t kDefaultBorderWidth = 3;

    // Copies are deep: every slice list and its bytes are duplicated.
    NineSliceFrame() = default;
    NineSliceFrame(const NineSliceFrame&) = default;
    NineSliceFrame& operator=(const NineSliceFrame&) = default;
    NineSliceFrame(NineSliceFrame&&) noexcept = default;
    NineSliceFrame& operator=(NineSliceFrame&&) noexcept = default;

    // Cuts the pictures. A null hot/focused/disabled picture is "not given"
    // and falls back to copies of the normal slices; a given picture that
    // cannot be decoded (an empty byte-set, say) gets nine byte-less slices
    // and draws nothing. Starts by clearing everything, so a failed Load
    // leaves the frame not loaded.
    bool Load(const Bytes& normal, const Bytes* hot = nullptr, const Bytes* focused = nullptr,
              const Bytes* disabled = nullptr, std::optional<std::int32_t> cornerSize = std::nullopt,
              std::optional<std::int32_t> borderWidth = std::nullopt);
    PictureSize GetNormalSize() const { return normalSize_; }
    PictureSize GetHotSize() const { return hotSize_; }
    PictureSize GetFocusedSize() const { return focusedSize_; }
    PictureSize GetDisabledSize() const { return disabledSize_; }
    bool IsLoaded() const { return loaded_; }
    // Kept for the painter's rounded button body: its inset and corner radius.
    std::int32_t GetBorderWidth() const { return borderWidth_; }
    std::int32_t GetCornerSize() const { return cornerSize_; }
    // The destination rectangle of the next draw, in the target's pixels.
    void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // Draws the nine slices of `slices` into the bounds; byte-less slices,
    // slices that fail to decode and empty destinations are skipped.
    void DrawSet(GxGraphics& graphics, const SliceList& slices) const;
    // Cuts one picture into exactly nine records appended to the emptied
    // `out`; returns (H << 16) | W of the picture (0 when it cannot be decoded).
    static std::int32_t SliceInto(const Bytes& picture, SliceList& out);
    void DrawNormal(GxGraphics& graphics) const { DrawSet(graphics, normalSlices_); }
    void DrawHot(GxGraphics& graphics) const { DrawSet(graphics, hotSlices_); }
    void DrawFocused(GxGraphics& graphics) const { DrawSet(graphics, focusedSlices_); }
    void DrawDisabled(GxGraphics& graphics) const { DrawSet(graphics, disabledSlices_); }

    const SliceList& NormalSlices() const { return normalSlices_; }
    const SliceList& HotSlices() const { return hotSlices_; }
    const SliceList& FocusedSlices() const { return focusedSlices_; }
    const SliceList& DisabledSlices() const { return disabledSlices_; }

private:
    bool loaded_ = false;
    std::int32_t cornerSize_ = 0;
    std::int32_t borderWidth_ = 0;
    SliceList normalSlices_;
    SliceList hotSlices_;
    SliceList focusedSlices_;
    SliceList disabledSlices_;
    std::int32_t boundsLeft_ = 0;
    std::int32_t boundsTop_ = 0;
    std::int32_t boundsWidth_ = 0;
    std::int32_t boundsHeight_ = 0;
    PictureSize normalSize_;
    PictureSize hotSize_;
    PictureSize focusedSize_;
    PictureSize disabledSize_;
};

}  // namespace pelorin
