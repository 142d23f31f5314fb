// Takes the screenshots of docs/: the program's real window, skinned, in the
// states a user sees first (collapsed, expanded with a few songs, a hovered
// button, a checked box), the button-name dialog and the settings dialog.
//
//   pelorin-screenshots.exe <output folder>
//
// The window runs over a data folder of its own (a copy of the frame
// pictures and a short music list), so nothing beside the program changes.
// Exit code 1 when a window did not come up or a picture was not saved.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/layout.h"
#include "app/main_window.h"
#include "app/name_dialog.h"
#include "app/settings_dialog.h"
#include "app/services/file_io.h"
#include "app/skin_setup.h"
#include "screen_capture.h"
#include "skin/core/button_fade.h"

namespace pelorin {
namespace {

void Pump(DWORD ms) {
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

std::wstring outputFolder;
int failures = 0;

void CaptureRect(const RECT& r, const wchar_t* name) {
    ScreenCapture shot(r);
    const std::wstring path = outputFolder + L"\\" + name;
    if (!shot.HasContent() || !shot.SavePng(path)) {
        std::fwprintf(stderr, L"could not save %ls\n", path.c_str());
        ++failures;
        return;
    }
    std::fwprintf(stdout, L"saved %ls (%dx%d)\n", path.c_str(), shot.Width(), shot.Height());
}

void Capture(HWND window, const wchar_t* name) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    ::GetWindowRect(window, &r);
    CaptureRect(r, name);
}

// A data folder with the frame pictures and three songs in the list.
std::wstring MakeDataFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"pelorin-screenshots";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    ::CreateDirectoryW((folder + L"\\tp").c_str(), nullptr);
    const std::wstring program = runtime::ProgramDirectory();
    for (const wchar_t* frame : {L"通常框.png", L"兰边框.png"})
        ::CopyFileW((program + L"\\tp\\" + frame).c_str(), (folder + L"\\tp\\" + frame).c_str(), FALSE);
    // The list file's lines: name, "----", path.
    const wchar_t* songs[] = {L"开场曲", L"片尾曲", L"掌声"};
    std::wstring list;
    for (const wchar_t* song : songs) list += std::wstring(song) + L"----D:\\音乐\\" + song + L".mp3\r\n";
    runtime::WriteFile(folder + L"\\config.txt", ToGbk(list));
    return folder;
}

HWND nameDialog = nullptr;

void CALLBACK OnNameDialogUp(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    nameDialog = ::FindWindowW(kNameDialogClass, nullptr);
    if (!nameDialog) return;
    ::SetWindowTextW(NameDialogEdit(nameDialog), L"掌声");
    Pump(300);
    Capture(nameDialog, L"name-dialog.png");
    ::PostMessageW(nameDialog, WM_CLOSE, 0, 0);
}

HWND settingsDialog = nullptr;

// Gives a row a key through the dialog's own controls, as a user does.
void AssignKey(HWND dialog, int row, WORD controlValue) {
    const HWND list = SettingsDialogControl(dialog, kSettingsHotkeyListId);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ::SendMessageW(SettingsDialogControl(dialog, kSettingsHotkeyEditId), HKM_SETHOTKEY, controlValue, 0);
    ::SendMessageW(SettingsDialogControl(dialog, kSettingsAssignId), BM_CLICK, 0, 0);
}

// The settings dialog over the main window, with two keys set (and then
// cancelled, so nothing is written).
void CALLBACK OnSettingsDialogUp(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    settingsDialog = ::FindWindowW(kSettingsDialogClass, nullptr);
    if (!settingsDialog) return;
    AssignKey(settingsDialog, 0, MAKEWORD('1', HOTKEYF_CONTROL | HOTKEYF_ALT));
    AssignKey(settingsDialog, 16, MAKEWORD('P', HOTKEYF_CONTROL | HOTKEYF_ALT));
    Pump(400);
    ::RedrawWindow(settingsDialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT dialog{}, main{};
    ::GetWindowRect(settingsDialog, &dialog);
    ::GetWindowRect(::GetWindow(settingsDialog, GW_OWNER), &main);
    const RECT both{std::min(dialog.left, main.left), std::min(dialog.top, main.top), std::max(dialog.right, main.right),
                    std::max(dialog.bottom, main.bottom)};
    CaptureRect(both, L"settings.png");
    ::PostMessageW(settingsDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

int Run() {
    SkinHookS();
    auto window = MainWindow::Load(::GetModuleHandleW(nullptr), {MakeDataFolder(), false});
    if (!window) {
        std::fwprintf(stderr, L"the main window did not load\n");
        return 1;
    }
    Pump(500);
    Capture(window->Handle(), L"collapsed.png");

    const HWND button = window->Control(kButton2);
    ::SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
    Pump(600);
    Capture(window->Handle(), L"hovered-button.png");
    ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    Pump(600);

    const HWND box = window->Control(kCheckBox1);  // 开启静音, unchecked at start
    ::SendMessageW(box, BM_CLICK, 0, 0);
    Pump(400);
    Capture(window->Handle(), L"checked-box.png");
    ::SendMessageW(box, BM_CLICK, 0, 0);
    Pump(400);

    window->ToggleExpanded();
    Pump(600);
    Capture(window->Handle(), L"expanded.png");
    window->ToggleExpanded();
    Pump(300);

    ::SetTimer(nullptr, 0, 700, &OnNameDialogUp);
    ShowButtonNameDialog(*window);
    if (!nameDialog) {
        std::fwprintf(stderr, L"the name dialog did not come up\n");
        ++failures;
    }

    ::SetTimer(nullptr, 0, 700, &OnSettingsDialogUp);
    window->OpenSettings();
    if (!settingsDialog) {
        std::fwprintf(stderr, L"the settings dialog did not come up\n");
        ++failures;
    }
    window.reset();
    SkinHookShutdown();
    return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace pelorin

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: pelorin-screenshots <output folder>\n");
        return 2;
    }
    pelorin::outputFolder = argv[1];
    return pelorin::Run();
}
