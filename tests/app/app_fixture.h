#pragma once
// A main window of the program made inside the test process, with its data
// files in a fresh folder of its own.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../support/test_support.h"
#include "app/main_window.h"
#include "app/skin_setup.h"

namespace pelorin::test {

class MainWindowTest : public ::testing::Test {
protected:
    // Loads the window over the data files already placed in dir, with the
    // skin engine started as the program starts it.
    void LoadWindow() {
        SkinHookS();
        window = MainWindow::Load(::GetModuleHandleW(nullptr), {dir.Path(), false});
        ASSERT_TRUE(window);
        PumpMessages(20);
    }
    void TearDown() override {
        window.reset();
        PumpMessages(10);
    }
    // Clicks a button or check box the way the mouse would.
    void Click(ControlId id) {
        ::SendMessageW(window->Control(id), BM_CLICK, 0, 0);
        PumpMessages(10);
    }
    std::wstring Data(const std::wstring& name) const { return dir.File(name); }

    TempDir dir;
    std::unique_ptr<MainWindow> window;
};

// The files directly inside a folder, by name, with their bytes: compared
// before and after, it shows whether anything was written there.
using FolderFiles = std::map<std::wstring, Bytes>;
FolderFiles FilesIn(const std::wstring& folder);

// The window rectangle of a control relative to its parent's client area.
inline RECT RectInParent(HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// One modal window a test expects and what it does with it.
struct ModalStep {
    const wchar_t* windowClass;  // e.g. L"#32770" for the file dialog and message box
    std::function<void(HWND)> drive;
};
inline constexpr const wchar_t* kDialogClass = L"#32770";

// Runs `action`, which shows modal windows, and drives them in turn: each
// step waits for a visible top-level window of its class on this thread and
// hands it to its `drive`. Returns how many steps were driven.
size_t WithModals(const std::function<void()>& action, std::vector<ModalStep> steps);

// Drivers for the platform's dialogs.
void ChooseFile(HWND fileDialog, const std::wstring& path);
void CancelDialog(HWND dialog);
// The file-type choices of an open-file dialog, in order.
std::vector<std::wstring> FilterNames(HWND fileDialog);
void PressOk(HWND dialog);
// The text of a message box (its static text control).
std::wstring MessageBoxText(HWND box);

}  // namespace pelorin::test
