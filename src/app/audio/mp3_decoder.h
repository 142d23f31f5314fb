#pragma once
// Decodes an MP3 file to PCM piece by piece with the platform's own MP3 codec
// (Audio Compression Manager). Only what is asked for is decoded, so a long
// song is streamed, never held decoded in memory.
//
// When the file has a LAME tag, the samples that are not part of the sound are
// cut: the encoder's delay and the decoder's delay at the start, the padding
// at the end. The first sample handed out is then the sound's first sample.
// Files without that tag are played whole.

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/audio/mp3_frame_reader.h"
#include "app/audio/pcm.h"
#include "base/handle.h"

namespace pelorin {

// Samples the platform's layer III decoder outputs before the first encoded
// sample (its synthesis filter bank delay).
inline constexpr int kMp3DecoderDelay = 529;

struct AcmStreamTraits {
    using type = HACMSTREAM;
    // Codec streams are system resources of the process: counted with the kernel handles.
    static constexpr HandleKind kind = HandleKind::Kernel;
    static constexpr HACMSTREAM Invalid() noexcept { return nullptr; }
    static void Close(HACMSTREAM h) noexcept { ::acmStreamClose(h, 0); }
};
using UniqueAcmStream = UniqueHandle<AcmStreamTraits>;

class Mp3Decoder {
public:
    // Nothing when the file is missing, not an MP3 or the codec refuses it.
    static std::unique_ptr<Mp3Decoder> Open(const std::wstring& path);
    // The same for a file already open.
    static std::unique_ptr<Mp3Decoder> Open(FileWindow file);
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    const PcmFormat& Format() const { return format_; }

    // Frames of sound the file yields, when its info frame says so.
    std::optional<std::uint64_t> LengthFrames() const { return length_; }

    // Decodes up to `frames` interleaved frames into `out`; 0 at the end.
    size_t Read(std::int16_t* out, size_t frames);

    // Back to the first sample. False when the codec cannot be reopened.
    bool Rewind();

    // Decoders alive in this process (for leak checks).
    static long LiveCount();

private:
    Mp3Decoder();
    bool OpenCodec();
    void CloseCodec();
    // Feeds the codec more frames and appends what it returns to pcm_; false at the end.
    bool DecodeMore(size_t framesWanted);

    Mp3FrameReader reader_;
    PcmFormat format_;
    MPEGLAYER3WAVEFORMAT mp3Format_{};
    UniqueAcmStream stream_;
    ACMSTREAMHEADER header_{};
    bool headerPrepared_ = false;
    std::vector<std::uint8_t> source_;
    std::vector<std::uint8_t> decoded_;
    size_t sourceBytes_ = 0;  // bytes waiting in source_
    bool started_ = false;
    bool inputDone_ = false;
    bool finished_ = false;

    std::vector<std::int16_t> pcm_;  // decoded, not yet handed out
    size_t pcmRead_ = 0;             // samples of pcm_ already handed out

    std::uint64_t leadingFrames_ = 0;  // cut from the start of each pass
    std::optional<std::uint64_t> length_;
    std::uint64_t toSkip_ = 0;                // leading frames still to drop
    std::optional<std::uint64_t> toDeliver_;  // frames left before the end padding
};

// Decodes a whole file into memory. Nothing when the file cannot be decoded,
// holds no sound, is longer than `maxFrames`, or `cancel` becomes true.
std::optional<PcmSound> DecodeMp3File(const std::wstring& path, std::uint64_t maxFrames,
                                      const std::atomic<bool>* cancel = nullptr);

}  // namespace pelorin
