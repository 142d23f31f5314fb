#pragma once
// The points where the program sets up its skin: at start-up (S), at the
// start (A) and near the end (B) of the main window's created event, and when
// the button-name dialog is created (D). Without the skin engine they leave
// the platform's default look.

#include <windows.h>

namespace pelorin {

class MainWindow;

void SkinHookS();
void SkinHookA(MainWindow& window);
void SkinHookB(MainWindow& window);
void SkinHookD(HWND nameDialog);

}  // namespace pelorin
