#pragma once
// Opening a sound file by what it holds, not by its name: a RIFF/WAVE file
// of PCM is read as it is, anything else is tried as MP3 (also MP3 inside a
// RIFF/WAVE file).

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/audio/pcm_source.h"

namespace pelorin {

// A streaming source for the file; nothing when it cannot be played.
std::unique_ptr<PcmSource> OpenSoundFile(const std::wstring& path);

// The whole file decoded into memory. Nothing when it cannot be played,
// holds no sound, is longer than `maxFrames`, or `cancel` becomes true.
std::optional<PcmSound> DecodeSoundFile(const std::wstring& path, std::uint64_t maxFrames,
                                        const std::atomic<bool>* cancel = nullptr);

// Decoders of either kind alive in this process (for leak checks).
long LiveSoundDecoders();

}  // namespace pelorin
