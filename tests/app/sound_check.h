#pragma once
// What the program played, compared with what a sound file decodes to: the
// captured PCM (tests/support) against a decode of the same file, as the
// loudness of every 100 ms and the length of the audible part.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/audio/pcm.h"

namespace pelorin::test {

using Samples = std::vector<std::int16_t>;

// A sample at least this loud (about -40 dBFS) counts as sound.
inline constexpr int kAudibleLevel = 300;
inline constexpr size_t kNone = static_cast<size_t>(-1);

// The preset files of the build, beside the test program.
std::wstring ShippedPresetFolder();
// Copies the shipped preset folder into `dataFolder`\yinxiao.
bool CopyPresets(const std::wstring& dataFolder);
// Copies one shipped preset file to `destination`.
bool CopyPreset(const std::wstring& fileName, const std::wstring& destination);

// The whole sound of an MP3 or WAV file, decoded by the program's decoders.
std::optional<PcmSound> DecodeWhole(const std::wstring& path);

// First / last sample index at or after `from` that is audible; kNone if none.
size_t FirstAudible(const Samples& samples, size_t from = 0);
size_t LastAudible(const Samples& samples, size_t from = 0);
int Peak(const std::int16_t* samples, size_t count);
double Rms(const std::int16_t* samples, size_t count);

// The offset in `capture` where `sound` starts: searched within `range`
// samples around `guess` for the best fit of the sound's first audible
// stretch, scaled by `gain`. Stays on frame boundaries.
size_t AlignSound(const Samples& capture, const PcmSound& sound, size_t guess, size_t range, double gain = 1.0);
// The offset of `sound` in `capture` when the capture is silent before it
// (from `from` on): its first audible sample lines up with the sound's.
size_t LocateSound(const Samples& capture, const PcmSound& sound, size_t from = 0, double gain = 1.0);

// The capture from `offset` on holds `sound` scaled by `gain`: the loudness of
// every 100 ms agrees, and nothing audible comes after the sound's end.
::testing::AssertionResult PlayedAt(const Samples& capture, size_t offset, const PcmSound& sound, double gain = 1.0);
// The capture from `offset` on holds the first `frames` frames of `sound`
// (each 100 ms window of that stretch agrees).
::testing::AssertionResult PrefixPlayedAt(const Samples& capture, size_t offset, const PcmSound& sound, size_t frames);

// Waits until the player has handled every call and plays nothing.
bool WaitUntilPlayed(DWORD timeoutMs = 30000);
// Pumps this thread's messages until the capture holds at least `samples` samples.
bool WaitForCapture(size_t samples, DWORD timeoutMs = 10000);

}  // namespace pelorin::test
