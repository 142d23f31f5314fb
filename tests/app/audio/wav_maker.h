#pragma once
// RIFF/WAVE files made byte by byte for the tests, and what the player must
// make of their samples.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/audio/pcm.h"

namespace pelorin::test {

struct WavFile {
    int channels = 2;
    int sampleRate = 44100;
    int bits = 16;
    std::uint16_t formatTag = 1;                 // 0xFFFE: WAVE_FORMAT_EXTENSIBLE with `subFormatTag`
    std::uint16_t subFormatTag = 1;              // 1 = PCM
    std::string chunksBeforeFormat;              // raw chunks between "WAVE" and "fmt "
    std::string chunksBeforeData;                // raw chunks between "fmt " and "data"
    std::optional<std::uint32_t> dataSizeField;  // what the "data" header claims
    // Interleaved samples in the file's own range: 0..255 for 8 bits, signed
    // 16- or 24-bit values otherwise.
    std::vector<std::int32_t> samples;

    std::string Bytes() const;
};

// A chunk: id, little-endian size, body, and a pad byte after an odd body.
std::string Chunk(const char (&id)[5], const std::string& body);

// `frames` frames of a test signal at the file's resolution: a tone whose
// loudness steps every 50 ms, different on each channel, using the whole range.
std::vector<std::int32_t> TestSignal(int channels, int bits, int sampleRate, size_t frames);

// The 16-bit sound the player makes of the file's samples: 8-bit values
// re-centred and times 256, 24-bit values without their low byte.
PcmSound Expected16(const WavFile& file);

}  // namespace pelorin::test
