#pragma once
// The check-box and radio-button glyphs: one strip of six 21 x 16 cells, loaded
// once by the skin start-up from the embedded check-mark picture.
//   1 large green check mark       4 small green check mark (variant)
//   2 opaque white box, grey edge  5 translucent box, grey edge
//   3 small green check mark       6 grey-blue box, grey edge

#include <cstdint>

#include "skin/pictures/picture_strip.h"

namespace pelorin::skin {

inline PictureStrip checkGlyphStrip;

// The width of one cell of the embedded strip, for layout when the strip is
// not loaded.
inline constexpr std::int32_t kGlyphCellWidth = 21;

enum CheckGlyph : std::int32_t {
    kGlyphLargeCheck = 1,
    kGlyphWhiteBox = 2,
    kGlyphSmallCheck = 3,
    kGlyphSmallCheckVariant = 4,
    kGlyphTranslucentBox = 5,
    kGlyphDisabledBox = 6,
};

}  // namespace pelorin::skin
