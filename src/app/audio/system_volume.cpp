#include "app/audio/system_volume.h"

#include <algorithm>
#include <cstdint>

#include "app/audio/playback_engine.h"

namespace pelorin {
namespace {

// The range of a waveOut channel volume.
constexpr int kProgramOutputMin = 0;
constexpr int kProgramOutputMax = 0xFFFF;

}  // namespace

bool SystemVolume::SelectLine(int line) {
    programOutput_ = line == kProgramOutputLine;
    return programOutput_;
}

int SystemVolume::MaxValue() const { return programOutput_ ? kProgramOutputMax : 0; }

int SystemVolume::MinValue() const { return programOutput_ ? kProgramOutputMin : 0; }

void SystemVolume::SetVolume(int left, int right) {
    if (!programOutput_) return;
    auto clamp = [](int v) { return static_cast<std::uint16_t>(std::clamp(v, kProgramOutputMin, kProgramOutputMax)); };
    PlaybackEngine::Instance().SetVolume(clamp(left), clamp(right));
}

void SystemVolume::SetMute(bool muted) {
    if (programOutput_) PlaybackEngine::Instance().SetMute(muted);
}

}  // namespace pelorin
