// Start-up cost of the program: time from process entry to the first paint
// of the main window, and the working set once it is up, each beside the same
// numbers for a bare window of the platform measured in the same run.
//
//   startup_bench.exe [runs]
//
// Each sample is a fresh child process (this program, started with "child
// app|bare <result file>"), so every run pays the real cold costs. A child
// whose window did not come up or paint reports that instead of a time; the
// benchmark then says so and fails, and shows no figure for that side.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "app/audio/playback.h"
#include "app/main_window.h"
#include "app/preset_sounds.h"
#include "app/services/file_io.h"
#include "app/skin_setup.h"
#include "app/startup_marks.h"
#include "base/handle.h"
#include "bench_support.h"

namespace {

LARGE_INTEGER entryTime;

using pelorin::bench::Median;
using pelorin::bench::MillisecondsSince;

size_t WorkingSetKb() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof(pmc);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof(pmc));
    return pmc.WorkingSetSize / 1024;
}

// The phases of the program's start-up, each measured from process entry to
// its end; the table shows each phase's own share.
constexpr const char* kPhaseNames[] = {
    "skin start-up (GDI+, classes, glyph strip)",
    "window and controls",
    "button frame pictures",
    "data files (music list, slots)",
    "ApplySkin and the configuration calls",
    "ShowWindow",
    "first render and paint of the frame",
    "first paint of the controls",
};
constexpr size_t kPhaseCount = sizeof kPhaseNames / sizeof kPhaseNames[0];

// What a child measured, or why it could not.
struct ChildResult {
    double ms = 0;
    std::string failure;            // empty when the start-up worked
    std::vector<double> phaseEnds;  // ms from entry, the program only
};

// The program's own start-up path; MainWindow::Load returns after the window
// was shown and painted (UpdateWindow paints synchronously).
ChildResult StartProgram() {
    pelorin::SkinHookS();
    const double skinStarted = MillisecondsSince(entryTime);
    auto window = pelorin::MainWindow::Load(::GetModuleHandleW(nullptr), {pelorin::runtime::ProgramDirectory(), false});
    if (!window) return {0, "the main window did not load", {}};
    // The controls paint after the frame (the window clips its children):
    // the skinned window is complete once they have.
    ::RedrawWindow(window->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double ms = MillisecondsSince(entryTime);
    std::vector<double> phaseEnds{skinStarted};
    for (const LARGE_INTEGER& mark : pelorin::StartupMarks())
        phaseEnds.push_back(MillisecondsSince(entryTime) - MillisecondsSince(mark));
    phaseEnds.push_back(ms);
    for (const auto& file : pelorin::PresetFiles(window->ProgramDirectory())) pelorin::PreloadMp3(file);
    pelorin::bench::PumpFor(1000, 5);  // let the presets decode: the working set "after start-up"
    window.reset();
    return {ms, "", phaseEnds};
}

bool barePainted = false;

LRESULT CALLBACK BareProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) barePainted = true;
    return ::DefWindowProcW(h, m, w, l);
}

// The baseline: the platform's plainest window, shown and painted with its
// class brush. It counts only when it really painted, which is read back from
// the window.
ChildResult StartBareWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &BareProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"BareBenchWindow";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"bare", WS_POPUP, 50, 50, 380, 271, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    if (!hwnd) return {0, "the bare window could not be created", {}};
    ::ShowWindow(hwnd, SW_SHOW);
    ::UpdateWindow(hwnd);
    const double ms = MillisecondsSince(entryTime);
    const COLORREF expected = ::GetSysColor(COLOR_BTNFACE);
    COLORREF shown = CLR_INVALID;
    {
        pelorin::WindowDc dc(hwnd);
        shown = ::GetPixel(dc.Get(), 190, 135);
    }
    pelorin::bench::PumpFor(1000, 5);
    ::DestroyWindow(hwnd);
    if (!barePainted) return {ms, "the bare window got no WM_PAINT", {}};
    if (shown != expected) {
        char text[96];
        std::snprintf(text, sizeof text, "the bare window shows 0x%06lX, not its background 0x%06lX", shown, expected);
        return {ms, text, {}};
    }
    return {ms, "", {}};
}

int RunChild(const std::wstring& what, const std::wstring& resultFile) {
    const ChildResult result = what == L"app" ? StartProgram() : StartBareWindow();
    const size_t kb = WorkingSetKb();
    std::string phases;
    for (double end : result.phaseEnds) phases += " " + std::to_string(end);
    const std::string line = result.failure.empty()
                                 ? "ok " + std::to_string(result.ms) + " " + std::to_string(kb) + phases + "\n"
                                 : "failed " + result.failure + "\n";
    pelorin::runtime::WriteFile(resultFile, std::string_view(line));
    pelorin::ShutdownPlayback();
    return result.failure.empty() ? 0 : 1;
}

struct Sample {
    double ms = 0;
    double kb = 0;
    std::vector<double> phaseEnds;
    std::string failure;  // empty when the run measured something
};

// One fresh child; false (and `out.failure` set) when it measured nothing.
bool RunOnce(const std::wstring& what, Sample& out) {
    out = Sample{};
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t tempDir[MAX_PATH];
    ::GetTempPathW(MAX_PATH, tempDir);
    const std::wstring result =
        std::wstring(tempDir) + L"startup_bench_" + std::to_wstring(::GetTickCount64()) + L".txt";
    std::wstring cmd = L"\"" + std::wstring(self) + L"\" child " + what + L" \"" + result + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(self, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        out.failure = "could not start a child process";
        return false;
    }
    pelorin::UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
    if (::WaitForSingleObject(process.Get(), 60000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.Get(), 1);
        out.failure = "the child did not end within 60 s";
        return false;
    }
    const pelorin::Bytes bytes = pelorin::runtime::ReadFile(result);
    pelorin::runtime::DeleteFile(result);
    const std::string text(bytes.begin(), bytes.end());
    if (text.rfind("ok ", 0) == 0 && std::sscanf(text.c_str() + 3, "%lf %lf", &out.ms, &out.kb) == 2) {
        std::istringstream rest(text.substr(3));
        double value = 0;
        rest >> value >> value;
        while (rest >> value) out.phaseEnds.push_back(value);
        return true;
    }
    out.failure = text.rfind("failed ", 0) == 0 ? text.substr(7, text.find('\n') - 7) : "the child reported nothing";
    return false;
}

// The runs of one side: its figures, or why some runs measured nothing.
struct Side {
    explicit Side(const char* sideName) : name(sideName) {}

    const char* name;
    std::vector<double> ms, kb;
    std::vector<std::vector<double>> phases;  // per phase, its duration in each run
    size_t failures = 0;
    std::string firstFailure;

    void Add(const Sample& s) {
        if (s.failure.empty()) {
            ms.push_back(s.ms);
            kb.push_back(s.kb);
            if (s.phaseEnds.size() == kPhaseCount) {
                phases.resize(kPhaseCount);
                for (size_t i = 0; i < kPhaseCount; ++i)
                    phases[i].push_back(s.phaseEnds[i] - (i == 0 ? 0.0 : s.phaseEnds[i - 1]));
            }
        } else if (failures++ == 0) {
            firstFailure = s.failure;
        }
    }
    bool Ran() const { return failures == 0 && !ms.empty(); }
};

// A figure of a side that ran, "failed" for one that did not.
std::string Figure(const Side& side, const std::vector<double>& values, const char* format) {
    if (!side.Ran()) return "failed";
    char text[32];
    std::snprintf(text, sizeof text, format, Median(values));
    return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    ::QueryPerformanceCounter(&entryTime);
    if (argc >= 4 && std::wstring(argv[1]) == L"child") return RunChild(argv[2], argv[3]);

    const int runs = argc >= 2 ? std::max(1, _wtoi(argv[1])) : 7;
    Side app("Pelorin"), bare("the bare window (baseline)");
    for (int i = 0; i < runs; ++i) {
        Sample s;
        RunOnce(L"bare", s);
        bare.Add(s);
        RunOnce(L"app", s);
        app.Add(s);
    }
    std::printf("Start-up (median of %d fresh processes)\n", runs);
    std::printf("%-44s %12s %12s\n", "", "Pelorin", "bare window");
    std::printf("%-44s %12s %12s\n", "process entry to first paint (ms)", Figure(app, app.ms, "%.1f").c_str(),
                Figure(bare, bare.ms, "%.1f").c_str());
    std::printf("%-44s %12s %12s\n", "working set after start-up (KB)", Figure(app, app.kb, "%.0f").c_str(),
                Figure(bare, bare.kb, "%.0f").c_str());
    if (app.Ran() && bare.Ran())
        std::printf("%-44s %12.2f %12s   (goal: under 3)\n", "Pelorin / bare window", Median(app.ms) / Median(bare.ms),
                    "1");
    if (app.Ran() && app.phases.size() == kPhaseCount) {
        std::printf(
            "Pelorin's start-up by phase (median ms; entry to the skin start-up includes loading the program)\n");
        for (size_t i = 0; i < kPhaseCount; ++i) std::printf("  %-50s %8.1f\n", kPhaseNames[i], Median(app.phases[i]));
    }
    for (const Side* side : {&app, &bare})
        if (!side->Ran())
            std::printf("FAILED: %s did not start properly in %zu of %d runs (first: %s); its figures are not shown\n",
                        side->name, side->failures, runs, side->firstFailure.c_str());
    return app.Ran() && bare.Ran() ? 0 : 1;
}
