#include "app/audio/wav_decoder.h"

#include <algorithm>
#include <atomic>

namespace pelorin {
namespace {

// Frames converted per file access (64 KiB of 16-bit stereo).
constexpr size_t kFramesPerPiece = 16384;

// Decoders alive in this process.
std::atomic<long>& LiveDecoders() {
    static std::atomic<long> count{0};
    return count;
}

}  // namespace

WavDecoder::WavDecoder(FileWindow file, const WavLayout& layout)
    : file_(std::move(file)), layout_(layout), format_{layout.channels, layout.sampleRate} {
    ++LiveDecoders();
}

WavDecoder::~WavDecoder() { --LiveDecoders(); }

long WavDecoder::LiveCount() { return LiveDecoders().load(); }

std::unique_ptr<WavDecoder> WavDecoder::Open(const std::wstring& path) {
    FileWindow file;
    if (!file.Open(path)) return nullptr;
    const WavProbe probe = ProbeWav(file);
    if (probe.kind != WavKind::Pcm) return nullptr;
    return Open(std::move(file), probe.layout);
}

std::unique_ptr<WavDecoder> WavDecoder::Open(FileWindow file, const WavLayout& layout) {
    return std::unique_ptr<WavDecoder>(new WavDecoder(std::move(file), layout));
}

size_t WavDecoder::Read(std::int16_t* out, size_t frames) {
    const size_t frameBytes = layout_.BytesPerFrame();
    const size_t channels = static_cast<size_t>(layout_.channels);
    size_t done = 0;
    while (done < frames && position_ < layout_.Frames()) {
        const size_t n = static_cast<size_t>(
            std::min<std::uint64_t>({frames - done, layout_.Frames() - position_, kFramesPerPiece}));
        const std::uint8_t* bytes = file_.Get(layout_.dataOffset + position_ * frameBytes, n * frameBytes);
        if (!bytes) {
            position_ = layout_.Frames();  // the file was cut: end here
            break;
        }
        ConvertPcmTo16(bytes, n * channels, layout_.bitsPerSample, out + done * channels);
        position_ += n;
        done += n;
    }
    return done;
}

}  // namespace pelorin
