#pragma once
// The player behind playback.h: a thread that owns the output device and the
// current playback, fed by a queue of commands from any thread.

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "app/audio/pcm_source.h"
#include "app/audio/playback_diagnostics.h"
#include "app/audio/sound_cache.h"
#include "app/audio/wave_device.h"
#include "base/handle.h"

namespace pelorin {

class PlaybackEngine {
public:
    static PlaybackEngine& Instance();

    void Play(const std::wstring& path, int count, LONGLONG entryTicks);
    void Pause();
    void Resume();
    void Stop();
    // Names as OutputDeviceNames lists them; see SetOutputDevices (playback.h).
    void Route(const std::wstring& output, const std::wstring& monitor, int monitorVolume);
    void Preload(const std::wstring& path);
    void SetVolume(std::uint16_t left, std::uint16_t right);
    void SetMute(bool muted);
    void Shutdown();

    PlaybackStats Stats();

private:
    enum class CommandKind { Play, Pause, Resume, Stop, Route, Volume, Mute, WarmUp, Exit };
    struct Command {
        explicit Command(CommandKind k) : kind(k) {}
        CommandKind kind;
        std::wstring path;
        std::wstring key;
        int count = 1;
        LONGLONG entryTicks = 0;
        std::uint16_t left = 0, right = 0;
        bool muted = false;
        PcmFormat format;
        std::wstring monitor;  // Route: `path` is the output's name
        int monitorVolume = 100;
    };
    // The output (0) and the monitor (1): each plays the same buffers.
    static constexpr size_t kOutput = 0, kMonitor = 1, kSinkCount = 2;
    struct Playback {
        std::unique_ptr<PcmSource> source;
        int passesLeft = 1;  // negative: endless
        bool soundThisPass = false;
        bool sourceDone = false;
        bool written = false;
        std::array<bool, kSinkCount> sinkWritten{};
        LONGLONG entryTicks = 0;
    };

    PlaybackEngine();
    // Queues a command, starting the thread when `start` (or only when running).
    void Post(Command command, bool start = true);
    void Run();
    void Handle(Command& command);
    void StartPlayback(Command& command);
    void StopPlayback();
    bool UseDevice(const PcmFormat& format);
    // The device identifiers the routing names stand for now.
    void ResolveRoute();
    void CloseDevices();
    bool AnyDevice() const { return player_.devices[kOutput] || player_.devices[kMonitor]; }
    void ApplyVolume();
    // Hands the `frames` frames just filled into the free buffer of device
    // `from` to every device (`buffers`: each one's free buffer); false when
    // no device is left.
    bool WriteToDevices(const std::array<int, kSinkCount>& buffers, size_t from, size_t frames);
    // Keeps the device's buffers full; ends the playback once it has all been played.
    void Feed();
    size_t Fill(std::int16_t* out, size_t frames);
    void PublishState();

    static std::wstring KeyOf(const std::wstring& path);

    std::mutex lifecycle_;  // serialises starting and stopping the thread
    std::mutex queueMutex_;
    std::deque<Command> queue_;
    bool running_ = false;                   // commands are accepted (guarded by queueMutex_)
    std::atomic<std::uint64_t> pending_{0};  // commands posted, not handled yet
    UniqueKernelHandle commandReady_;
    UniqueKernelHandle bufferDone_;
    std::thread thread_;
    SoundCache cache_;

    // What the player thread keeps between commands; a shutdown starts it
    // afresh (routing to the default device, full volume, nothing preloaded).
    struct PlayerState {
        std::array<std::unique_ptr<WaveDevice>, kSinkCount> devices;
        std::wstring outputName, monitorName;
        int monitorVolume = 100;
        UINT outputId = WAVE_MAPPER;
        std::optional<UINT> monitorId;
        std::optional<Playback> current;
        bool paused = false;
        std::uint16_t volumeLeft = 0xFFFF, volumeRight = 0xFFFF;
        bool muted = false;
        std::optional<PcmFormat> warmFormat;  // the format of preloaded sounds
    };
    PlayerState player_;  // owned by the player thread while it runs

    std::mutex statsMutex_;
    PlaybackStats stats_;
};

}  // namespace pelorin
