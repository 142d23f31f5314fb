#include "app/audio/pcm_source.h"

#include <algorithm>
#include <cstring>

namespace pelorin {

size_t MemorySource::Read(std::int16_t* out, size_t frames) {
    const size_t n = std::min(frames, sound_->Frames() - position_);
    const size_t channels = static_cast<size_t>(sound_->format.channels);
    std::memcpy(out, sound_->samples.data() + position_ * channels, n * channels * sizeof(std::int16_t));
    position_ += n;
    return n;
}

}  // namespace pelorin
