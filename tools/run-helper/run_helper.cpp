// Starts a program and watches its main window from outside, for scripts/run.sh:
//
//   pelorin-run.exe [--screenshot <file.png>] [--close-after <seconds>] <program> [arguments...]
//
// It says when the window is up, saves a screenshot once the window has
// painted (on a virtual display nobody sees it otherwise), and with
// --close-after asks the window to close (WM_CLOSE, as the close button
// does) that many seconds after the start and waits for the program to end.
// The exit code is 0 only when every step worked and the program ended with 0.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>

#include "base/handle.h"
#include "screen_capture.h"

namespace pelorin {
namespace {

constexpr DWORD kWindowTimeoutMs = 60000;
constexpr ULONGLONG kPaintTimeoutMs = 20000;
constexpr ULONGLONG kSettleMs = 3000;
constexpr DWORD kEndTimeoutMs = 15000;

struct Options {
    std::wstring screenshot;
    int closeAfterSeconds = 0;
    std::wstring commandLine;  // program and arguments, quoted
    std::wstring program;
};

void Say(const char* format, auto... values) {
    std::printf(format, values...);
    std::fflush(stdout);
}

std::wstring Quoted(const std::wstring& argument) { return L"\"" + argument + L"\""; }

std::optional<Options> ParseArguments(int argc, wchar_t** argv) {
    Options options;
    int i = 1;
    for (; i + 1 < argc && argv[i][0] == L'-' && argv[i][1] == L'-'; i += 2) {
        const std::wstring flag = argv[i];
        if (flag == L"--screenshot")
            options.screenshot = argv[i + 1];
        else if (flag == L"--close-after")
            options.closeAfterSeconds = _wtoi(argv[i + 1]);
        else
            return std::nullopt;
    }
    if (i >= argc) return std::nullopt;
    options.program = argv[i];
    for (; i < argc; ++i) options.commandLine += (options.commandLine.empty() ? L"" : L" ") + Quoted(argv[i]);
    return options;
}

struct WindowSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK TakeMainWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    const bool candidate = owner == search->processId && ::IsWindowVisible(hwnd) && !::GetWindow(hwnd, GW_OWNER) &&
                           !(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    if (!candidate) return TRUE;
    search->found = hwnd;
    return FALSE;
}

// The process's visible main window, or null when the process ends or the
// time runs out first.
HWND WaitForMainWindow(HANDLE process, DWORD processId) {
    const ULONGLONG deadline = ::GetTickCount64() + kWindowTimeoutMs;
    while (::GetTickCount64() < deadline) {
        WindowSearch search{processId};
        ::EnumWindows(&TakeMainWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (::WaitForSingleObject(process, 100) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

ScreenCapture CaptureWindow(HWND window) {
    RECT area{};
    ::GetWindowRect(window, &area);
    return ScreenCapture(area);
}

// Waits until the window shows something and its picture stops changing,
// then saves it. False when it never painted.
bool SaveWhenPainted(HWND window, const std::wstring& path) {
    const ULONGLONG start = ::GetTickCount64();
    std::optional<ScreenCapture> last;
    ULONGLONG firstContent = 0;
    while (::GetTickCount64() - start < kPaintTimeoutMs && ::IsWindow(window)) {
        ScreenCapture now = CaptureWindow(window);
        if (now.HasContent()) {
            if (!firstContent) firstContent = ::GetTickCount64();
            const bool settled = last && last->SamePixels(now);
            if (settled || ::GetTickCount64() - firstContent > kSettleMs) {
                if (!now.SavePng(path)) {
                    Say("== The window has painted, but the screenshot could not be written to %ls\n", path.c_str());
                    return false;
                }
                Say("== The window has painted (%dx%d); screenshot saved: %ls\n", now.Width(), now.Height(),
                    path.c_str());
                return true;
            }
        }
        last = std::move(now);
        ::Sleep(150);
    }
    Say("== The window did not paint within %llu s (the screen under it stayed one colour)\n", kPaintTimeoutMs / 1000);
    return false;
}

int Run(const Options& options) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring commandLine = options.commandLine;
    if (!::CreateProcessW(options.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        Say("== Could not start %ls (error %lu)\n", options.program.c_str(), ::GetLastError());
        return 2;
    }
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
    const ULONGLONG started = ::GetTickCount64();

    HWND window = WaitForMainWindow(process.Get(), info.dwProcessId);
    DWORD code = 0;
    if (!window) {
        if (::GetExitCodeProcess(process.Get(), &code) && code != STILL_ACTIVE) {
            Say("== The program ended before its window appeared (exit code %lu)\n", code);
        } else {
            Say("== No window appeared within %lu s; ending the program\n", kWindowTimeoutMs / 1000);
            ::TerminateProcess(process.Get(), 1);
        }
        return 1;
    }
    RECT area{};
    ::GetWindowRect(window, &area);
    Say("== The window is up (%ldx%ld at %ld,%ld), %llu ms after the start\n", area.right - area.left,
        area.bottom - area.top, area.left, area.top, ::GetTickCount64() - started);

    bool ok = options.screenshot.empty() || SaveWhenPainted(window, options.screenshot);

    if (options.closeAfterSeconds > 0) {
        const ULONGLONG closeAt = started + static_cast<ULONGLONG>(options.closeAfterSeconds) * 1000;
        const ULONGLONG now = ::GetTickCount64();
        const DWORD wait = closeAt > now ? static_cast<DWORD>(closeAt - now) : 0;
        if (::WaitForSingleObject(process.Get(), wait) == WAIT_OBJECT_0) {
            ::GetExitCodeProcess(process.Get(), &code);
            Say("== The program ended by itself before it was closed (exit code %lu)\n", code);
            return 1;
        }
        Say("== Closing the window (%d s after the start)\n", options.closeAfterSeconds);
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process.Get(), kEndTimeoutMs) != WAIT_OBJECT_0) {
            Say("== The program did not end within %lu s of being closed; ending it\n", kEndTimeoutMs / 1000);
            ::TerminateProcess(process.Get(), 1);
            return 1;
        }
    } else {
        ::WaitForSingleObject(process.Get(), INFINITE);
    }
    ::GetExitCodeProcess(process.Get(), &code);
    Say("== The program ended (exit code %lu)\n", code);
    return ok && code == 0 ? 0 : 1;
}

}  // namespace
}  // namespace pelorin

int wmain(int argc, wchar_t** argv) {
    std::optional<pelorin::Options> options = pelorin::ParseArguments(argc, argv);
    if (!options) {
        std::fprintf(
            stderr,
            "usage: pelorin-run [--screenshot <file.png>] [--close-after <seconds>] <program> [arguments...]\n");
        return 2;
    }
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    const int result = pelorin::Run(*options);
    Gdiplus::GdiplusShutdown(token);
    return result;
}
