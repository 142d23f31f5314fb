// Playing into a voice chat, in the real main window with its sound routed
// to the harness's second device ("Out: cable") and monitored on the default
// one:
//   hotkey: from the SendInput of a global hotkey (another window has the
//           focus) to the first buffer handed to each device, beside a click
//           on the same preset in the same run (from its button-up message);
//   skew:   between the first buffers of the output and the monitor.
// Goals: hotkey under 2 ms (median), skew under 1 ms.
//
//   broadcast_bench.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/audio/output_devices.h"
#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "app/main_window.h"
#include "app/preset_sounds.h"
#include "app/services/file_io.h"
#include "app/services/ini_file.h"
#include "app/skin_setup.h"
#include "bench_support.h"

namespace pelorin {
namespace {

using bench::Now;
using bench::PumpFor;
using bench::Stats;
using bench::Summarise;
using bench::TicksToMs;

constexpr const wchar_t* kCable = L"Out: cable";
constexpr const wchar_t* kMonitor = L"Out: default";

// A data folder of its own: the presets copied beside a Data.ini that routes
// the sound and gives 群众笑声 (按钮1) the hotkey Ctrl+Alt+F1.
std::wstring MakeDataFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"pelorin-broadcast-bench-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ::CreateDirectoryW((folder + L"\\yinxiao").c_str(), nullptr);
    for (const std::wstring& preset : PresetFiles(runtime::ProgramDirectory())) {
        const std::wstring name = preset.substr(preset.find_last_of(L'\\') + 1);
        ::CopyFileW(preset.c_str(), (folder + L"\\yinxiao\\" + name).c_str(), FALSE);
    }
    const runtime::IniEntry entries[] = {{L"设置", L"输出设备", kCable},
                                         {L"设置", L"监听设备", kMonitor},
                                         {L"设置", L"监听音量", L"80"},
                                         {L"快捷键", L"按钮1", L"Ctrl+Alt+F1"}};
    runtime::WriteIni(folder + L"\\Data.ini", entries);
    return folder;
}

void Send(std::vector<INPUT> inputs) { ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); }

INPUT Key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

struct Round {
    double output = 0, monitor = 0, skew = 0;
};

// Runs `fire` and dispatches messages at once until the sound reaches the devices.
bool Measure(const std::function<void()>& fire, Round& round) {
    const std::uint64_t started = GetPlaybackStats().playsStarted;
    const LONGLONG at = Now();
    fire();
    const ULONGLONG deadline = ::GetTickCount64() + 5000;
    MSG msg;
    for (;;) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        const PlaybackStats s = GetPlaybackStats();
        if (s.playsStarted > started && s.firstWriteTicks > 0 && s.monitorFirstWriteTicks > 0) {
            round.output = TicksToMs(s.firstWriteTicks - at);
            round.monitor = TicksToMs(s.monitorFirstWriteTicks - at);
            round.skew = TicksToMs(std::max(s.monitorFirstWriteTicks, s.firstWriteTicks) -
                                   std::min(s.monitorFirstWriteTicks, s.firstWriteTicks));
            break;
        }
        if (::GetTickCount64() > deadline) return false;
        ::Sleep(0);
    }
    // Stopped and idle again before the next round.
    StopMp3();
    bench::PumpUntil([] { return GetPlaybackStats().state == PlaybackState::Idle; }, 3000);
    PumpFor(40);
    return true;
}

void Row(const char* what, const std::vector<double>& values, const Stats* baseline) {
    bench::PrintRow(44, what, Summarise(values), baseline);
}

}  // namespace

int Run(int rounds) {
    if (!FindOutputDevice(kCable)) {
        std::printf("FAILED: no output device \"Out: cable\" (the harness's second device; scripts/bench.sh)\n");
        return 1;
    }
    SkinHookS();
    const std::wstring folder = MakeDataFolder();
    auto window = MainWindow::Load(::GetModuleHandleW(nullptr), {folder, false});
    if (!window) {
        std::printf("FAILED: the main window did not load\n");
        return 1;
    }
    for (const std::wstring& file : PresetFiles(folder)) PreloadMp3(file);
    WaitForPreloads(20000);
    PumpFor(500);

    // Another program has the focus while the hotkey is pressed.
    HWND other = ::CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 600, 200, 80, nullptr,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
    const HWND button = window->Control(kButton1);

    std::vector<double> hotkeyOut, hotkeyMonitor, clickOut, clickMonitor, skew;
    for (int i = 0; i < rounds; ++i) {
        Round round;
        ::SetForegroundWindow(other);
        PumpFor(20);
        if (Measure([] { Send({Key(VK_CONTROL, false), Key(VK_MENU, false), Key(VK_F1, false), Key(VK_F1, true),
                               Key(VK_MENU, true), Key(VK_CONTROL, true)}); },
                    round)) {
            hotkeyOut.push_back(round.output);
            hotkeyMonitor.push_back(round.monitor);
            skew.push_back(round.skew);
        }
        // The same preset clicked, timed from the button-up reaching the
        // button (as the skinned-window benchmark times its clicks).
        ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        if (Measure([button] { ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10)); }, round)) {
            clickOut.push_back(round.output);
            clickMonitor.push_back(round.monitor);
            skew.push_back(round.skew);
        }
    }
    ::DestroyWindow(other);
    window.reset();
    ShutdownPlayback();

    std::printf("Broadcast: hotkey and click to the first buffers of the cable and the monitor (%d rounds, ms)\n\n",
                rounds);
    std::printf("| %-44s | %7s | %7s | %7s | %7s | %7s |\n", "", "median", "worst", "click", "worst", "ratio");
    bench::PrintRule({46, 9, 9, 9, 9, 9});
    const Stats clickOutStats = Summarise(clickOut), clickMonitorStats = Summarise(clickMonitor);
    if (!bench::BaselinesRan({&clickOutStats, &clickMonitorStats}, "the click baseline measured nothing")) return 1;
    Row("hotkey -> first buffer, output (goal < 2)", hotkeyOut, &clickOutStats);
    Row("hotkey -> first buffer, monitor (goal < 2)", hotkeyMonitor, &clickMonitorStats);
    Row("output / monitor skew (goal < 1)", skew, nullptr);
    if (hotkeyOut.size() < static_cast<size_t>(rounds) || clickOut.size() < static_cast<size_t>(rounds)) {
        std::printf("FAILED: some rounds measured nothing (hotkey %zu, click %zu of %d)\n", hotkeyOut.size(),
                    clickOut.size(), rounds);
        return 1;
    }
    return 0;
}

}  // namespace pelorin

int wmain(int argc, wchar_t** argv) { return pelorin::Run(argc >= 2 ? std::max(3, _wtoi(argv[1])) : 30); }
