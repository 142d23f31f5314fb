#pragma once
// The decoded pixels of a picture kept as PNG bytes, so that a paint need not
// decode the same bytes again. Only plain memory is kept between paints: a
// draw wraps the pixels in a GDI+ bitmap of its own (no decoding), which is
// gone when the draw ends. The pixels are decoded on first use and again
// whenever the bytes asked about differ from those last decoded, so a cache
// can never show another picture than its bytes. Not thread-safe: the skin
// paints on one thread.

#include <cstdint>
#include <vector>

#include "base/text.h"
#include "graphics/gx_bitmap.h"

namespace pelorin {

class DecodedPicture {
public:
    // Copies carry the decoded pixels along: they belong to the same bytes.
    DecodedPicture() = default;

    // Attaches to `target` a 32-bit ARGB bitmap over the decoded pixels of
    // `png`, valid while this object lives and is not asked about other
    // bytes. False (and `target` empty) when the bytes cannot be decoded.
    bool Wrap(const Bytes& png, GxBitmap& target);
    // The picture's size, decoding `png` if needed; 0 x 0 when undecodable.
    int Width(const Bytes& png);
    int Height(const Bytes& png);
    // True when pixels (or the failure) of exactly `png` are kept.
    bool Holds(const Bytes& png) const { return filled_ && source_ == png; }
    // Forgets the pixels.
    void Reset();

private:
    // Decodes `png` unless its pixels are kept; false when it cannot be decoded.
    bool Fill(const Bytes& png);

    bool filled_ = false;
    Bytes source_;  // the bytes the pixels were decoded from
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> argb_;  // straight ARGB, row by row, top-down
};

}  // namespace pelorin
