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

std::optional<PcmSound> ReadWholeSource(PcmSource& source, std::uint64_t maxFrames, const std::atomic<bool>* cancel) {
    const std::optional<std::uint64_t> length = source.LengthFrames();
    if (length && *length > maxFrames) return std::nullopt;

    PcmSound sound;
    sound.format = source.Format();
    const size_t channels = static_cast<size_t>(sound.format.channels);
    if (length) sound.samples.reserve(static_cast<size_t>(*length) * channels);
    constexpr size_t kChunkFrames = 8192;
    for (;;) {
        if (cancel && cancel->load()) return std::nullopt;
        const size_t had = sound.samples.size();
        sound.samples.resize(had + kChunkFrames * channels);
        const size_t got = source.Read(sound.samples.data() + had, kChunkFrames);
        sound.samples.resize(had + got * channels);
        if (got == 0) break;
        if (sound.Frames() > maxFrames) return std::nullopt;
    }
    if (sound.samples.empty()) return std::nullopt;
    sound.samples.shrink_to_fit();
    return sound;
}

}  // namespace pelorin
