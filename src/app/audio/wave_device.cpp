#include "app/audio/wave_device.h"

#include <atomic>

namespace pelorin {
namespace {

// Devices open in this process.
std::atomic<long>& LiveDevices() {
    static std::atomic<long> count{0};
    return count;
}

}  // namespace

WaveDevice::WaveDevice() { ++LiveDevices(); }

long WaveDevice::LiveCount() { return LiveDevices().load(); }

std::unique_ptr<WaveDevice> WaveDevice::Open(const PcmFormat& format, HANDLE bufferDone, UINT deviceId) {
    std::unique_ptr<WaveDevice> device(new WaveDevice());
    device->format_ = format;
    device->deviceId_ = deviceId;
    WAVEFORMATEX wfx = format.ToWaveFormat();
    HWAVEOUT handle = nullptr;
    if (::waveOutOpen(&handle, deviceId, &wfx, reinterpret_cast<DWORD_PTR>(bufferDone), 0, CALLBACK_EVENT) !=
        MMSYSERR_NOERROR)
        return nullptr;
    device->handle_.Reset(handle);
    for (Buffer& b : device->buffers_) b.samples.resize(kBufferFrames * static_cast<size_t>(format.channels));
    return device;
}

WaveDevice::~WaveDevice() {
    Stop();
    handle_.Reset();
    --LiveDevices();
}

void WaveDevice::Reclaim(Buffer& buffer) {
    ::waveOutUnprepareHeader(handle_.Get(), &buffer.header, sizeof(buffer.header));
    buffer.queued = false;
}

int WaveDevice::FreeBuffer() {
    for (size_t i = 0; i < kBufferCount; ++i) {
        Buffer& b = buffers_[i];
        if (b.queued && (b.header.dwFlags & WHDR_DONE)) Reclaim(b);
        if (!b.queued) return static_cast<int>(i);
    }
    return -1;
}

bool WaveDevice::Write(int index, size_t frames) {
    Buffer& b = buffers_[static_cast<size_t>(index)];
    b.header = WAVEHDR{};
    b.header.lpData = reinterpret_cast<LPSTR>(b.samples.data());
    b.header.dwBufferLength = static_cast<DWORD>(frames * format_.BytesPerFrame());
    if (::waveOutPrepareHeader(handle_.Get(), &b.header, sizeof(b.header)) != MMSYSERR_NOERROR) return false;
    b.queued = true;
    if (::waveOutWrite(handle_.Get(), &b.header, sizeof(b.header)) != MMSYSERR_NOERROR) {
        Reclaim(b);
        return false;
    }
    return true;
}

bool WaveDevice::Drained() {
    for (Buffer& b : buffers_) {
        if (b.queued && (b.header.dwFlags & WHDR_DONE)) Reclaim(b);
        if (b.queued) return false;
    }
    return true;
}

void WaveDevice::Stop() {
    if (!handle_) return;
    // Reset returns every queued buffer marked done; a paused device stays
    // paused on some systems, so it is restarted explicitly.
    ::waveOutReset(handle_.Get());
    ::waveOutRestart(handle_.Get());
    for (Buffer& b : buffers_)
        if (b.queued) Reclaim(b);
}

void WaveDevice::SetVolume(std::uint16_t left, std::uint16_t right) {
    ::waveOutSetVolume(handle_.Get(), (static_cast<DWORD>(right) << 16) | left);
}

}  // namespace pelorin
