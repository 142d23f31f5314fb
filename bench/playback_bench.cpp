// How fast sound starts: the player against MCI ("open ... type mpegvideo" +
// "play") on the same files, in the same run, and how fast the codec decodes.
//
//   playback_bench [preset-folder]
//
// Click to first buffer: from the entry of PlayMp3 to the first waveOutWrite
// of that sound, whose first sample must be the sound's first sample. For MCI
// the time until "open" and "play" have returned (MCI starts its own output
// later still, so its real figure is higher than the one shown).

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/audio/mp3_decoder.h"
#include "app/audio/mp3_format.h"
#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "base/text.h"
#include "bench_support.h"

namespace pelorin {
namespace {

const wchar_t* const kPresets[] = {L"群众笑声.mp3",     L"敲锣声音.mp3", L"敲钟声.mp3", L"乌鸦飞过.mp3",
                                   L"哈里路亚.mp3",     L"霸气.mp3",     L"卡通.mp3",   L"新闻联播.mp3",
                                   L"非诚勿扰亮灯.mp3", L"炸弹.mp3",     L"版权.mp3",   L"非诚勿扰灭灯.mp3"};

using bench::Now;
using bench::Summarise;
using bench::TicksToMs;
using Summary = bench::Stats;

std::wstring ProgramDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.substr(0, dir.find_last_of(L'\\'));
}

std::wstring PresetFolder(int argc, wchar_t** argv) {
    if (argc > 1) return argv[1];
    std::wstring beside = ProgramDirectory() + L"\\yinxiao";
    if (::GetFileAttributesW(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;
    std::wstring source = FromUtf8(PELORIN_PRESET_SOUNDS);  // the source tree (a Unix path under Wine)
    if (!source.empty() && source[0] == L'/') source = L"Z:" + source;
    std::replace(source.begin(), source.end(), L'/', L'\\');
    return source;
}

// Frames at the start quieter than 1% of full scale (the same rule the player reports).
int LeadingQuiet(const PcmSound& sound) {
    for (size_t i = 0; i < sound.samples.size(); ++i)
        if (std::abs(static_cast<int>(sound.samples[i])) >= 328) return static_cast<int>(i / 2);
    return static_cast<int>(sound.Frames());
}

// A ten-minute song: a preset's audio frames (its info frame left out) repeated.
bool WriteLongSong(const std::wstring& preset, const std::wstring& song, double* seconds) {
    std::ifstream in(preset.c_str(), std::ios::binary);
    std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.size() < 4) return false;
    std::optional<Mp3FrameHeader> first = ParseFrameHeader(file.data());
    if (!first) return false;
    const size_t audio = static_cast<size_t>(first->frameBytes);  // the info frame
    size_t frames = 0;
    for (size_t at = audio; at + 4 <= file.size(); ++frames) {
        std::optional<Mp3FrameHeader> h = ParseFrameHeader(file.data() + at);
        if (!h) break;
        at += static_cast<size_t>(h->frameBytes);
    }
    const double pieceSeconds = static_cast<double>(frames) * first->samplesPerFrame / first->sampleRate;
    const int copies = static_cast<int>(600 / pieceSeconds) + 1;
    std::ofstream out(song.c_str(), std::ios::binary | std::ios::trunc);
    for (int i = 0; i < copies; ++i)
        out.write(reinterpret_cast<const char*>(file.data() + audio),
                  static_cast<std::streamsize>(file.size() - audio));
    *seconds = copies * pieceSeconds;
    return static_cast<bool>(out);
}

// Plays and waits for the first buffer; the latency in ms, or a negative value.
// The time the caller spends inside PlayMp3 (what the user-interface thread pays).
std::vector<double> callCosts;

double PlayLatency(const std::wstring& file, int* leadingQuiet, bool* fromMemory) {
    const std::uint64_t started = GetPlaybackStats().playsStarted;
    const LONGLONG before = Now();
    PlayMp3(file);
    callCosts.push_back(TicksToMs(Now() - before));
    const ULONGLONG deadline = ::GetTickCount64() + 5000;
    for (;;) {
        PlaybackStats s = GetPlaybackStats();
        if (s.playsStarted > started) {
            *leadingQuiet = s.firstBufferLeadingSilence;
            *fromMemory = s.fromMemory;
            return TicksToMs(s.firstWriteTicks - s.playEntryTicks);
        }
        if (::GetTickCount64() > deadline) return -1;
        ::Sleep(0);
    }
}

// The MCI baseline's failures: a comparison is only made when every open and
// play of it worked.
size_t mciFailures = 0;
std::string firstMciFailure;

void NoteMciFailure(const char* command, MCIERROR error) {
    if (mciFailures++ > 0) return;
    wchar_t text[256] = L"";
    ::mciGetErrorStringW(error, text, 256);
    firstMciFailure = std::string(command) + ": " + ToUtf8(text) + " (MCI error " + std::to_string(error) + ")";
}

// MCI: open + play of the same file; "close" is not counted.
double MciLatency(const std::wstring& file) {
    const std::wstring open = L"open \"" + file + L"\" type mpegvideo alias benchsound";
    const LONGLONG start = Now();
    if (const MCIERROR error = ::mciSendStringW(open.c_str(), nullptr, 0, nullptr); error != 0) {
        NoteMciFailure("open", error);
        return -1;
    }
    const MCIERROR played = ::mciSendStringW(L"play benchsound", nullptr, 0, nullptr);
    const double ms = TicksToMs(Now() - start);
    ::mciSendStringW(L"close benchsound", nullptr, 0, nullptr);
    if (played != 0) {
        NoteMciFailure("play", played);
        return -1;
    }
    return ms;
}

// One row; `missing` (when not null) says which side did not run fully, and
// then no baseline figures and no ratio are shown.
void PrintRow(const char* what, const Summary& ours, const Summary& mci, const char* missing, const char* note) {
    std::printf("| %-36s | %7.3f | %7.3f | %7.3f | ", what, ours.median, ours.p95, ours.worst);
    if (!missing)
        std::printf("%8.2f | %8.2f | %8.2f | %7.0fx | %s\n", mci.median, mci.p95, mci.worst, mci.median / ours.median,
                    note);
    else
        std::printf("%-32s | %8s | %s\n", missing, "-", note);
}

int Run(int argc, wchar_t** argv) {
    const std::wstring folder = PresetFolder(argc, argv);
    std::vector<std::wstring> presets;
    for (const wchar_t* name : kPresets) presets.push_back(folder + L"\\" + name);

    // Decode speed, and what each preset's first sample looks like.
    double audioSeconds = 0, decodeSeconds = 0;
    std::vector<int> presetLeadingQuiet;
    for (const std::wstring& p : presets) {
        const LONGLONG start = Now();
        std::optional<PcmSound> sound = DecodeMp3File(p, 1ull << 32);
        decodeSeconds += TicksToMs(Now() - start) / 1000;
        if (!sound) {
            std::fprintf(stderr, "cannot decode %s\n", ToUtf8(p).c_str());
            return 1;
        }
        audioSeconds += static_cast<double>(sound->Frames()) / sound->format.sampleRate;
        presetLeadingQuiet.push_back(LeadingQuiet(*sound));
    }

    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring song = std::wstring(temp) + L"pelorin-bench-song.mp3";
    double songSeconds = 0;
    if (!WriteLongSong(presets[7], song, &songSeconds)) {
        std::fprintf(stderr, "cannot write the long song\n");
        return 1;
    }
    double streamedSeconds = 0;
    {
        const LONGLONG start = Now();
        std::unique_ptr<Mp3Decoder> decoder = Mp3Decoder::Open(song);
        std::vector<std::int16_t> buffer(2 * 8192);
        size_t frames = 0;
        while (size_t n = decoder ? decoder->Read(buffer.data(), 8192) : 0) frames += n;
        streamedSeconds = TicksToMs(Now() - start) / 1000;
        songSeconds = static_cast<double>(frames) / 44100;
    }

    // Start-up as the program does it: presets decoded in the background, device opened.
    const LONGLONG preloadStart = Now();
    for (const std::wstring& p : presets) PreloadMp3(p);
    WaitForPreloads(20000);
    WaitForPlaybackIdle(5000);
    const double preloadMs = TicksToMs(Now() - preloadStart);

    constexpr int kRounds = 4;
    std::vector<double> presetIdle, presetInterrupting, songLatency, mciPreset, mciSong;
    bool allFromMemory = true, allStartAtFirstSample = true;
    for (int round = 0; round < kRounds; ++round) {
        for (size_t i = 0; i < presets.size(); ++i) {
            int quiet = 0;
            bool memory = false;
            // A click while the previous sound still plays (the usual case on a sound board) ...
            const double busy = PlayLatency(presets[i], &quiet, &memory);
            if (busy >= 0) presetInterrupting.push_back(busy);
            allFromMemory &= memory;
            allStartAtFirstSample &= quiet == presetLeadingQuiet[i];
            // ... and one when nothing plays (a count of 0 stops the sound and plays nothing).
            PlayMp3(presets[i], 0);
            WaitForPlaybackIdle(5000);
            const double idle = PlayLatency(presets[i], &quiet, &memory);
            if (idle >= 0) presetIdle.push_back(idle);
            allFromMemory &= memory;
            allStartAtFirstSample &= quiet == presetLeadingQuiet[i];
        }
        for (int i = 0; i < 3; ++i) {
            int quiet = 0;
            bool memory = true;
            const double ms = PlayLatency(song, &quiet, &memory);
            if (ms >= 0) songLatency.push_back(ms);
            ::Sleep(50);
        }
    }
    ShutdownPlayback();

    // MCI on the same files (first open of each kind counted too: that is what a first click costs).
    for (int round = 0; round < kRounds; ++round) {
        for (const std::wstring& p : presets)
            if (double ms = MciLatency(p); ms >= 0) mciPreset.push_back(ms);
        for (int i = 0; i < 3; ++i)
            if (double ms = MciLatency(song); ms >= 0) mciSong.push_back(ms);
    }
    ::DeleteFileW(song.c_str());

    std::printf("Pelorin playback benchmark: %zu presets x %d rounds, a %.0f s song, same run, same files\n",
                presets.size(), kRounds, songSeconds);
    std::printf("| %-36s | %-27s | %-32s | %-8s |\n", "milliseconds", "Pelorin: median / p95 / max",
                "MCI open+play: median / p95 / max", "faster");
    std::printf("|%s|%s|%s|%s|\n", std::string(38, '-').c_str(), std::string(29, '-').c_str(),
                std::string(34, '-').c_str(), std::string(10, '-').c_str());
    const size_t mciAttempts = static_cast<size_t>(kRounds) * (presets.size() + 3);
    const bool baselineRan = mciFailures == 0 && mciPreset.size() + mciSong.size() == mciAttempts;
    // A ratio needs both sides measured.
    const size_t presetPlays = presets.size() * kRounds, songPlays = 3 * kRounds;
    const bool oursRan =
        presetIdle.size() == presetPlays && presetInterrupting.size() == presetPlays && songLatency.size() == songPlays;
    const Summary idle = Summarise(presetIdle), busy = Summarise(presetInterrupting), streamed = Summarise(songLatency);
    const char* missing = !baselineRan ? "baseline did not run" : !oursRan ? "Pelorin's plays incomplete" : nullptr;
    PrintRow("preset click -> first buffer (idle)", idle, Summarise(mciPreset), missing, "");
    PrintRow("preset click -> first buffer (busy)", busy, Summarise(mciPreset), missing, "(a sound was playing)");
    PrintRow("song click -> first buffer", streamed, Summarise(mciSong), missing, "(streamed)");
    const Summary call = Summarise(callCosts);
    std::printf("| %-36s | %7.3f | %7.3f | %7.3f | %32s | %8s |\n", "time spent inside PlayMp3", call.median, call.p95,
                call.worst, "-", "");
    std::printf("| %-36s | %27.0f | %32s | %8s |\n", "decode speed, presets (s/s)", audioSeconds / decodeSeconds, "-",
                "");
    std::printf("| %-36s | %27.0f | %32s | %8s |\n", "decode speed, 10-min song (s/s)", songSeconds / streamedSeconds,
                "-", "");
    std::printf("| %-36s | %27.1f | %32s | %8s |\n", "preload of the 12 presets (ms)", preloadMs, "-", "");
    std::printf("presets played from memory: %s; first buffer starts at the sound's first sample: %s\n",
                allFromMemory ? "yes" : "NO", allStartAtFirstSample ? "yes" : "NO");
    std::printf("MCI: %zu of %zu open+play succeeded\n", mciPreset.size() + mciSong.size(), mciAttempts);
    if (!oursRan)
        std::printf("FAILED: not every play reached the device: %zu of %zu idle, %zu of %zu busy, %zu of %zu songs\n",
                    presetIdle.size(), presetPlays, presetInterrupting.size(), presetPlays, songLatency.size(),
                    songPlays);
    if (!baselineRan) {
        std::printf(
            "FAILED: the MCI baseline did not run (%zu of %zu open+play failed; first: %s), so no comparison "
            "is made. Wine's MCI \"mpegvideo\" needs the GStreamer base and good plugins of this "
            "architecture (scripts/bench.sh installs them).\n",
            mciFailures, mciAttempts, firstMciFailure.c_str());
    }
    return allFromMemory && allStartAtFirstSample && oursRan && baselineRan ? 0 : 1;
}

}  // namespace
}  // namespace pelorin

int wmain(int argc, wchar_t** argv) { return pelorin::Run(argc, argv); }
