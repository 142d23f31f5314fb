#pragma once
// Byte-level knowledge of RIFF/WAVE files: the "fmt " and "data" chunks, and
// turning 8-, 16- and 24-bit PCM into the 16-bit samples the player plays.
// A file is recognised by its content, whatever its name.

#include <cstddef>
#include <cstdint>

#include "app/audio/file_window.h"

namespace pelorin {

struct WavLayout {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;  // 8 (unsigned), 16 or 24 (signed)
    std::uint64_t dataOffset = 0;
    std::uint64_t dataBytes = 0;  // cut to what the file holds

    size_t BytesPerFrame() const { return static_cast<size_t>(channels) * static_cast<size_t>(bitsPerSample / 8); }
    std::uint64_t Frames() const { return BytesPerFrame() ? dataBytes / BytesPerFrame() : 0; }
};

enum class WavKind {
    NotWave,      // not a RIFF/WAVE file
    Pcm,          // PCM the player plays: `layout` says how
    Mp3,          // MPEG layer III inside a RIFF/WAVE file
    Unsupported,  // another encoding, more than two channels, or a broken header
};

struct WavProbe {
    WavKind kind = WavKind::NotWave;
    WavLayout layout;
};

// Reads the header of the file; the file's window may move.
WavProbe ProbeWav(FileWindow& file);

// `samples` samples of `bitsPerSample` PCM to 16 bits: 8-bit values are
// re-centred and scaled by 256, 24-bit values keep their upper 16 bits.
void ConvertPcmTo16(const std::uint8_t* in, size_t samples, int bitsPerSample, std::int16_t* out);

}  // namespace pelorin
