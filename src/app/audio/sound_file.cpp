#include "app/audio/sound_file.h"

#include "app/audio/mp3_decoder.h"
#include "app/audio/wav_decoder.h"

namespace pelorin {
namespace {

template <typename Decoder>
std::unique_ptr<PcmSource> AsSource(std::unique_ptr<Decoder> decoder) {
    if (!decoder) return nullptr;
    return std::make_unique<DecoderSource<Decoder>>(std::move(decoder));
}

}  // namespace

std::unique_ptr<PcmSource> OpenSoundFile(const std::wstring& path) {
    FileWindow file;
    if (!file.Open(path)) return nullptr;
    const WavProbe probe = ProbeWav(file);
    switch (probe.kind) {
        case WavKind::Pcm: return AsSource(WavDecoder::Open(std::move(file), probe.layout));
        case WavKind::Unsupported: return nullptr;
        case WavKind::Mp3:
        case WavKind::NotWave: break;
    }
    return AsSource(Mp3Decoder::Open(std::move(file)));
}

std::optional<PcmSound> DecodeSoundFile(const std::wstring& path, std::uint64_t maxFrames,
                                        const std::atomic<bool>* cancel) {
    std::unique_ptr<PcmSource> source = OpenSoundFile(path);
    if (!source) return std::nullopt;
    return ReadWholeSource(*source, maxFrames, cancel);
}

long LiveSoundDecoders() { return Mp3Decoder::LiveCount() + WavDecoder::LiveCount(); }

}  // namespace pelorin
