#pragma once
// The four custom slots of "自定义音效": a right-click assigns a file and a
// name, a click plays the file; both are kept in "Data.ini".

#include "app/layout.h"

namespace pelorin {

class Board;

inline constexpr int kSlotCount = 4;
inline constexpr const wchar_t* kSlotFile = L"Data.ini";
inline constexpr const wchar_t* kSlotNameSection = L"按钮记录";
inline constexpr const wchar_t* kSlotPathSection = L"音乐播放";
// The slot dialog's filter: MP3, MP3 and WAV, and every file (a slot plays
// any file the player recognises by its content).
inline constexpr const wchar_t* kSlotFilter = L"MP3文件|*.mp3|MP3和WAV文件|*.mp3;*.wav|所有文件|*.*";

ControlId SlotButton(int slot);
// The slot (1 to 4) whose button is `button`, or 0.
int SlotOfButton(ControlId button);

void RestoreSlots(Board& board);
void OnSlotClicked(Board& board, int slot);
// An empty slot (no file yet) tells in a tooltip how it is filled; a filled
// one has no tooltip.
inline constexpr const wchar_t* kEmptySlotTip = L"右键单击，选择一个音效文件并给按钮起名";
void UpdateSlotTip(Board& board, int slot);
// Right button down on a slot: choose a file, then a name, and store both.
void OnSlotRightButton(Board& board, int slot);

}  // namespace pelorin
