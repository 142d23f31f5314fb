#pragma once
// The platform dialogs the application shows: the open-file dialog (one
// object per dialog of the layout, which also keeps the chosen file name),
// the message box and modal loading of the program's own windows.

#include <windows.h>

#include <functional>
#include <string>

namespace pelorin::runtime {

class FileDialog {
public:
    // Properties, as the layout's file-dialog components have them.
    std::wstring fileName;
    // Pairs of description and pattern separated by "|", e.g. "MP3文件|*.mp3".
    std::wstring filter;
    std::wstring initialDirectory;

    // Shows the open-file dialog. True when the user chose a file, which then
    // is `fileName`; on cancel `fileName` keeps its value.
    bool Open(HWND owner);
};

// Flags as the application passes them: 0x10 = error icon, OK button.
int MessageBox(HWND owner, const std::wstring& text, unsigned flags, const std::wstring& title);

// The window class of one of the program's own dialog windows (its
// procedure left to the registering window): arrow cursor, the dialog face
// colour behind its controls.
WNDCLASSEXW DialogWindowClass(const wchar_t* className);

// Creates a window with `create` (given the owner), disables the owner and
// runs messages until that window is destroyed; then the owner is enabled
// and activated again.
void LoadWindowModal(HWND owner, const std::function<HWND(HWND owner)>& create);
// Closes a window of the program (as its close box would).
void CloseWindow(HWND window);

// Opens the address in the default web browser.
void OpenUrl(const std::wstring& url);

}  // namespace pelorin::runtime
