#include "app/services/dialogs.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

namespace pelorin::runtime {

bool FileDialog::Open(HWND owner) {
    // "desc|pattern|desc|pattern" becomes the NUL-separated, double-NUL
    // terminated form the platform expects.
    std::wstring filterZ;
    if (!filter.empty()) {
        filterZ = filter;
        for (auto& c : filterZ)
            if (c == L'|') c = L'\0';
        filterZ.append(2, L'\0');
    }
    std::vector<wchar_t> buffer(32768, L'\0');
    if (fileName.size() < buffer.size()) fileName.copy(buffer.data(), fileName.size());

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filterZ.empty() ? nullptr : filterZ.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = initialDirectory.empty() ? nullptr : initialDirectory.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameW(&ofn)) return false;
    fileName = buffer.data();
    return true;
}

int MessageBox(HWND owner, const std::wstring& text, unsigned flags, const std::wstring& title) {
    return ::MessageBoxW(owner, text.c_str(), title.c_str(), flags);
}

WNDCLASSEXW DialogWindowClass(const wchar_t* className) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    return wc;
}

void LoadWindowModal(HWND owner, const std::function<HWND(HWND)>& create) {
    HWND window = create(owner);
    if (!window) return;
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    ::ShowWindow(window, SW_SHOW);
    MSG msg;
    while (::IsWindow(window)) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is quitting: leave the loop and let the outer loop see it.
            if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!::IsDialogMessageW(window, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (::IsWindow(window)) ::DestroyWindow(window);
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
}

void CloseWindow(HWND window) {
    if (::IsWindow(window)) ::SendMessageW(window, WM_CLOSE, 0, 0);
}

void OpenUrl(const std::wstring& url) {
    ::ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace pelorin::runtime
