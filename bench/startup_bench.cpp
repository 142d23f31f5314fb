// Start-up cost of the program: time from process entry to the first paint
// of the main window, and the working set once it is up, each beside the same
// numbers for a bare window of the platform measured in the same run.
//
//   startup_bench.exe [runs]
//
// Each sample is a fresh child process (this program, started with "child
// app|bare <result file>"), so every run pays the real cold costs.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/audio/playback.h"
#include "app/main_window.h"
#include "app/preset_sounds.h"
#include "app/services/file_io.h"
#include "app/skin_setup.h"

namespace {

LARGE_INTEGER entryTime;

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, freq;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&freq);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart);
}

void PumpFor(DWORD ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    MSG msg;
    while (::GetTickCount64() < end) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(5);
    }
}

size_t WorkingSetKb() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof(pmc);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof(pmc));
    return pmc.WorkingSetSize / 1024;
}

// The program's own start-up path; MainWindow::Load returns after the window
// was shown and painted (UpdateWindow paints synchronously).
double StartProgram() {
    pelorin::SkinHookS();
    auto window = pelorin::MainWindow::Load(::GetModuleHandleW(nullptr), {pelorin::runtime::ProgramDirectory(), false});
    const double ms = MillisecondsSince(entryTime);
    for (const auto& file : pelorin::PresetFiles(window->ProgramDirectory())) pelorin::PreloadMp3(file);
    PumpFor(1000);  // let the presets decode: the working set "after start-up"
    window.reset();
    return ms;
}

LRESULT CALLBACK BareProc(HWND h, UINT m, WPARAM w, LPARAM l) { return ::DefWindowProcW(h, m, w, l); }

double StartBareWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &BareProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"BareBenchWindow";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"bare", WS_POPUP, 50, 50, 380, 271, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ::ShowWindow(hwnd, SW_SHOW);
    ::UpdateWindow(hwnd);
    const double ms = MillisecondsSince(entryTime);
    PumpFor(1000);
    ::DestroyWindow(hwnd);
    return ms;
}

int RunChild(const std::wstring& what, const std::wstring& resultFile) {
    const double ms = what == L"app" ? StartProgram() : StartBareWindow();
    const size_t kb = WorkingSetKb();
    std::string line = std::to_string(ms) + " " + std::to_string(kb) + "\n";
    pelorin::runtime::WriteFile(resultFile, std::string_view(line));
    pelorin::ShutdownPlayback();
    return 0;
}

struct Sample {
    double ms;
    double kb;
};

bool RunOnce(const std::wstring& what, Sample& out) {
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
    if (!::CreateProcessW(self, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    ::WaitForSingleObject(pi.hProcess, 60000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    pelorin::Bytes bytes = pelorin::runtime::ReadFile(result);
    pelorin::runtime::DeleteFile(result);
    return std::sscanf(std::string(bytes.begin(), bytes.end()).c_str(), "%lf %lf", &out.ms, &out.kb) == 2;
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    ::QueryPerformanceCounter(&entryTime);
    if (argc >= 4 && std::wstring(argv[1]) == L"child") return RunChild(argv[2], argv[3]);

    const int runs = argc >= 2 ? std::max(1, _wtoi(argv[1])) : 7;
    std::vector<double> appMs, appKb, bareMs, bareKb;
    for (int i = 0; i < runs; ++i) {
        Sample s{};
        if (RunOnce(L"bare", s)) bareMs.push_back(s.ms), bareKb.push_back(s.kb);
        if (RunOnce(L"app", s)) appMs.push_back(s.ms), appKb.push_back(s.kb);
    }
    std::printf("Start-up (median of %d fresh processes)\n", runs);
    std::printf("%-44s %12s %12s\n", "", "Pelorin", "bare window");
    std::printf("%-44s %12.1f %12.1f\n", "process entry to first paint (ms)", Median(appMs), Median(bareMs));
    std::printf("%-44s %12.0f %12.0f\n", "working set after start-up (KB)", Median(appKb), Median(bareKb));
    return appMs.empty() || bareMs.empty() ? 1 : 0;
}
