#include "program_process.h"

#include <cwchar>

#include "../support/test_support.h"

namespace pelorin::test {
namespace {

struct MainWindowSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<MainWindowSearch*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[64]{};
    ::GetClassNameW(hwnd, cls, 64);
    if (pid == search->processId && wcscmp(cls, L"PelorinMainWindow") == 0 && ::IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ProgramProcess::ProgramProcess(const std::wstring& exe, const std::wstring& workingFolder) {
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!::CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.empty() ? nullptr : workingFolder.c_str(), &si, &pi))
        return;
    UniqueKernelHandle thread(pi.hThread);
    process_.Reset(pi.hProcess);
    id_ = pi.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
    if (process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.Get(), 1);
}

HWND ProgramProcess::WaitForMainWindow(DWORD timeoutMs) const {
    MainWindowSearch search{id_};
    if (!process_) return nullptr;
    PumpUntil(
        [&] {
            ::EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

DWORD ProgramProcess::CloseAndWait(HWND mainWindow, DWORD timeoutMs) {
    ::PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.Get(), &code);
    return code;
}

}  // namespace pelorin::test
