#include "audio_test_util.h"

#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/audio/mp3_decoder.h"
#include "app/audio/playback_diagnostics.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

// A path handed over by the build: a Unix path under Wine (drive Z:), or a
// Windows path with forward slashes on Windows.
std::wstring BuildPath(const char* path) {
    std::wstring wide = FromUtf8(path);
    if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

}  // namespace

std::wstring TestSoundPath(const std::wstring& name) { return BuildPath(PELORIN_AUDIO_TEST_DATA) + L"\\" + name; }

std::wstring PresetPath(const std::wstring& name) { return BuildPath(PELORIN_PRESET_SOUNDS) + L"\\" + name; }

const std::vector<std::wstring>& PresetFileNames() {
    static const std::vector<std::wstring> names = {
        L"群众笑声.mp3", L"敲锣声音.mp3", L"敲钟声.mp3",       L"乌鸦飞过.mp3", L"哈里路亚.mp3", L"霸气.mp3",
        L"卡通.mp3",     L"新闻联播.mp3", L"非诚勿扰亮灯.mp3", L"炸弹.mp3",     L"版权.mp3",     L"非诚勿扰灭灯.mp3"};
    return names;
}

PcmSound DecodeOrFail(const std::wstring& path) {
    std::optional<PcmSound> sound = DecodeMp3File(path, 1ull << 32);
    EXPECT_TRUE(sound.has_value()) << "cannot decode " << ToUtf8(path);
    return sound ? std::move(*sound) : PcmSound{{2, 44100}, {}};
}

Samples Samples::Slice(size_t first, size_t count) const {
    Samples out;
    out.channels = channels;
    first = std::min(first, Frames());
    count = std::min(count, Frames() - first);
    const size_t c = static_cast<size_t>(channels);
    out.data.assign(data.begin() + static_cast<std::ptrdiff_t>(first * c),
                    data.begin() + static_cast<std::ptrdiff_t>((first + count) * c));
    return out;
}

Samples FromSound(const PcmSound& sound) { return Samples{sound.format.channels, sound.samples}; }

namespace {

bool AudibleFrame(const Samples& s, size_t frame, int threshold) {
    for (int c = 0; c < s.channels; ++c)
        if (std::abs(static_cast<int>(s.At(frame, c))) >= threshold) return true;
    return false;
}

}  // namespace

std::optional<std::pair<size_t, size_t>> AudibleSpan(const Samples& s, int threshold) {
    size_t first = 0;
    while (first < s.Frames() && !AudibleFrame(s, first, threshold)) ++first;
    if (first == s.Frames()) return std::nullopt;
    size_t end = s.Frames();
    while (!AudibleFrame(s, end - 1, threshold)) --end;
    return std::make_pair(first, end);
}

Samples TrimSilence(const Samples& s, int threshold) {
    auto span = AudibleSpan(s, threshold);
    if (!span) return Samples{s.channels, {}};
    return s.Slice(span->first, span->second - span->first);
}

std::vector<std::pair<size_t, size_t>> AudibleRuns(const Samples& s, size_t gapFrames, int threshold) {
    std::vector<std::pair<size_t, size_t>> runs;
    size_t quiet = 0;
    for (size_t f = 0; f < s.Frames(); ++f) {
        if (!AudibleFrame(s, f, threshold)) {
            ++quiet;
            continue;
        }
        if (runs.empty() || quiet >= gapFrames)
            runs.emplace_back(f, f + 1);
        else
            runs.back().second = f + 1;
        quiet = 0;
    }
    return runs;
}

std::string DescribeRuns(const std::vector<std::pair<size_t, size_t>>& runs, int rate) {
    std::string text = "audible runs (s):";
    char buffer[64];
    for (const auto& [first, end] : runs) {
        std::snprintf(buffer, sizeof(buffer), " [%.3f, %.3f)", static_cast<double>(first) / rate,
                      static_cast<double>(end) / rate);
        text += buffer;
    }
    return text;
}

Samples JoinAudibleRuns(const Samples& s, size_t gapFrames) {
    Samples joined{s.channels, {}};
    for (const auto& [first, end] : AudibleRuns(s, gapFrames)) {
        Samples run = s.Slice(first, end - first);
        joined.data.insert(joined.data.end(), run.data.begin(), run.data.end());
    }
    return joined;
}

double Rms(const Samples& s) {
    if (s.data.empty()) return 0;
    double sum = 0;
    for (std::int16_t v : s.data) sum += static_cast<double>(v) * v;
    return std::sqrt(sum / static_cast<double>(s.data.size()));
}

double ChannelRms(const Samples& s, int channel) {
    if (s.Frames() == 0) return 0;
    double sum = 0;
    for (size_t f = 0; f < s.Frames(); ++f) sum += static_cast<double>(s.At(f, channel)) * s.At(f, channel);
    return std::sqrt(sum / static_cast<double>(s.Frames()));
}

int Peak(const Samples& s) {
    int peak = 0;
    for (std::int16_t v : s.data) peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
}

std::vector<double> Fingerprint(const Samples& s, int rate) {
    const size_t window = static_cast<size_t>(rate) / 10;
    std::vector<double> prints;
    for (size_t f = 0; f < s.Frames(); f += window) prints.push_back(Rms(s.Slice(f, window)));
    return prints;
}

double FingerprintDistance(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size() || a.empty()) return 1;
    const double scale = std::max(*std::max_element(a.begin(), a.end()), *std::max_element(b.begin(), b.end()));
    if (scale == 0) return 0;
    double worst = 0;
    for (size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::abs(a[i] - b[i]) / scale);
    return worst;
}

int MaxSampleDifference(const Samples& a, const Samples& b) {
    const size_t n = std::min(a.data.size(), b.data.size());
    int worst = 0;
    for (size_t i = 0; i < n; ++i) worst = std::max(worst, std::abs(static_cast<int>(a.data[i]) - b.data[i]));
    return worst;
}

void WaitForPlayedOut() {
    EXPECT_TRUE(WaitForPlaybackIdle(30000)) << "the player did not finish";
    // Wine's sound path holds a few hundred milliseconds beyond the last buffer.
    ::Sleep(700);
}

size_t CapturedFrameCount(int channels) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(CapturePath().c_str(), GetFileExInfoStandard, &data)) return 0;
    const std::uint64_t bytes = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    return static_cast<size_t>(bytes / (2 * static_cast<std::uint64_t>(channels)));
}

bool WaitForCapturedFrames(size_t frames, int channels, DWORD timeoutMs) {
    return PumpUntil([&] { return CapturedFrameCount(channels) >= frames; }, timeoutMs);
}

Samples CapturedSamples(int channels) { return Samples{channels, ReadCapture()}; }

std::uint64_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof(counters));
    return counters.PrivateUsage;
}

}  // namespace pelorin::test
