#include "app/audio/mp3_decoder.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>

#include "app/audio/pcm_source.h"

namespace pelorin {
namespace {

// Compressed frames handed to the codec per call at most (about 0.4 s of sound).
constexpr size_t kFramesPerCall = 16;
// What the MPEG layer III codecs of Windows and Wine expect as "codec delay".
constexpr WORD kMp3FormatCodecDelay = 1393;

struct AcmDriverTraits {
    using type = HACMDRIVER;
    static constexpr HandleKind kind = HandleKind::Kernel;
    static constexpr HACMDRIVER Invalid() noexcept { return nullptr; }
    static void Close(HACMDRIVER h) noexcept { ::acmDriverClose(h, 0); }
};

// Opening a stream without naming a driver asks every installed codec in turn
// (5-10 ms); with the driver that decoded MP3 before it takes about 1 ms. The
// driver stays open for the life of the process.
class Mp3Driver {
public:
    HACMSTREAM OpenStream(WAVEFORMATEX* mp3, WAVEFORMATEX* pcm) {
        std::lock_guard lock(mutex_);
        HACMSTREAM stream = nullptr;
        if (driver_ && ::acmStreamOpen(&stream, driver_.Get(), mp3, pcm, nullptr, 0, 0, 0) == MMSYSERR_NOERROR)
            return stream;
        if (::acmStreamOpen(&stream, nullptr, mp3, pcm, nullptr, 0, 0, 0) != MMSYSERR_NOERROR) return nullptr;
        HACMDRIVERID id = nullptr;
        HACMDRIVER driver = nullptr;
        if (!driver_ && ::acmDriverID(reinterpret_cast<HACMOBJ>(stream), &id, 0) == MMSYSERR_NOERROR &&
            ::acmDriverOpen(&driver, id, 0) == MMSYSERR_NOERROR)
            driver_.Reset(driver);
        return stream;
    }

private:
    std::mutex mutex_;
    UniqueHandle<AcmDriverTraits> driver_;
};

Mp3Driver& SharedMp3Driver() {
    static Mp3Driver driver;
    return driver;
}

// Decoders alive in this process.
std::atomic<long>& LiveDecoders() {
    static std::atomic<long> count{0};
    return count;
}

}  // namespace

Mp3Decoder::Mp3Decoder() { ++LiveDecoders(); }

Mp3Decoder::~Mp3Decoder() {
    CloseCodec();
    --LiveDecoders();
}

long Mp3Decoder::LiveCount() { return LiveDecoders().load(); }

std::unique_ptr<Mp3Decoder> Mp3Decoder::Open(const std::wstring& path) {
    FileWindow file;
    if (!file.Open(path)) return nullptr;
    return Open(std::move(file));
}

std::unique_ptr<Mp3Decoder> Mp3Decoder::Open(FileWindow file) {
    std::unique_ptr<Mp3Decoder> decoder(new Mp3Decoder());
    if (!decoder->reader_.Open(std::move(file))) return nullptr;

    const Mp3FrameHeader& h = decoder->reader_.StreamFormat();
    decoder->format_ = PcmFormat{h.channels, h.sampleRate};

    MPEGLAYER3WAVEFORMAT& f = decoder->mp3Format_;
    f.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    f.wfx.nChannels = static_cast<WORD>(h.channels);
    f.wfx.nSamplesPerSec = static_cast<DWORD>(h.sampleRate);
    f.wfx.nAvgBytesPerSec = static_cast<DWORD>(h.bitrateKbps) * 1000 / 8;
    f.wfx.nBlockAlign = 1;
    f.wfx.wBitsPerSample = 0;
    f.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    f.wID = MPEGLAYER3_ID_MPEG;
    f.fdwFlags = MPEGLAYER3_FLAG_PADDING_ISO;
    f.nBlockSize = static_cast<WORD>(h.frameBytes);
    f.nFramesPerBlock = 1;
    f.nCodecDelay = kMp3FormatCodecDelay;

    // Only a LAME tag says how much is not sound; anything else plays whole.
    if (const std::optional<Mp3InfoTag>& tag = decoder->reader_.InfoTag(); tag && tag->encoderDelay) {
        const std::uint64_t delay = static_cast<std::uint64_t>(*tag->encoderDelay);
        decoder->leadingFrames_ = delay + kMp3DecoderDelay;
        if (tag->frameCount) {
            const std::uint64_t coded = std::uint64_t{*tag->frameCount} * static_cast<std::uint64_t>(h.samplesPerFrame);
            const std::uint64_t notSound = delay + static_cast<std::uint64_t>(tag->endPadding.value_or(0));
            if (coded > notSound) decoder->length_ = coded - notSound;
        }
    }
    if (!decoder->Rewind()) return nullptr;
    return decoder;
}

bool Mp3Decoder::OpenCodec() {
    WAVEFORMATEX pcm = format_.ToWaveFormat();
    HACMSTREAM stream = SharedMp3Driver().OpenStream(&mp3Format_.wfx, &pcm);
    if (!stream) return false;
    stream_.Reset(stream);

    source_.resize(kFramesPerCall * kMp3MaxFrameBytes);
    DWORD decodedBytes = 0;
    ::acmStreamSize(stream, static_cast<DWORD>(source_.size()), &decodedBytes, ACM_STREAMSIZEF_SOURCE);
    // Never trust the estimate to be large enough for a whole call's worth of frames.
    const size_t atLeast = (kFramesPerCall + 2) * 1152 * format_.BytesPerFrame();
    decoded_.resize(std::max<size_t>(decodedBytes, atLeast));

    header_ = ACMSTREAMHEADER{};
    header_.cbStruct = sizeof(header_);
    header_.pbSrc = source_.data();
    header_.cbSrcLength = static_cast<DWORD>(source_.size());
    header_.pbDst = decoded_.data();
    header_.cbDstLength = static_cast<DWORD>(decoded_.size());
    if (::acmStreamPrepareHeader(stream, &header_, 0) != MMSYSERR_NOERROR) {
        stream_.Reset();
        return false;
    }
    headerPrepared_ = true;
    return true;
}

void Mp3Decoder::CloseCodec() {
    if (headerPrepared_) {
        // Unpreparing needs the lengths the header was prepared with.
        header_.cbSrcLength = static_cast<DWORD>(source_.size());
        header_.cbDstLength = static_cast<DWORD>(decoded_.size());
        ::acmStreamUnprepareHeader(stream_.Get(), &header_, 0);
        headerPrepared_ = false;
    }
    stream_.Reset();
}

bool Mp3Decoder::Rewind() {
    // A fresh codec stream: no state of the previous pass leaks into this one.
    CloseCodec();
    reader_.Rewind();
    pcm_.clear();
    pcmRead_ = 0;
    sourceBytes_ = 0;
    started_ = false;
    inputDone_ = false;
    finished_ = false;
    toSkip_ = leadingFrames_;
    toDeliver_ = length_;
    if (!OpenCodec()) {
        finished_ = true;
        return false;
    }
    return true;
}

bool Mp3Decoder::DecodeMore(size_t framesWanted) {
    if (finished_) return false;
    for (size_t added = 0; !inputDone_ && added < framesWanted && sourceBytes_ + kMp3MaxFrameBytes <= source_.size();
         ++added) {
        std::optional<std::span<const std::uint8_t>> frame = reader_.NextFrame();
        if (!frame) {
            inputDone_ = true;
            break;
        }
        std::memcpy(source_.data() + sourceBytes_, frame->data(), frame->size());
        sourceBytes_ += frame->size();
    }

    header_.cbSrcLength = static_cast<DWORD>(sourceBytes_);
    header_.cbSrcLengthUsed = 0;
    header_.cbDstLength = static_cast<DWORD>(decoded_.size());
    header_.cbDstLengthUsed = 0;
    DWORD flags = ACM_STREAMCONVERTF_BLOCKALIGN;
    if (!started_) flags |= ACM_STREAMCONVERTF_START;
    if (inputDone_) flags |= ACM_STREAMCONVERTF_END;
    if (::acmStreamConvert(stream_.Get(), &header_, flags) != MMSYSERR_NOERROR) {
        finished_ = true;
        return false;
    }
    started_ = true;

    const size_t used = std::min<size_t>(header_.cbSrcLengthUsed, sourceBytes_);
    std::memmove(source_.data(), source_.data() + used, sourceBytes_ - used);
    sourceBytes_ -= used;

    const size_t produced = std::min<size_t>(header_.cbDstLengthUsed, decoded_.size()) / sizeof(std::int16_t);
    const auto* samples = reinterpret_cast<const std::int16_t*>(decoded_.data());
    pcm_.insert(pcm_.end(), samples, samples + produced);

    // No progress and nothing more to give it: the codec is done (or stuck).
    if (used == 0 && produced == 0 && (inputDone_ || sourceBytes_ + kMp3MaxFrameBytes > source_.size()))
        finished_ = true;
    return produced > 0;
}

size_t Mp3Decoder::Read(std::int16_t* out, size_t frames) {
    const size_t channels = static_cast<size_t>(format_.channels);
    size_t written = 0;
    while (written < frames) {
        if (toDeliver_ && *toDeliver_ == 0) break;
        size_t available = (pcm_.size() - pcmRead_) / channels;
        if (available == 0) {
            pcm_.clear();
            pcmRead_ = 0;
            if (finished_) break;
            const std::uint64_t needed = toSkip_ + (frames - written);
            const size_t samplesPerFrame = static_cast<size_t>(reader_.StreamFormat().samplesPerFrame);
            DecodeMore(std::clamp<size_t>(static_cast<size_t>(needed / samplesPerFrame) + 2, 2, kFramesPerCall));
            continue;
        }
        if (toSkip_ > 0) {
            const size_t n = static_cast<size_t>(std::min<std::uint64_t>(available, toSkip_));
            pcmRead_ += n * channels;
            toSkip_ -= n;
            continue;
        }
        size_t n = std::min(available, frames - written);
        if (toDeliver_) n = static_cast<size_t>(std::min<std::uint64_t>(n, *toDeliver_));
        std::memcpy(out + written * channels, pcm_.data() + pcmRead_, n * channels * sizeof(std::int16_t));
        pcmRead_ += n * channels;
        written += n;
        if (toDeliver_) *toDeliver_ -= n;
    }
    return written;
}

std::optional<PcmSound> DecodeMp3File(const std::wstring& path, std::uint64_t maxFrames,
                                      const std::atomic<bool>* cancel) {
    std::unique_ptr<Mp3Decoder> decoder = Mp3Decoder::Open(path);
    if (!decoder) return std::nullopt;
    DecoderSource<Mp3Decoder> source(std::move(decoder));
    return ReadWholeSource(source, maxFrames, cancel);
}

}  // namespace pelorin
