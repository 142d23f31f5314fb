// The skinned program as a user feels it, in the real main window:
//   hover: from the WM_MOUSEMOVE that enters a preset button to the first
//          blit of its fade, beside a BitBlt of the button's size;
//   click: from the button-up of a mouse click on a preset button to the
//          first buffer handed to the sound device, in the skinned program
//          beside the same program with its controls left unskinned.
//
//   skinned_window_bench.exe [rounds]
//
// Each side runs in a fresh child process (the skin starts once per process);
// a side that measured nothing is reported as failed and no ratio is shown.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/preset_sounds.h"
#include "app/services/file_io.h"
#include "app/skin_setup.h"
#include "base/handle.h"
#include "bench_support.h"
#include "skin/core/button_fade.h"

namespace pelorin {
namespace {

using bench::Median;
using bench::Now;
using bench::PumpFor;
using bench::PumpUntil;
using bench::TicksToMs;

constexpr ControlId kPresets[] = {kButton1, kButton2, kButton3, kButton4,  kButton5,  kButton6,
                                  kButton7, kButton8, kButton9, kButton10, kButton11, kButton12};

// Click latencies of preset buttons, round after round.
std::vector<double> MeasureClicks(MainWindow& window, int rounds) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        const HWND button = window.Control(kPresets[i % 12]);
        const std::uint64_t started = GetPlaybackStats().playsStarted;
        ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        const LONGLONG up = Now();
        ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        const ULONGLONG deadline = ::GetTickCount64() + 5000;
        for (;;) {
            const PlaybackStats s = GetPlaybackStats();
            if (s.playsStarted > started && s.firstWriteTicks > 0) {
                ms.push_back(TicksToMs(s.firstWriteTicks - up));
                break;
            }
            if (::GetTickCount64() > deadline) break;
            ::Sleep(0);
        }
        PumpFor(60);
    }
    return ms;
}

// Mouse enters a button: time to the first blend of its fade.
std::vector<double> MeasureHover(MainWindow& window, int rounds) {
    std::vector<double> ms;
    HWND watched = nullptr;
    LONGLONG firstBlend = 0;
    skin::fadeBlendObserver = [&](HWND w, std::int32_t) {
        if (w == watched && firstBlend == 0) firstBlend = Now();
    };
    for (int i = 0; i < rounds; ++i) {
        watched = window.Control(kPresets[i % 12]);
        firstBlend = 0;
        // The real cursor stands on the button, as when a user moves there:
        // elsewhere the mouse-leave tracking would end the fade at once.
        POINT at{12, 8};
        ::ClientToScreen(watched, &at);
        ::SetCursorPos(at.x, at.y);
        PumpFor(50);  // the pointer reaches its place on the display first
        const LONGLONG enter = Now();
        ::SendMessageW(watched, WM_MOUSEMOVE, 0, MAKELPARAM(12, 8));
        if (PumpUntil([&] { return firstBlend != 0; }, 2000)) ms.push_back(TicksToMs(firstBlend - enter));
        ::SetCursorPos(0, 0);
        ::SendMessageW(watched, WM_MOUSELEAVE, 0, 0);
        PumpUntil([] { return skin::fadeList.empty(); }, 2000);
    }
    skin::fadeBlendObserver = nullptr;
    return ms;
}

// The baseline of the hover: a BitBlt of a button's size onto the window.
std::vector<double> MeasureBlit(MainWindow& window, int rounds) {
    std::vector<double> ms;
    const HWND button = window.Control(kButton1);
    RECT r{};
    ::GetClientRect(button, &r);
    WindowDc target(button);
    UniqueMemoryDc memory(::CreateCompatibleDC(target.Get()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(target.Get(), r.right, r.bottom));
    if (!memory || !bitmap) return ms;
    ScopedSelect selected(memory.Get(), bitmap.Get());
    for (int i = 0; i < rounds; ++i) {
        const LONGLONG start = Now();
        if (!::BitBlt(target.Get(), 0, 0, r.right, r.bottom, memory.Get(), 0, 0, SRCCOPY)) return {};
        ::GdiFlush();
        ms.push_back(TicksToMs(Now() - start));
    }
    return ms;
}

std::string Line(const char* name, const std::vector<double>& values) {
    std::string line = name;
    for (double v : values) line += " " + std::to_string(v);
    return line + "\n";
}

int RunChild(bool skinned, int rounds, const std::wstring& resultFile) {
    if (skinned) SkinHookS();
    auto window = MainWindow::Load(::GetModuleHandleW(nullptr), {runtime::ProgramDirectory(), false});
    if (!window) {
        runtime::WriteFile(resultFile, std::string_view("failed the main window did not load\n"));
        return 1;
    }
    for (const std::wstring& file : PresetFiles(window->ProgramDirectory())) PreloadMp3(file);
    PumpFor(1500);
    std::string out = "ok\n" + Line("click", MeasureClicks(*window, rounds));
    if (skinned) out += Line("hover", MeasureHover(*window, rounds)) + Line("blit", MeasureBlit(*window, rounds));
    window.reset();
    ShutdownPlayback();
    runtime::WriteFile(resultFile, std::string_view(out));
    return 0;
}

struct ChildRun {
    std::string failure;
    std::vector<double> click, hover, blit;
};

ChildRun RunChildProcess(const wchar_t* side, int rounds) {
    ChildRun run;
    wchar_t self[MAX_PATH], temp[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring result = std::wstring(temp) + L"skinned_window_bench_" + side + L".txt";
    std::wstring cmd =
        L"\"" + std::wstring(self) + L"\" child " + side + L" " + std::to_wstring(rounds) + L" \"" + result + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(self, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        run.failure = "could not start a child process";
        return run;
    }
    UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
    if (::WaitForSingleObject(process.Get(), 120000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.Get(), 1);
        run.failure = "the child did not end within 120 s";
        return run;
    }
    const Bytes bytes = runtime::ReadFile(result);
    runtime::DeleteFile(result);
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    std::string line;
    if (!std::getline(text, line) || line != "ok") {
        run.failure = line.empty() ? "the child reported nothing" : line;
        return run;
    }
    while (std::getline(text, line)) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        std::vector<double>& target = name == "click" ? run.click : name == "hover" ? run.hover : run.blit;
        double v = 0;
        while (words >> v) target.push_back(v);
    }
    return run;
}

std::string Figure(const std::vector<double>& v, int rounds) {
    if (static_cast<int>(v.size()) < rounds) return "failed";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", Median(v));
    return text;
}

}  // namespace
}  // namespace pelorin

int wmain(int argc, wchar_t** argv) {
    using namespace pelorin;
    if (argc >= 5 && std::wstring(argv[1]) == L"child")
        return RunChild(std::wstring(argv[2]) == L"skinned", _wtoi(argv[3]), argv[4]);
    const int rounds = argc >= 2 ? std::max(3, _wtoi(argv[1])) : 36;
    const ChildRun skinned = RunChildProcess(L"skinned", rounds);
    const ChildRun plain = RunChildProcess(L"plain", rounds);
    std::printf("The skinned main window (median of %d rounds, ms)\n", rounds);
    std::printf("%-58s %10s %10s\n", "", "measured", "baseline");
    std::printf("%-58s %10s %10s   (goal: under 25)\n", "hover: mouse enters a button -> first fade blit / BitBlt",
                Figure(skinned.hover, rounds).c_str(), Figure(skinned.blit, rounds).c_str());
    std::printf("%-58s %10s %10s   (goal: no slower than unskinned)\n",
                "click: button-up -> first buffer, skinned / unskinned", Figure(skinned.click, rounds).c_str(),
                Figure(plain.click, rounds).c_str());
    bool ok = true;
    for (const auto& [name, run] : {std::pair{"skinned", &skinned}, std::pair{"unskinned", &plain}}) {
        if (!run->failure.empty()) {
            std::printf("FAILED: the %s side: %s\n", name, run->failure.c_str());
            ok = false;
        }
    }
    if (static_cast<int>(skinned.hover.size()) < rounds || static_cast<int>(skinned.blit.size()) < rounds ||
        static_cast<int>(skinned.click.size()) < rounds || static_cast<int>(plain.click.size()) < rounds) {
        std::printf("FAILED: some rounds measured nothing (hover %zu, blit %zu, click %zu / %zu of %d)\n",
                    skinned.hover.size(), skinned.blit.size(), skinned.click.size(), plain.click.size(), rounds);
        ok = false;
    }
    if (ok) std::printf("%-58s %10.2f\n", "click skinned / unskinned", Median(skinned.click) / Median(plain.click));
    return ok ? 0 : 1;
}
