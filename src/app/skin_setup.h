#pragma once
// The points where the program sets up its skin: at start-up (S), at the
// start (A) and near the end (B) of the main window's created event, and when
// the button-name dialog (D) or the settings dialog is created.

#include <windows.h>

#include <string>

#include "skin/windows/frame_box.h"
#include "skin/pictures/nine_slice_frame.h"

namespace pelorin {

class MainWindow;

// The button frames of the main window and of the button-name dialog: the
// normal picture "tp\通常框.png" and the hot (blue) picture "tp\兰边框.png".
inline NineSliceFrame mainButtonFrame;
inline NineSliceFrame dialogButtonFrame;
// The rounded blue frame around the name dialog's edit box; attached anew to
// every name dialog.
inline skin::FrameBox nameDialogEditFrame;
// The same frame around the settings dialog's hotkey control.
inline skin::FrameBox settingsHotkeyFrame;

// Starts the skin engine; once per process.
void SkinHookS();
// Loads the main window's button frame.
void SkinHookA(MainWindow& window);
// Skins the main window: frame, theme, caption-bar buttons, group boxes,
// text colours, the about label and the slider's pictures.
void SkinHookB(MainWindow& window);
// Skins a new button-name dialog; its frame pictures come from the folder
// `programDirectory`.
void SkinHookD(HWND nameDialog, const std::wstring& programDirectory);
// Skins a new settings dialog like the button-name dialog: borderless, the
// dialog's button frame, close animation 2, glowing labels, the slider's
// pictures and the framed hotkey control.
void SkinHookSettingsDialog(HWND dialog, const std::wstring& programDirectory);
// Closes the skin engine after the message loop.
void SkinHookShutdown();

}  // namespace pelorin
