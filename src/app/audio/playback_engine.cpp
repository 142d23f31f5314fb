#include "app/audio/playback_engine.h"

#include <algorithm>
#include <cstdlib>

#include "app/audio/output_devices.h"
#include "app/audio/sound_file.h"

namespace pelorin {
namespace {

LONGLONG Ticks() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

std::wstring FullPath(const std::wstring& path) {
    if (path.empty()) return path;
    DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return path;
    std::wstring full(n, L'\0');
    n = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (n == 0 || n >= full.size()) return path;
    full.resize(n);
    return full;
}

// Frames at the start of a buffer that are quieter than 1% of full scale.
int LeadingSilence(const std::int16_t* samples, size_t frames, size_t channels) {
    constexpr int kThreshold = 328;
    for (size_t i = 0; i < frames * channels; ++i)
        if (std::abs(static_cast<int>(samples[i])) >= kThreshold) return static_cast<int>(i / channels);
    return static_cast<int>(frames);
}

}  // namespace

PlaybackEngine& PlaybackEngine::Instance() {
    // Never destroyed: the player thread must not be joined during static
    // destruction. ShutdownPlayback is the orderly end.
    static PlaybackEngine* engine = new PlaybackEngine();
    return *engine;
}

PlaybackEngine::PlaybackEngine()
    : commandReady_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      bufferDone_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      cache_([this](const PcmFormat& format) {
          Command warm{CommandKind::WarmUp};
          warm.format = format;
          Post(std::move(warm), false);
      }) {}

std::wstring PlaybackEngine::KeyOf(const std::wstring& fullPath) {
    std::wstring key = fullPath;
    if (!key.empty()) ::CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    return key;
}

void PlaybackEngine::Post(Command command, bool start) {
    if (start) {
        std::lock_guard lock(lifecycle_);
        if (!thread_.joinable()) {
            running_ = true;
            thread_ = std::thread([this] { Run(); });
        }
    }
    std::lock_guard lock(queueMutex_);
    if (!running_) return;
    queue_.push_back(std::move(command));
    ++pending_;
    ::SetEvent(commandReady_.Get());
}

void PlaybackEngine::Play(const std::wstring& path, int count, LONGLONG entryTicks) {
    Command play{CommandKind::Play};
    play.path = FullPath(path);
    play.key = KeyOf(play.path);
    play.count = count;
    play.entryTicks = entryTicks;
    Post(std::move(play));
}

void PlaybackEngine::Pause() { Post(Command{CommandKind::Pause}); }
void PlaybackEngine::Resume() { Post(Command{CommandKind::Resume}); }
void PlaybackEngine::Stop() { Post(Command{CommandKind::Stop}); }

void PlaybackEngine::Route(const std::wstring& output, const std::wstring& monitor, int monitorVolume) {
    Command route{CommandKind::Route};
    route.path = output;
    route.monitor = monitor;
    route.monitorVolume = std::clamp(monitorVolume, 0, 100);
    Post(std::move(route));
}

void PlaybackEngine::SetVolume(std::uint16_t left, std::uint16_t right) {
    Command volume{CommandKind::Volume};
    volume.left = left;
    volume.right = right;
    Post(std::move(volume));
}

void PlaybackEngine::SetMute(bool muted) {
    Command mute{CommandKind::Mute};
    mute.muted = muted;
    Post(std::move(mute));
}

void PlaybackEngine::Preload(const std::wstring& path) {
    {
        // The player thread opens the device as soon as the first sound is
        // decoded, so the first click does not pay for opening it.
        std::lock_guard lock(lifecycle_);
        if (!thread_.joinable()) {
            running_ = true;
            thread_ = std::thread([this] { Run(); });
        }
    }
    const std::wstring full = FullPath(path);
    cache_.Request(KeyOf(full), full);
}

void PlaybackEngine::Shutdown() {
    std::lock_guard lock(lifecycle_);
    cache_.Clear();
    if (thread_.joinable()) {
        {
            std::lock_guard queueLock(queueMutex_);
            queue_.push_back(Command{CommandKind::Exit});
            ::SetEvent(commandReady_.Get());
        }
        thread_.join();
    }
    // The thread has ended (or never ran): its state is this thread's to reset.
    player_ = PlayerState{};
    std::lock_guard queueLock(queueMutex_);
    running_ = false;
    queue_.clear();
    pending_ = 0;
    std::lock_guard statsLock(statsMutex_);
    stats_ = PlaybackStats{};
}

PlaybackStats PlaybackEngine::Stats() {
    PlaybackStats stats;
    {
        std::lock_guard lock(statsMutex_);
        stats = stats_;
    }
    stats.commandsQueued = pending_.load();
    stats.soundsReady = cache_.ReadyCount();
    stats.soundsPending = cache_.PendingCount();
    stats.liveDecoders = LiveSoundDecoders();
    stats.liveDevices = WaveDevice::LiveCount();
    return stats;
}

void PlaybackEngine::Run() {
    // Filling the device must win over the user interface and the decoding of presets.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    const HANDLE waits[] = {commandReady_.Get(), bufferDone_.Get()};
    for (;;) {
        ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
        std::deque<Command> batch;
        {
            std::lock_guard lock(queueMutex_);
            batch.swap(queue_);
        }
        for (Command& command : batch) {
            if (command.kind == CommandKind::Exit) {
                StopPlayback();
                CloseDevices();
                return;
            }
            Handle(command);
        }
        Feed();
        PublishState();
        pending_ -= batch.size();
    }
}

void PlaybackEngine::Handle(Command& command) {
    switch (command.kind) {
        case CommandKind::Play: StartPlayback(command); break;
        case CommandKind::Pause:
            if (player_.current && !player_.paused) {
                for (auto& device : player_.devices)
                    if (device) device->Pause();
                player_.paused = true;
            }
            break;
        case CommandKind::Resume:
            if (player_.current && player_.paused) {
                for (auto& device : player_.devices)
                    if (device) device->Resume();
                player_.paused = false;
            }
            break;
        case CommandKind::Stop: StopPlayback(); break;
        case CommandKind::Route:
            StopPlayback();
            CloseDevices();
            player_.outputName = command.path;
            player_.monitorName = command.monitor;
            player_.monitorVolume = command.monitorVolume;
            ResolveRoute();
            if (player_.warmFormat) UseDevice(*player_.warmFormat);
            break;
        case CommandKind::Volume:
            player_.volumeLeft = command.left;
            player_.volumeRight = command.right;
            ApplyVolume();
            break;
        case CommandKind::Mute:
            player_.muted = command.muted;
            ApplyVolume();
            break;
        case CommandKind::WarmUp:
            player_.warmFormat = command.format;
            if (!player_.current) UseDevice(*player_.warmFormat);
            break;
        case CommandKind::Exit: break;
    }
}

void PlaybackEngine::StartPlayback(Command& command) {
    StopPlayback();
    {
        std::lock_guard lock(statsMutex_);
        ++stats_.playsHandled;
    }
    if (command.count == 0) return;

    std::unique_ptr<PcmSource> source;
    if (std::shared_ptr<const PcmSound> sound = cache_.Find(command.key)) {
        source = std::make_unique<MemorySource>(std::move(sound));
    } else {
        source = OpenSoundFile(command.path);
    }
    if (!source || !UseDevice(source->Format())) return;

    player_.current.emplace();
    player_.current->source = std::move(source);
    player_.current->passesLeft = command.count > 0 ? command.count : -1;
    player_.current->entryTicks = command.entryTicks;
    Feed();
}

void PlaybackEngine::StopPlayback() {
    if (player_.current)
        for (auto& device : player_.devices)
            if (device) device->Stop();
    player_.current.reset();
    player_.paused = false;
}

void PlaybackEngine::CloseDevices() {
    for (auto& device : player_.devices) device.reset();
}

void PlaybackEngine::ResolveRoute() {
    // A name not present now (a cable uninstalled, a headset unplugged) is
    // the default device; the name itself is kept for later.
    auto resolve = [](const std::wstring& name) -> UINT {
        if (name.empty() || name == kDefaultOutputName) return WAVE_MAPPER;
        return FindOutputDevice(name).value_or(WAVE_MAPPER);
    };
    player_.outputId = resolve(player_.outputName);
    player_.monitorId.reset();
    if (player_.monitorName.empty()) return;
    const UINT monitor = resolve(player_.monitorName);
    // The same sound twice on one device is no monitor, only an echo.
    if (ActualOutputDevice(monitor) != ActualOutputDevice(player_.outputId)) player_.monitorId = monitor;
}

bool PlaybackEngine::UseDevice(const PcmFormat& format) {
    for (auto& device : player_.devices)
        if (device && !(device->Format() == format)) device.reset();
    if (player_.devices[kOutput] && (player_.devices[kMonitor] || !player_.monitorId)) return true;
    // Something is to be opened: the names may stand for other devices by now.
    ResolveRoute();
    if (!player_.devices[kOutput]) {
        player_.devices[kOutput] = WaveDevice::Open(format, bufferDone_.Get(), player_.outputId);
        if (!player_.devices[kOutput] && player_.outputId != WAVE_MAPPER)
            player_.devices[kOutput] = WaveDevice::Open(format, bufferDone_.Get(), WAVE_MAPPER);
    }
    if (player_.monitorId && !player_.devices[kMonitor])
        player_.devices[kMonitor] = WaveDevice::Open(format, bufferDone_.Get(), *player_.monitorId);
    ApplyVolume();
    return AnyDevice();
}

void PlaybackEngine::ApplyVolume() {
    for (auto& device : player_.devices)
        if (device) device->SetVolume(player_.muted ? 0 : player_.volumeLeft, player_.muted ? 0 : player_.volumeRight);
}

size_t PlaybackEngine::Fill(std::int16_t* out, size_t frames) {
    Playback& p = *player_.current;
    const size_t channels = static_cast<size_t>(p.source->Format().channels);
    size_t filled = 0;
    while (filled < frames && p.passesLeft != 0) {
        const size_t n = p.source->Read(out + filled * channels, frames - filled);
        if (n > 0) {
            filled += n;
            p.soundThisPass = true;
            continue;
        }
        // The end of one pass through the sound.
        if (p.passesLeft > 0) --p.passesLeft;
        if (p.passesLeft == 0) break;
        if (!p.soundThisPass || !p.source->Rewind()) {
            p.passesLeft = 0;
            break;
        }
        p.soundThisPass = false;
    }
    return filled;
}

bool PlaybackEngine::WriteToDevices(const std::array<int, kSinkCount>& buffers, size_t from, size_t frames) {
    const std::int16_t* data = player_.devices[from]->BufferData(buffers[from]);
    const size_t channels = player_.devices[from]->Format().BytesPerFrame() / 2;
    const size_t samples = frames * channels;
    const bool first = !player_.current->written;
    const int silence = first ? LeadingSilence(data, frames, channels) : 0;
    // Every buffer is ready before the first write, so the devices start together.
    for (size_t d = 0; d < kSinkCount; ++d)
        if (player_.devices[d] && d != from) std::copy_n(data, samples, player_.devices[d]->BufferData(buffers[d]));
    if (player_.devices[kMonitor] && player_.monitorVolume < 100) {
        std::int16_t* monitor = player_.devices[kMonitor]->BufferData(buffers[kMonitor]);
        for (size_t i = 0; i < samples; ++i)
            monitor[i] = static_cast<std::int16_t>(monitor[i] * player_.monitorVolume / 100);
    }
    std::array<LONGLONG, kSinkCount> firstWrite{};
    for (size_t d = 0; d < kSinkCount; ++d) {
        if (!player_.devices[d]) continue;
        const LONGLONG before = Ticks();
        if (!player_.devices[d]->Write(buffers[d], frames)) {
            // This device broke down (unplugged, say): its stream ends, the
            // other plays on; the next play opens it anew.
            player_.devices[d].reset();
            continue;
        }
        if (!player_.current->sinkWritten[d]) firstWrite[d] = before;
        player_.current->sinkWritten[d] = true;
    }
    if (!AnyDevice()) return false;
    player_.current->written = true;
    std::lock_guard lock(statsMutex_);
    if (first) {
        ++stats_.playsStarted;
        stats_.playEntryTicks = player_.current->entryTicks;
        stats_.firstWriteTicks = firstWrite[kOutput] ? firstWrite[kOutput] : firstWrite[kMonitor];
        stats_.monitorFirstWriteTicks = firstWrite[kMonitor];
        stats_.fromMemory = player_.current->source->InMemory();
        stats_.firstBufferLeadingSilence = silence;
    } else if (firstWrite[kMonitor] && !stats_.monitorFirstWriteTicks) {
        stats_.monitorFirstWriteTicks = firstWrite[kMonitor];
    }
    return true;
}

void PlaybackEngine::Feed() {
    if (!player_.current || !AnyDevice()) return;
    while (!player_.current->sourceDone) {
        // Both devices take the same buffer, so both must have one free.
        std::array<int, kSinkCount> buffers{-1, -1};
        size_t from = kSinkCount;
        bool allFree = true;
        for (size_t d = 0; d < kSinkCount; ++d) {
            if (!player_.devices[d]) continue;
            buffers[d] = player_.devices[d]->FreeBuffer();
            if (buffers[d] < 0) allFree = false;
            if (from == kSinkCount) from = d;
        }
        if (!allFree) break;
        const size_t frames = Fill(player_.devices[from]->BufferData(buffers[from]), WaveDevice::kBufferFrames);
        if (frames == 0) {
            player_.current->sourceDone = true;
            break;
        }
        if (!WriteToDevices(buffers, from, frames)) {
            StopPlayback();
            return;
        }
    }
    bool drained = true;
    for (auto& device : player_.devices)
        if (device && !device->Drained()) drained = false;
    if (player_.current->sourceDone && drained) {
        player_.current.reset();
        player_.paused = false;
        // Back to the presets' format, so the next click finds the devices ready.
        if (player_.warmFormat) UseDevice(*player_.warmFormat);
    }
}

void PlaybackEngine::PublishState() {
    std::lock_guard lock(statsMutex_);
    stats_.state = !player_.current ? PlaybackState::Idle
                   : player_.paused ? PlaybackState::Paused
                                    : PlaybackState::Playing;
    const WaveDevice* any = player_.devices[kOutput] ? player_.devices[kOutput].get() : player_.devices[kMonitor].get();
    stats_.deviceFormat = any ? std::optional<PcmFormat>(any->Format()) : std::nullopt;
    stats_.outputDevice =
        player_.devices[kOutput] ? std::optional<UINT>(player_.devices[kOutput]->DeviceId()) : std::nullopt;
    stats_.monitorDevice =
        player_.devices[kMonitor] ? std::optional<UINT>(player_.devices[kMonitor]->DeviceId()) : std::nullopt;
}

}  // namespace pelorin
