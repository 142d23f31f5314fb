// A WAV slot beside an MP3 slot: click to first buffer for the same sound as
// an MP3 file and as 16- and 24-bit WAV files, each in a custom slot of the
// real main window, clicked in turn in the same run.
//
//   wav_slot_bench [preset-folder]
//
// Click to first buffer: from just before the slot button is clicked
// (BM_CLICK, which runs the program's handler) to the first waveOutWrite of
// that sound. Slot sounds are not preloaded, so every click opens and starts
// decoding the file, as a user's slot does. The MP3 slot is the baseline; a
// run in which it measured nothing is a failure.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/audio/mp3_decoder.h"
#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "app/custom_slots.h"
#include "app/main_window.h"
#include "app/services/file_io.h"
#include "app/services/ini_file.h"
#include "base/text.h"
#include "bench_support.h"

namespace pelorin {
namespace {

constexpr int kRounds = 40;
constexpr const wchar_t* kPreset = L"卡通.mp3";

using bench::Now;
using bench::PumpFor;
using bench::Summarise;
using bench::TicksToMs;
using Summary = bench::Stats;

std::wstring PresetFolder(int argc, wchar_t** argv) {
    if (argc > 1) return argv[1];
    std::wstring beside = runtime::ProgramDirectory() + L"\\yinxiao";
    if (::GetFileAttributesW(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;
    std::wstring source = FromUtf8(PELORIN_PRESET_SOUNDS);  // the source tree (a Unix path under Wine)
    if (!source.empty() && source[0] == L'/') source = L"Z:" + source;
    std::replace(source.begin(), source.end(), L'/', L'\\');
    return source;
}

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The decoded sound as a PCM WAV file of `bits` (16 or 24) bits.
std::string WavBytes(const PcmSound& sound, int bits) {
    const int bytes = bits / 8;
    std::string data;
    data.reserve(sound.samples.size() * static_cast<size_t>(bytes));
    for (std::int16_t s : sound.samples) {
        if (bits == 24) data += '\0';
        Put(data, static_cast<std::uint16_t>(s), 2);
    }
    const std::uint32_t channels = static_cast<std::uint32_t>(sound.format.channels);
    const std::uint32_t rate = static_cast<std::uint32_t>(sound.format.sampleRate);
    std::string out = "RIFF";
    Put(out, static_cast<std::uint32_t>(36 + data.size()), 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);
    Put(out, channels, 2);
    Put(out, rate, 4);
    Put(out, rate * channels * static_cast<std::uint32_t>(bytes), 4);
    Put(out, channels * static_cast<std::uint32_t>(bytes), 2);
    Put(out, static_cast<std::uint32_t>(bits), 2);
    out += "data";
    Put(out, static_cast<std::uint32_t>(data.size()), 4);
    return out + data;
}

// Clicks the slot's button and waits for its first buffer; the latency in
// ms, or a negative value when nothing started.
double ClickLatency(MainWindow& window, int slot) {
    const std::uint64_t started = GetPlaybackStats().playsStarted;
    const LONGLONG before = Now();
    ::SendMessageW(window.Control(SlotButton(slot)), BM_CLICK, 0, 0);
    const ULONGLONG deadline = ::GetTickCount64() + 5000;
    for (;;) {
        const PlaybackStats s = GetPlaybackStats();
        if (s.playsStarted > started && !s.fromMemory) return TicksToMs(s.firstWriteTicks - before);
        if (::GetTickCount64() > deadline) return -1;
        ::Sleep(0);
    }
}

struct Slot {
    const char* what;
    int slot;
    std::wstring file;
    std::vector<double> ms;
    int failures = 0;
};

int Run(int argc, wchar_t** argv) {
    const std::wstring preset = PresetFolder(argc, argv) + L"\\" + kPreset;
    std::optional<PcmSound> sound = DecodeMp3File(preset, 1ull << 32);
    if (!sound) {
        std::fprintf(stderr, "cannot decode %s\n", ToUtf8(preset).c_str());
        return 1;
    }

    // The program's folder for this run: the three files and "Data.ini" naming them.
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"pelorin-wav-bench-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::vector<Slot> slots = {{"MP3 slot (baseline)", 1, folder + L"\\mp3.mp3", {}, 0},
                               {"WAV slot, 16-bit", 2, folder + L"\\wav16.wav", {}, 0},
                               {"WAV slot, 24-bit", 3, folder + L"\\wav24.wav", {}, 0}};
    const Bytes mp3 = runtime::ReadFile(preset);
    bool written = runtime::WriteFile(slots[0].file, mp3) && runtime::WriteFile(slots[1].file, WavBytes(*sound, 16)) &&
                   runtime::WriteFile(slots[2].file, WavBytes(*sound, 24));
    for (const Slot& s : slots) {
        const std::wstring n = std::to_wstring(s.slot);
        written = written && runtime::WriteIni(folder + L"\\Data.ini", kSlotNameSection, L"按钮" + n, L"slot " + n) &&
                  runtime::WriteIni(folder + L"\\Data.ini", kSlotPathSection, L"音乐" + n, s.file);
    }
    if (!written) {
        std::fprintf(stderr, "cannot write the bench files in %s\n", ToUtf8(folder).c_str());
        return 1;
    }

    {
        auto window = MainWindow::Load(::GetModuleHandleW(nullptr), {folder, false});
        if (!window) {
            std::fprintf(stderr, "the main window did not load\n");
            return 1;
        }
        PumpFor(200);
        // One click of each first: the device and the codec driver open once.
        for (Slot& s : slots) ClickLatency(*window, s.slot);
        PumpFor(100);
        for (int round = 0; round < kRounds; ++round) {
            // A different order each round, so no kind always follows the same one.
            for (size_t k = 0; k < slots.size(); ++k) {
                Slot& s = slots[(k + static_cast<size_t>(round)) % slots.size()];
                const double ms = ClickLatency(*window, s.slot);
                if (ms >= 0) {
                    s.ms.push_back(ms);
                } else {
                    ++s.failures;
                }
                PumpFor(30);  // the next click interrupts this sound, as on a sound board
            }
        }
        window.reset();
    }
    ShutdownPlayback();
    for (const Slot& s : slots) ::DeleteFileW(s.file.c_str());
    ::DeleteFileW((folder + L"\\Data.ini").c_str());
    ::RemoveDirectoryW(folder.c_str());

    std::printf(
        "Pelorin WAV slot benchmark: the same %.2f s sound (%d Hz, %d channels) in three slots, %d rounds, "
        "same run\n",
        static_cast<double>(sound->Frames()) / sound->format.sampleRate, sound->format.sampleRate,
        sound->format.channels, kRounds);
    std::printf("| %-28s | %-31s | %-17s |\n", "click -> first buffer (ms)", "median / p95 / max", "median vs MP3");
    std::printf("|%s|%s|%s|\n", std::string(30, '-').c_str(), std::string(33, '-').c_str(),
                std::string(19, '-').c_str());
    const Summary baseline = Summarise(slots[0].ms);
    for (const Slot& s : slots) {
        const Summary m = Summarise(s.ms);
        std::printf("| %-28s | %9.3f / %8.3f / %8.3f | %16.2fx |%s\n", s.what, m.median, m.p95, m.worst,
                    baseline.median > 0 ? m.median / baseline.median : 0.0,
                    s.failures ? (" " + std::to_string(s.failures) + " clicks started nothing").c_str() : "");
    }
    if (!bench::BaselinesRan({&baseline}, "the MP3 baseline measured nothing")) return 1;
    for (const Slot& s : slots) {
        if (s.failures || s.ms.empty()) {
            std::printf("FAILED: %s did not start every time\n", s.what);
            return 1;
        }
    }
    return 0;
}

}  // namespace
}  // namespace pelorin

int wmain(int argc, wchar_t** argv) { return pelorin::Run(argc, argv); }
