#include "app/audio/playback.h"

#include "app/audio/playback_diagnostics.h"
#include "app/audio/playback_engine.h"

namespace pelorin {

void PlayMp3(const std::wstring& file, std::optional<int> count) {
    LARGE_INTEGER entry;
    ::QueryPerformanceCounter(&entry);
    PlaybackEngine::Instance().Play(file, count.value_or(1), entry.QuadPart);
}

void PauseMp3() { PlaybackEngine::Instance().Pause(); }

void ResumeMp3() { PlaybackEngine::Instance().Resume(); }

void StopMp3() { PlaybackEngine::Instance().Stop(); }

void SetOutputDevices(const std::wstring& output, const std::wstring& monitor, int monitorVolume) {
    PlaybackEngine::Instance().Route(output, monitor, monitorVolume);
}

void PreloadMp3(const std::wstring& file) { PlaybackEngine::Instance().Preload(file); }

void ShutdownPlayback() { PlaybackEngine::Instance().Shutdown(); }

PlaybackStats GetPlaybackStats() { return PlaybackEngine::Instance().Stats(); }

namespace {

template <typename Done>
bool WaitFor(Done done, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (done(GetPlaybackStats())) return true;
        if (::GetTickCount64() >= deadline) return false;
        ::Sleep(5);
    }
}

}  // namespace

bool WaitForPlaybackIdle(DWORD timeoutMs) {
    return WaitFor([](const PlaybackStats& s) { return s.commandsQueued == 0 && s.state == PlaybackState::Idle; },
                   timeoutMs);
}

bool WaitForPreloads(DWORD timeoutMs) {
    return WaitFor([](const PlaybackStats& s) { return s.soundsPending == 0; }, timeoutMs);
}

}  // namespace pelorin
