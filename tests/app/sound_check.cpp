#include "sound_check.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "../support/test_support.h"
#include "app/audio/sound_file.h"
#include "app/audio/playback_diagnostics.h"
#include "app/services/file_io.h"

namespace pelorin::test {
namespace {

// Loudness may differ this much (relative, plus an absolute floor for quiet
// windows) between the capture and the decode: the device's volume scaling
// rounds each sample.
constexpr double kRelativeTolerance = 0.03;
constexpr double kAbsoluteTolerance = 25.0;

size_t WindowSamples(const PcmFormat& format) {
    return static_cast<size_t>(format.sampleRate / 10) * static_cast<size_t>(format.channels);
}

double Milliseconds(size_t samples, const PcmFormat& format) {
    return 1000.0 * static_cast<double>(samples) / format.channels / format.sampleRate;
}

std::uint64_t CaptureFileSamples() {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(CapturePath().c_str(), GetFileExInfoStandard, &data)) return 0;
    return ((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / 2;
}

::testing::AssertionResult CompareWindows(const Samples& capture, size_t offset, const PcmSound& sound, size_t samples,
                                          double gain) {
    if (offset + samples > capture.size())
        return ::testing::AssertionFailure()
               << "the capture ends " << Milliseconds(offset + samples - capture.size(), sound.format)
               << " ms before the sound does";
    const size_t window = WindowSamples(sound.format);
    for (size_t at = 0; at < samples; at += window) {
        const size_t n = std::min(window, samples - at);
        const double expected = Rms(sound.samples.data() + at, n) * gain;
        const double got = Rms(capture.data() + offset + at, n);
        if (std::abs(got - expected) > kRelativeTolerance * expected + kAbsoluteTolerance)
            return ::testing::AssertionFailure()
                   << "loudness differs at " << Milliseconds(at, sound.format) << " ms of the sound: captured RMS "
                   << got << ", expected " << expected;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

std::wstring ShippedPresetFolder() { return runtime::ProgramDirectory() + L"\\yinxiao"; }

bool CopyPreset(const std::wstring& fileName, const std::wstring& destination) {
    return ::CopyFileW((ShippedPresetFolder() + L"\\" + fileName).c_str(), destination.c_str(), FALSE) != 0;
}

bool CopyPresets(const std::wstring& dataFolder) {
    const std::wstring target = dataFolder + L"\\yinxiao";
    ::CreateDirectoryW(target.c_str(), nullptr);
    WIN32_FIND_DATAW fd;
    HANDLE find = ::FindFirstFileW((ShippedPresetFolder() + L"\\*.mp3").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return false;
    int copied = 0;
    do {
        if (CopyPreset(fd.cFileName, target + L"\\" + fd.cFileName)) ++copied;
    } while (::FindNextFileW(find, &fd));
    ::FindClose(find);
    return copied > 0;
}

std::optional<PcmSound> DecodeWhole(const std::wstring& path) { return DecodeSoundFile(path, 1ull << 32); }

size_t FirstAudible(const Samples& samples, size_t from) {
    for (size_t i = from; i < samples.size(); ++i)
        if (std::abs(static_cast<int>(samples[i])) >= kAudibleLevel) return i;
    return kNone;
}

size_t LastAudible(const Samples& samples, size_t from) {
    for (size_t i = samples.size(); i > from; --i)
        if (std::abs(static_cast<int>(samples[i - 1])) >= kAudibleLevel) return i - 1;
    return kNone;
}

int Peak(const std::int16_t* samples, size_t count) {
    int peak = 0;
    for (size_t i = 0; i < count; ++i) peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    return peak;
}

double Rms(const std::int16_t* samples, size_t count) {
    if (count == 0) return 0;
    double sum = 0;
    for (size_t i = 0; i < count; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(count));
}

size_t AlignSound(const Samples& capture, const PcmSound& sound, size_t guess, size_t range, double gain) {
    const size_t channels = static_cast<size_t>(sound.format.channels);
    const size_t start = FirstAudible(sound.samples);
    if (start == kNone || channels == 0) return guess;
    const size_t stretch = std::min<size_t>(4096, sound.samples.size() - start);
    guess -= guess % channels;
    range -= range % channels;
    const size_t lo = guess > range ? guess - range : 0;
    size_t best = guess;
    double bestError = -1;
    for (size_t offset = lo; offset <= guess + range; offset += channels) {
        if (offset + start + stretch > capture.size()) break;
        double error = 0;
        for (size_t k = 0; k < stretch && (bestError < 0 || error < bestError); ++k)
            error += std::abs(capture[offset + start + k] - gain * sound.samples[start + k]);
        if (bestError < 0 || error < bestError) {
            bestError = error;
            best = offset;
        }
    }
    return best;
}

size_t LocateSound(const Samples& capture, const PcmSound& sound, size_t from, double gain) {
    const size_t heard = FirstAudible(capture, from);
    // The first sample of the sound that is still audible once scaled.
    size_t start = kNone;
    for (size_t i = 0; i < sound.samples.size() && start == kNone; ++i)
        if (std::abs(sound.samples[i] * gain) >= kAudibleLevel) start = i;
    if (heard == kNone || start == kNone) return kNone;
    const size_t guess = heard > start ? heard - start : 0;
    return AlignSound(capture, sound, guess, 64 * static_cast<size_t>(sound.format.channels), gain);
}

::testing::AssertionResult PlayedAt(const Samples& capture, size_t offset, const PcmSound& sound, double gain) {
    if (offset == kNone) return ::testing::AssertionFailure() << "nothing audible was captured";
    auto windows = CompareWindows(capture, offset, sound, sound.samples.size(), gain);
    if (!windows) return windows;
    const size_t after = LastAudible(capture, offset + sound.samples.size());
    if (after != kNone)
        return ::testing::AssertionFailure() << "sound continues " << Milliseconds(after - offset, sound.format)
                                             << " ms after the start, past the sound's end at "
                                             << Milliseconds(sound.samples.size(), sound.format) << " ms";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PrefixPlayedAt(const Samples& capture, size_t offset, const PcmSound& sound, size_t frames) {
    if (offset == kNone) return ::testing::AssertionFailure() << "nothing audible was captured";
    const size_t samples = std::min(sound.samples.size(), frames * static_cast<size_t>(sound.format.channels));
    return CompareWindows(capture, offset, sound, samples, 1.0);
}

bool WaitUntilPlayed(DWORD timeoutMs) {
    if (!WaitForPlaybackIdle(timeoutMs)) return false;
    // The last buffers reach the capture file a moment after the device
    // reports them done.
    PumpMessages(250);
    return true;
}

bool WaitForCapture(size_t samples, DWORD timeoutMs) {
    return PumpUntil([samples] { return CaptureFileSamples() >= samples; }, timeoutMs);
}

}  // namespace pelorin::test
