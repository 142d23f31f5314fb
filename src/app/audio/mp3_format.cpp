#include "app/audio/mp3_format.h"

#include <cstring>

namespace pelorin {
namespace {

// Layer III bit rates in kbit/s by bitrate index; index 0 (free format) and 15 are invalid.
constexpr int kBitratesMpeg1[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
constexpr int kBitratesMpeg2[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
constexpr int kSampleRatesMpeg1[3] = {44100, 48000, 32000};

std::uint32_t ReadBigEndian32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

bool StartsWith(const std::uint8_t* p, const char* text) { return std::memcmp(p, text, std::strlen(text)) == 0; }

}  // namespace

std::optional<Mp3FrameHeader> ParseFrameHeader(const std::uint8_t* bytes) {
    if (bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) return std::nullopt;
    const int versionBits = (bytes[1] >> 3) & 3;
    const int layerBits = (bytes[1] >> 1) & 3;
    const int bitrateIndex = bytes[2] >> 4;
    const int rateIndex = (bytes[2] >> 2) & 3;
    const int emphasis = bytes[3] & 3;
    if (versionBits == 1 || layerBits != 1 || rateIndex == 3 || emphasis == 2) return std::nullopt;

    Mp3FrameHeader h;
    h.version = versionBits == 3 ? MpegVersion::Mpeg1 : versionBits == 2 ? MpegVersion::Mpeg2 : MpegVersion::Mpeg25;
    const bool mpeg1 = h.version == MpegVersion::Mpeg1;
    h.bitrateKbps = (mpeg1 ? kBitratesMpeg1 : kBitratesMpeg2)[bitrateIndex];
    if (h.bitrateKbps == 0) return std::nullopt;
    h.sampleRate = kSampleRatesMpeg1[rateIndex] >> (mpeg1 ? 0 : h.version == MpegVersion::Mpeg2 ? 1 : 2);
    h.channels = (bytes[3] >> 6) == 3 ? 1 : 2;
    h.hasCrc = (bytes[1] & 1) == 0;
    const int padding = (bytes[2] >> 1) & 1;
    h.samplesPerFrame = mpeg1 ? 1152 : 576;
    h.frameBytes = (mpeg1 ? 144000 : 72000) * h.bitrateKbps / h.sampleRate + padding;
    h.sideInfoBytes = mpeg1 ? (h.channels == 1 ? 17 : 32) : (h.channels == 1 ? 9 : 17);
    return h;
}

std::uint64_t Id3v2TagSize(const std::uint8_t* bytes, size_t available) {
    if (available < 10 || !StartsWith(bytes, "ID3") || bytes[3] == 0xFF || bytes[4] == 0xFF) return 0;
    std::uint64_t body = 0;
    for (int i = 6; i < 10; ++i) {
        if (bytes[i] & 0x80) return 0;  // sizes are synchsafe: seven bits per byte
        body = (body << 7) | bytes[i];
    }
    const bool hasFooter = (bytes[5] & 0x10) != 0;
    return 10 + body + (hasFooter ? 10 : 0);
}

std::optional<Mp3InfoTag> ParseInfoFrame(const std::uint8_t* frame, const Mp3FrameHeader& header) {
    const size_t size = static_cast<size_t>(header.frameBytes);
    const size_t xing = kMp3HeaderBytes + (header.hasCrc ? 2 : 0) + static_cast<size_t>(header.sideInfoBytes);
    if (xing + 8 <= size && (StartsWith(frame + xing, "Xing") || StartsWith(frame + xing, "Info"))) {
        Mp3InfoTag tag;
        const std::uint32_t flags = ReadBigEndian32(frame + xing + 4);
        size_t at = xing + 8;
        if (flags & 1) {
            if (at + 4 > size) return tag;
            tag.frameCount = ReadBigEndian32(frame + at);
            at += 4;
        }
        if (flags & 2) at += 4;    // stream bytes
        if (flags & 4) at += 100;  // seek table
        if (flags & 8) at += 4;    // quality
        // The LAME tag: a 9-byte encoder name, then the 12-bit encoder delay
        // and 12-bit end padding at offset 21. FFmpeg writes the same layout.
        const bool lame = at + 24 <= size && (StartsWith(frame + at, "LAME") || StartsWith(frame + at, "L3.99") ||
                                              StartsWith(frame + at, "Lavc") || StartsWith(frame + at, "Lavf"));
        if (lame) {
            const std::uint8_t* d = frame + at + 21;
            tag.encoderDelay = (d[0] << 4) | (d[1] >> 4);
            tag.endPadding = ((d[1] & 0x0F) << 8) | d[2];
        }
        return tag;
    }
    // Fraunhofer's VBRI header sits 32 bytes after the frame header whatever the mode.
    const size_t vbri = kMp3HeaderBytes + 32;
    if (vbri + 18 <= size && StartsWith(frame + vbri, "VBRI")) {
        Mp3InfoTag tag;
        tag.frameCount = ReadBigEndian32(frame + vbri + 14);
        return tag;
    }
    return std::nullopt;
}

}  // namespace pelorin
