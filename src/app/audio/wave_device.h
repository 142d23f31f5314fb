#pragma once
// One open waveOut device with a small ring of buffers. The playback thread
// fills a free buffer and queues it; the device signals an event each time it
// finishes one. Opening a device costs tens of milliseconds (well over 100 ms
// the first time), so the playback thread keeps one open between sounds.

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/audio/pcm.h"
#include "base/handle.h"

namespace pelorin {

struct WaveOutTraits {
    using type = HWAVEOUT;
    // Sound devices are system resources of the process: counted with the kernel handles.
    static constexpr HandleKind kind = HandleKind::Kernel;
    static constexpr HWAVEOUT Invalid() noexcept { return nullptr; }
    static void Close(HWAVEOUT h) noexcept {
        ::waveOutReset(h);
        ::waveOutClose(h);
    }
};
using UniqueWaveOut = UniqueHandle<WaveOutTraits>;

class WaveDevice {
public:
    static constexpr size_t kBufferCount = 4;
    static constexpr size_t kBufferFrames = 4096;  // about 93 ms at 44.1 kHz

    // Opens the output `deviceId` (WAVE_MAPPER: the default one) for `format`;
    // `bufferDone` is set whenever the device gives a buffer back. Nothing
    // when there is no usable device.
    static std::unique_ptr<WaveDevice> Open(const PcmFormat& format, HANDLE bufferDone, UINT deviceId = WAVE_MAPPER);
    ~WaveDevice();
    WaveDevice(const WaveDevice&) = delete;
    WaveDevice& operator=(const WaveDevice&) = delete;

    const PcmFormat& Format() const { return format_; }
    UINT DeviceId() const { return deviceId_; }

    // Index of a buffer that is not queued at the device, or -1.
    int FreeBuffer();
    std::int16_t* BufferData(int index) { return buffers_[static_cast<size_t>(index)].samples.data(); }
    // Queues the first `frames` frames of the buffer.
    bool Write(int index, size_t frames);
    // True when no buffer is queued.
    bool Drained();

    // Drops everything queued at once; the device is playing (not paused) afterwards.
    void Stop();
    void Pause() { ::waveOutPause(handle_.Get()); }
    void Resume() { ::waveOutRestart(handle_.Get()); }
    // 0..0xFFFF per channel, applied at once to what is playing.
    void SetVolume(std::uint16_t left, std::uint16_t right);

    // Devices open in this process (for leak checks).
    static long LiveCount();

private:
    struct Buffer {
        WAVEHDR header{};
        std::vector<std::int16_t> samples;
        bool queued = false;
    };

    WaveDevice();
    void Reclaim(Buffer& buffer);

    PcmFormat format_;
    UINT deviceId_ = WAVE_MAPPER;
    UniqueWaveOut handle_;
    std::array<Buffer, kBufferCount> buffers_;
};

}  // namespace pelorin
