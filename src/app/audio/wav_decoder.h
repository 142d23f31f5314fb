#pragma once
// Reads the PCM of a RIFF/WAVE file piece by piece as 16-bit samples, so a
// long recording is streamed, never held whole in memory.

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/audio/file_window.h"
#include "app/audio/pcm.h"
#include "app/audio/wav_format.h"

namespace pelorin {

class WavDecoder {
public:
    // Nothing when the file is missing or is no PCM WAVE file the player plays.
    static std::unique_ptr<WavDecoder> Open(const std::wstring& path);
    // The file, already probed as `layout`.
    static std::unique_ptr<WavDecoder> Open(FileWindow file, const WavLayout& layout);
    ~WavDecoder();
    WavDecoder(const WavDecoder&) = delete;
    WavDecoder& operator=(const WavDecoder&) = delete;

    const PcmFormat& Format() const { return format_; }
    std::optional<std::uint64_t> LengthFrames() const { return layout_.Frames(); }

    // Up to `frames` interleaved 16-bit frames into `out`; 0 at the end (or
    // where the file was cut since it was opened).
    size_t Read(std::int16_t* out, size_t frames);
    bool Rewind() {
        position_ = 0;
        return true;
    }

    static long LiveCount();

private:
    WavDecoder(FileWindow file, const WavLayout& layout);

    FileWindow file_;
    WavLayout layout_;
    PcmFormat format_;
    std::uint64_t position_ = 0;  // in frames
};

}  // namespace pelorin
