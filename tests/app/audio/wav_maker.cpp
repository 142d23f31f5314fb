#include "wav_maker.h"

#include <cmath>

namespace pelorin::test {
namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string Chunk(const char (&id)[5], const std::string& body) {
    std::string out(id, 4);
    Put(out, static_cast<std::uint32_t>(body.size()), 4);
    out += body;
    if (body.size() % 2) out += '\0';
    return out;
}

std::string WavFile::Bytes() const {
    const int bytesPerSample = bits / 8;
    std::string format;
    Put(format, formatTag, 2);
    Put(format, static_cast<std::uint32_t>(channels), 2);
    Put(format, static_cast<std::uint32_t>(sampleRate), 4);
    Put(format, static_cast<std::uint32_t>(sampleRate * channels * bytesPerSample), 4);
    Put(format, static_cast<std::uint32_t>(channels * bytesPerSample), 2);
    Put(format, static_cast<std::uint32_t>(bits), 2);
    if (formatTag == 0xFFFE) {
        Put(format, 22, 2);
        Put(format, static_cast<std::uint32_t>(bits), 2);  // valid bits
        Put(format, channels == 1 ? 0x4 : 0x3, 4);         // speaker positions
        Put(format, subFormatTag, 2);
        format += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }
    std::string data;
    for (std::int32_t s : samples) Put(data, static_cast<std::uint32_t>(s), bytesPerSample);

    std::string body = "WAVE" + chunksBeforeFormat + Chunk("fmt ", format) + chunksBeforeData;
    std::string dataChunk = Chunk("data", data);
    if (dataSizeField) {
        std::string size;
        Put(size, *dataSizeField, 4);
        dataChunk.replace(4, 4, size);
    }
    body += dataChunk;
    std::string out = "RIFF";
    Put(out, static_cast<std::uint32_t>(body.size()), 4);
    return out + body;
}

std::vector<std::int32_t> TestSignal(int channels, int bits, int sampleRate, size_t frames) {
    std::vector<std::int32_t> samples;
    samples.reserve(frames * static_cast<size_t>(channels));
    const double full = bits == 8 ? 127.0 : bits == 16 ? 32767.0 : 8388607.0;
    const size_t step = static_cast<size_t>(sampleRate / 20);
    for (size_t i = 0; i < frames; ++i) {
        // Loudness 0.3 .. 1.0, changing every 50 ms.
        const double level = 0.3 + 0.7 * static_cast<double>((i / step) % 8) / 7.0;
        for (int c = 0; c < channels; ++c) {
            const double hz = c == 0 ? 440.0 : 660.0;
            const double v = level * std::sin(2 * 3.14159265358979 * hz * static_cast<double>(i) / sampleRate);
            const std::int32_t q = static_cast<std::int32_t>(std::lround(v * full));
            samples.push_back(bits == 8 ? q + 128 : q);
        }
    }
    return samples;
}

PcmSound Expected16(const WavFile& file) {
    PcmSound sound;
    sound.format = {file.channels, file.sampleRate};
    for (std::int32_t s : file.samples) {
        std::int32_t v = s;
        if (file.bits == 8) v = (s - 128) * 256;
        if (file.bits == 24) v = static_cast<std::int32_t>(std::floor(s / 256.0));
        sound.samples.push_back(static_cast<std::int16_t>(v));
    }
    return sound;
}

}  // namespace pelorin::test
