#pragma once
// The points where the program sets up its skin: at start-up (S), at the
// start (A) and near the end (B) of the main window's created event. The
// program's dialogs are skinned through dialog_skin.h.

#include <windows.h>

#include <functional>
#include <string>

namespace pelorin {

class Board;

// What the caption-bar buttons do.
struct CaptionActions {
    std::function<void()> toggleExpanded;  // 更多功能
    std::function<void()> openSettings;    // 设置
};

// Starts the skin engine; once per process.
void SkinHookS();
// Loads the main window's button frame: the normal picture "tp\通常框.png"
// and the hot (blue) picture "tp\兰边框.png" of `programDirectory`.
void SkinHookA(const std::wstring& programDirectory);
// Skins the main window: frame, theme, caption-bar buttons, group boxes,
// text colours, the about label and the slider's pictures.
void SkinHookB(const Board& board, const CaptionActions& actions);
// Closes the skin engine after the message loop.
void SkinHookShutdown();

}  // namespace pelorin
