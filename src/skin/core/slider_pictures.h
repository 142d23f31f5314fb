#pragma once
// The three pictures of a picture slider (thumb, channel, filled part of the
// channel), each with an optional hot variant, cut into the slider record's
// nine-slice frames.

#include "base/text.h"
#include "skin/core/control_records.h"

namespace pelorin::skin {

// Loads the frames and sets `hasPictures` when all three could be cut; a
// missing hot picture means "the normal one". When any picture fails, the
// slider keeps (or falls back to) the vector look and false is returned.
bool LoadSliderPictures(SliderRecord& slider, const Bytes& thumb, const Bytes& channel, const Bytes& filled,
                        const Bytes* thumbHot = nullptr, const Bytes* channelHot = nullptr,
                        const Bytes* filledHot = nullptr);

}  // namespace pelorin::skin
