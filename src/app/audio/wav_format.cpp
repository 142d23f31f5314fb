#include "app/audio/wav_format.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace pelorin {
namespace {

constexpr std::uint16_t kFormatPcm = 0x0001;
constexpr std::uint16_t kFormatMp3 = 0x0055;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// The tail of the sub-format GUIDs of WAVE_FORMAT_EXTENSIBLE after the
// 16-bit format tag: {0000xxxx-0000-0010-8000-00AA00389B71}.
constexpr std::uint8_t kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                             0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// Rates a sound device can be asked for.
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
bool Is(const std::uint8_t* p, const char (&id)[5]) { return std::memcmp(p, id, 4) == 0; }

struct Format {
    std::uint16_t tag = 0;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
};

// The "fmt " chunk body, `size` bytes at `at`; nothing when it is too short.
std::optional<Format> ReadFormat(FileWindow& file, std::uint64_t at, std::uint32_t size) {
    if (size < 16) return std::nullopt;
    const size_t want = std::min<size_t>(size, 40);
    const std::uint8_t* p = file.Get(at, want);
    if (!p) return std::nullopt;
    Format f;
    f.tag = U16(p);
    f.channels = U16(p + 2);
    f.sampleRate = static_cast<int>(std::min<std::uint32_t>(U32(p + 4), 0x7FFFFFFF));
    f.blockAlign = U16(p + 12);
    f.bitsPerSample = U16(p + 14);
    if (f.tag == kFormatExtensible) {
        // The real format is the sub-format's tag.
        if (want < 40 || U16(p + 16) < 22 || std::memcmp(p + 26, kSubFormatTail, sizeof kSubFormatTail) != 0)
            return std::nullopt;
        f.tag = U16(p + 24);
    }
    return f;
}

bool Playable(const Format& f) {
    return f.tag == kFormatPcm && (f.channels == 1 || f.channels == 2) &&
           (f.bitsPerSample == 8 || f.bitsPerSample == 16 || f.bitsPerSample == 24) &&
           f.blockAlign == f.channels * f.bitsPerSample / 8 && f.sampleRate >= kMinRate && f.sampleRate <= kMaxRate;
}

}  // namespace

WavProbe ProbeWav(FileWindow& file) {
    WavProbe probe;
    const std::uint8_t* riff = file.Get(0, 12);
    if (!riff || !Is(riff, "RIFF") || !Is(riff + 8, "WAVE")) return probe;
    probe.kind = WavKind::Unsupported;

    std::optional<Format> format;
    std::optional<std::uint64_t> dataOffset;
    std::uint64_t dataBytes = 0;
    const std::uint64_t size = file.Size();
    for (std::uint64_t at = 12; at + 8 <= size && !(format && dataOffset);) {
        const std::uint8_t* chunk = file.Get(at, 8);
        if (!chunk) break;
        const std::uint32_t chunkBytes = U32(chunk + 4);
        const std::uint64_t body = at + 8;
        if (Is(chunk, "fmt ") && !format) {
            format = ReadFormat(file, body, chunkBytes);
            if (!format) return probe;
        } else if (Is(chunk, "data") && !dataOffset) {
            // A size larger than the file (a cut file, or a writer that never
            // came back to fill it in) means: up to the end.
            dataOffset = body;
            dataBytes = std::min<std::uint64_t>(chunkBytes, size - body);
        }
        at = body + chunkBytes + (chunkBytes & 1);  // chunks are padded to even sizes
    }
    if (!format || !dataOffset) return probe;
    if (format->tag == kFormatMp3) {
        probe.kind = WavKind::Mp3;
        return probe;
    }
    if (!Playable(*format)) return probe;
    probe.kind = WavKind::Pcm;
    probe.layout = {format->channels, format->sampleRate, format->bitsPerSample, *dataOffset, dataBytes};
    return probe;
}

void ConvertPcmTo16(const std::uint8_t* in, size_t samples, int bitsPerSample, std::int16_t* out) {
    switch (bitsPerSample) {
        case 8:
            for (size_t i = 0; i < samples; ++i) out[i] = static_cast<std::int16_t>((in[i] - 128) * 256);
            break;
        case 16: std::memcpy(out, in, samples * 2); break;
        case 24:
            for (size_t i = 0; i < samples; ++i)
                out[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(in[3 * i + 1] | (in[3 * i + 2] << 8)));
            break;
        default: std::memset(out, 0, samples * 2); break;
    }
}

}  // namespace pelorin
