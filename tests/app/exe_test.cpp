// The real program: started as its own process, closed through its window.
#include <gtest/gtest.h>

#include "../support/test_support.h"
#include "app/services/file_io.h"

namespace pelorin::test {
namespace {

struct FindMain {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<FindMain*>(lp);
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

TEST(Program, ClosingTheMainWindowEndsTheProcessWithCodeZero) {
    std::wstring exe = runtime::ProgramDirectory() + L"\\pelorin.exe";
    ASSERT_TRUE(FileExists(exe));
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + exe + L"\"";
    ASSERT_TRUE(::CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));

    FindMain search{pi.dwProcessId};
    PumpUntil(
        [&] {
            ::EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        20000);
    ASSERT_TRUE(search.found) << "the program's main window never appeared";
    wchar_t title[64]{};
    ::GetWindowTextW(search.found, title, 64);
    EXPECT_STREQ(title, L"Pelorin MINI版");
    RECT r{};
    ::GetWindowRect(search.found, &r);
    EXPECT_EQ(r.bottom - r.top, 271);
    EXPECT_TRUE(::GetWindowLongPtrW(search.found, GWL_EXSTYLE) & WS_EX_TOPMOST);

    ::PostMessageW(search.found, WM_CLOSE, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(pi.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 1234;
    ::GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    if (code == STILL_ACTIVE) ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

}  // namespace
}  // namespace pelorin::test
