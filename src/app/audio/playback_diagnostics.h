#pragma once
// What the player is doing, for tests and benchmarks.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "app/audio/pcm.h"

namespace pelorin {

enum class PlaybackState { Idle, Playing, Paused };

struct PlaybackStats {
    PlaybackState state = PlaybackState::Idle;
    std::uint64_t commandsQueued = 0;  // calls not yet handled by the player thread
    std::uint64_t playsHandled = 0;

    // The latest playback that reached the device.
    std::uint64_t playsStarted = 0;
    LONGLONG playEntryTicks = 0;        // QueryPerformanceCounter at the entry of PlayMp3
    LONGLONG firstWriteTicks = 0;       // ... just before its first waveOutWrite (the output's)
    LONGLONG monitorFirstWriteTicks = 0;  // ... just before the monitor's first one; 0: no monitor
    bool fromMemory = false;            // a preloaded sound, not a decoder
    int firstBufferLeadingSilence = 0;  // frames below 1% of full scale at the start of that buffer

    size_t soundsReady = 0;    // preloaded and decoded
    size_t soundsPending = 0;  // preloads not decoded yet
    std::optional<PcmFormat> deviceFormat;
    // The waveOut identifiers of the open output and monitor devices
    // (WAVE_MAPPER for the default one); nothing when not open.
    std::optional<UINT> outputDevice;
    std::optional<UINT> monitorDevice;
    long liveDecoders = 0;
    long liveDevices = 0;
};

PlaybackStats GetPlaybackStats();

// Waits until every call made so far has been handled and nothing plays.
bool WaitForPlaybackIdle(DWORD timeoutMs);
// Waits until every preload asked for so far is decoded (or failed).
bool WaitForPreloads(DWORD timeoutMs);

}  // namespace pelorin
