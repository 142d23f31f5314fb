#pragma once
// 16-bit interleaved PCM: the one sample format the decoder produces and the
// output device plays.

#include <cstdint>
#include <vector>

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>

namespace pelorin {

struct PcmFormat {
    int channels = 0;
    int sampleRate = 0;

    bool operator==(const PcmFormat&) const = default;
    size_t BytesPerFrame() const { return static_cast<size_t>(channels) * sizeof(std::int16_t); }

    WAVEFORMATEX ToWaveFormat() const {
        WAVEFORMATEX wfx{};
        wfx.wFormatTag = WAVE_FORMAT_PCM;
        wfx.nChannels = static_cast<WORD>(channels);
        wfx.nSamplesPerSec = static_cast<DWORD>(sampleRate);
        wfx.wBitsPerSample = 16;
        wfx.nBlockAlign = static_cast<WORD>(BytesPerFrame());
        wfx.nAvgBytesPerSec = wfx.nSamplesPerSec * wfx.nBlockAlign;
        return wfx;
    }
};

// A whole sound decoded into memory.
struct PcmSound {
    PcmFormat format;
    std::vector<std::int16_t> samples;  // interleaved

    size_t Frames() const { return format.channels ? samples.size() / static_cast<size_t>(format.channels) : 0; }
};

}  // namespace pelorin
