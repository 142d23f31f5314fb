#pragma once
// Where the playback thread takes PCM from: a sound decoded in memory (the
// presets) or a decoder working through a file as it plays (everything else).

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "app/audio/pcm.h"

namespace pelorin {

class PcmSource {
public:
    virtual ~PcmSource() = default;
    virtual PcmFormat Format() const = 0;
    // Frames the sound holds, when known before it is read.
    virtual std::optional<std::uint64_t> LengthFrames() const = 0;
    // Up to `frames` frames into `out`; 0 at the end.
    virtual size_t Read(std::int16_t* out, size_t frames) = 0;
    // Back to the start; false when that is impossible.
    virtual bool Rewind() = 0;
    virtual bool InMemory() const = 0;
};

class MemorySource final : public PcmSource {
public:
    explicit MemorySource(std::shared_ptr<const PcmSound> sound) : sound_(std::move(sound)) {}
    PcmFormat Format() const override { return sound_->format; }
    std::optional<std::uint64_t> LengthFrames() const override { return sound_->Frames(); }
    size_t Read(std::int16_t* out, size_t frames) override;
    bool Rewind() override {
        position_ = 0;
        return true;
    }
    bool InMemory() const override { return true; }

private:
    std::shared_ptr<const PcmSound> sound_;
    size_t position_ = 0;  // in frames
};

// A file decoder (Mp3Decoder, WavDecoder) as a source.
template <typename Decoder>
class DecoderSource final : public PcmSource {
public:
    explicit DecoderSource(std::unique_ptr<Decoder> decoder) : decoder_(std::move(decoder)) {}
    PcmFormat Format() const override { return decoder_->Format(); }
    std::optional<std::uint64_t> LengthFrames() const override { return decoder_->LengthFrames(); }
    size_t Read(std::int16_t* out, size_t frames) override { return decoder_->Read(out, frames); }
    bool Rewind() override { return decoder_->Rewind(); }
    bool InMemory() const override { return false; }

private:
    std::unique_ptr<Decoder> decoder_;
};

// Reads the whole source into memory. Nothing when it holds no sound, is
// longer than `maxFrames`, or `cancel` becomes true.
std::optional<PcmSound> ReadWholeSource(PcmSource& source, std::uint64_t maxFrames,
                                        const std::atomic<bool>* cancel = nullptr);

}  // namespace pelorin
