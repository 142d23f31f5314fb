#pragma once
// Shared by the audio tests: where the test sounds and presets are, and the
// measurements that compare what was played with what a file decodes to.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/audio/pcm.h"

namespace pelorin::test {

// tests/app/audio/data and assets/yinxiao of the source tree.
std::wstring TestSoundPath(const std::wstring& name);
std::wstring PresetPath(const std::wstring& name);

// The twelve preset file names.
const std::vector<std::wstring>& PresetFileNames();

// The whole file decoded (the reference); fails the test when it cannot be.
PcmSound DecodeOrFail(const std::wstring& path);

// Interleaved 16-bit samples with their channel count.
struct Samples {
    int channels = 2;
    std::vector<std::int16_t> data;

    size_t Frames() const { return data.size() / static_cast<size_t>(channels); }
    std::int16_t At(size_t frame, int channel) const {
        return data[frame * static_cast<size_t>(channels) + static_cast<size_t>(channel)];
    }
    // Frames [first, first + count).
    Samples Slice(size_t first, size_t count) const;
};

Samples FromSound(const PcmSound& sound);

// Frames at or above this level (any channel) count as sound; below, as silence.
inline constexpr int kAudible = 200;

// First and one-past-last audible frame; nothing when all is silence.
std::optional<std::pair<size_t, size_t>> AudibleSpan(const Samples& s, int threshold = kAudible);
// The audible part: from the first to the last audible frame.
Samples TrimSilence(const Samples& s, int threshold = kAudible);
// Runs of audible frames separated by at least `gapFrames` of silence.
std::vector<std::pair<size_t, size_t>> AudibleRuns(const Samples& s, size_t gapFrames, int threshold = kAudible);

// "[start, end) ..." in seconds at `rate`, for failure messages.
std::string DescribeRuns(const std::vector<std::pair<size_t, size_t>>& runs, int rate);

// The audible runs put end to end: the sound without the pauses in it.
Samples JoinAudibleRuns(const Samples& s, size_t gapFrames);

double Rms(const Samples& s);
double ChannelRms(const Samples& s, int channel);
int Peak(const Samples& s);
// RMS of each 100 ms window of `rate` Hz audio (the last, shorter window included).
std::vector<double> Fingerprint(const Samples& s, int rate);
// Largest difference between two fingerprints, relative to the larger's peak
// window; 1 when their lengths differ.
double FingerprintDistance(const std::vector<double>& a, const std::vector<double>& b);
// Largest sample difference over the common length.
int MaxSampleDifference(const Samples& a, const Samples& b);

// Waits until the player is idle, then long enough for the sound device to
// have written out what it still buffers.
void WaitForPlayedOut();
// Frames captured so far (by the file's size), and waiting for more: the
// harness's sound sink takes sound faster than real time, so tests wait for
// what has been captured, never for wall-clock time.
size_t CapturedFrameCount(int channels);
bool WaitForCapturedFrames(size_t frames, int channels, DWORD timeoutMs = 20000);
// The captured stream in the format the player's device has open.
Samples CapturedSamples(int channels);

// Private memory of the process in bytes.
std::uint64_t PrivateBytes();

}  // namespace pelorin::test
