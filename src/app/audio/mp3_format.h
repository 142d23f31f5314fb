#pragma once
// Byte-level knowledge of MP3 files: ID3v2 tags, MPEG audio layer III frame
// headers and the info frame (Xing/Info + LAME tag) that encoders put first.
// Pure functions over byte ranges; no I/O.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace pelorin {

enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

struct Mp3FrameHeader {
    MpegVersion version = MpegVersion::Mpeg1;
    int bitrateKbps = 0;
    int sampleRate = 0;
    int channels = 0;
    bool hasCrc = false;
    int frameBytes = 0;       // the whole frame, header included
    int samplesPerFrame = 0;  // per channel
    int sideInfoBytes = 0;

    // Two frames belong to the same stream when these agree.
    bool SameStreamAs(const Mp3FrameHeader& other) const {
        return version == other.version && sampleRate == other.sampleRate && channels == other.channels;
    }
};

inline constexpr size_t kMp3HeaderBytes = 4;
// Largest layer III frame: MPEG-1 at 320 kbit/s and 32 kHz, or MPEG-2.5 at 160 kbit/s and 8 kHz, plus padding.
inline constexpr size_t kMp3MaxFrameBytes = 2881;

// Reads a layer III frame header from 4 bytes. Other layers, free-format and
// reserved values are rejected.
std::optional<Mp3FrameHeader> ParseFrameHeader(const std::uint8_t* bytes);

// Size of an ID3v2 tag starting at `bytes` (header, body and footer), or 0
// when the bytes do not start one. `available` must be at least 10.
std::uint64_t Id3v2TagSize(const std::uint8_t* bytes, size_t available);

// What the info frame says about the stream that follows it.
struct Mp3InfoTag {
    std::optional<std::uint32_t> frameCount;  // audio frames after the info frame
    // Present only with a LAME tag: samples the encoder put before the sound
    // and after its end.
    std::optional<int> encoderDelay;
    std::optional<int> endPadding;
};

// When the frame (complete, `header.frameBytes` long) is an info frame
// ("Xing", "Info" or "VBRI"), what it says; otherwise nothing. Info frames
// carry no sound and are never handed to the decoder.
std::optional<Mp3InfoTag> ParseInfoFrame(const std::uint8_t* frame, const Mp3FrameHeader& header);

}  // namespace pelorin
