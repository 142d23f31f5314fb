#pragma once
// Pause and resume, the volume slider and the mute box.

namespace pelorin {

class Board;

inline constexpr const wchar_t* kMuteOffCaption = L"开启静音";  // not muted; a click mutes
inline constexpr const wchar_t* kMuteOnCaption = L"关闭静音";   // muted; a click unmutes
// The mixer line of the system-volume control that the program selects.
inline constexpr int kProgramVolumeLine = 4;

void OnPauseClicked();
void OnResumeClicked();
void OnSliderMoved(Board& board);
void OnMuteClicked(Board& board);
// Once at start-up: the slider takes the control's range and shows its maximum.
void SetUpVolume(Board& board);

}  // namespace pelorin
