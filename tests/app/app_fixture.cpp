#include "app_fixture.h"

#include <dlgs.h>

namespace pelorin::test {
namespace {

struct ModalScript {
    std::vector<ModalStep> steps;
    size_t next = 0;
    HWND lastDriven = nullptr;
    bool driving = false;
};
ModalScript* activeScript = nullptr;

struct Search {
    const wchar_t* windowClass;
    HWND skip;
    HWND found;
};

BOOL CALLBACK FindThreadWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<Search*>(lp);
    wchar_t name[64]{};
    ::GetClassNameW(hwnd, name, 64);
    if (hwnd != search->skip && wcscmp(name, search->windowClass) == 0 && ::IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A thread timer: the dialogs' own message loops dispatch it.
void CALLBACK PollForModal(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* script = activeScript;
    if (!script || script->driving || script->next >= script->steps.size()) return;
    ModalStep& step = script->steps[script->next];
    // A window just driven may linger for a moment; never drive it twice.
    Search search{step.windowClass, ::IsWindow(script->lastDriven) ? script->lastDriven : nullptr, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindThreadWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return;
    script->driving = true;
    script->next++;
    script->lastDriven = search.found;
    step.drive(search.found);
    script->driving = false;
}

}  // namespace

FolderFiles FilesIn(const std::wstring& folder) {
    FolderFiles files;
    WIN32_FIND_DATAW found{};
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[found.cFileName] = ReadAll(folder + L"\\" + found.cFileName);
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
    return files;
}

size_t WithModals(const std::function<void()>& action, std::vector<ModalStep> steps) {
    ModalScript script{std::move(steps)};
    ModalScript* outer = activeScript;
    activeScript = &script;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &PollForModal);
    action();
    ::KillTimer(nullptr, timer);
    activeScript = outer;
    return script.next;
}

void ChooseFile(HWND fileDialog, const std::wstring& path) {
    // The explorer-style dialog keeps the typed name in the combo box cmb13
    // (older layouts: the edit edt1).
    HWND name = ::GetDlgItem(fileDialog, cmb13);
    if (!name) name = ::GetDlgItem(fileDialog, edt1);
    ::SetWindowTextW(name, path.c_str());
    PressOk(fileDialog);
}

std::vector<std::wstring> FilterNames(HWND fileDialog) {
    // The file-type combo box is cmb1.
    HWND types = ::GetDlgItem(fileDialog, cmb1);
    std::vector<std::wstring> names;
    const int count = static_cast<int>(::SendMessageW(types, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring name(static_cast<size_t>(::SendMessageW(types, CB_GETLBTEXTLEN, i, 0)), L'\0');
        ::SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name.data()));
        names.push_back(name);
    }
    return names;
}

void CancelDialog(HWND dialog) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDCANCEL)));
}

void PressOk(HWND dialog) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
}

std::wstring MessageBoxText(HWND box) {
    // The message text is the static control with id 0xFFFF.
    wchar_t text[512]{};
    ::GetDlgItemTextW(box, 0xFFFF, text, 512);
    return text;
}

}  // namespace pelorin::test
