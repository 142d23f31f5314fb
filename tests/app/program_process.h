#pragma once
// The real program as a process of its own, started the way a user starts it
// and driven through its main window from outside.

#include <windows.h>

#include <string>

#include "base/handle.h"

namespace pelorin::test {

class ProgramProcess {
public:
    // Starts `exe` with `workingFolder` as its current folder (empty: this
    // process's). Started() tells whether it runs.
    ProgramProcess(const std::wstring& exe, const std::wstring& workingFolder = {});
    // Ends a program still running (a test that failed half-way).
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    // Its visible main window ("PelorinMainWindow"), waited for while this
    // thread's messages are pumped; nullptr when none came up in time.
    HWND WaitForMainWindow(DWORD timeoutMs = 20000) const;
    // Closes the window as its close button does and waits for the process to
    // end; returns its exit code (STILL_ACTIVE when it did not end in time).
    DWORD CloseAndWait(HWND mainWindow, DWORD timeoutMs = 20000);

private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace pelorin::test
