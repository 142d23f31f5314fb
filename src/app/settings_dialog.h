#pragma once
// The settings dialog "设置", opened by the caption-bar button of the same
// name: the output and monitor devices, the monitor volume and the global
// hotkeys. Skinned like the button-name dialog. 确认 applies and saves
// everything in one replacement of "Data.ini"; closing it otherwise changes
// nothing.

#include <windows.h>

#include <string>

namespace pelorin {

class Board;
class Broadcast;

inline constexpr const wchar_t* kSettingsDialogClass = L"PelorinSettingsDialog";
inline constexpr const wchar_t* kSettingsDialogTitle = L"设置";
inline constexpr int kSettingsDialogWidth = 400;
inline constexpr int kSettingsDialogHeight = 470;

// Child identifiers of the dialog's controls.
inline constexpr int kSettingsOutputLabelId = 201;
inline constexpr int kSettingsOutputComboId = 202;
inline constexpr int kSettingsMonitorLabelId = 203;
inline constexpr int kSettingsMonitorComboId = 204;
inline constexpr int kSettingsVolumeLabelId = 205;
inline constexpr int kSettingsVolumeSliderId = 206;
inline constexpr int kSettingsVolumeValueId = 207;
inline constexpr int kSettingsHotkeyLabelId = 208;
inline constexpr int kSettingsHotkeyListId = 209;
inline constexpr int kSettingsHotkeyEditId = 210;  // the "msctls_hotkey32" control
inline constexpr int kSettingsAssignId = 211;      // 设定
inline constexpr int kSettingsClearId = 212;       // 清除
inline constexpr int kSettingsMessageId = 213;     // why an assignment was refused
inline constexpr int kSettingsConfirmId = IDOK;
inline constexpr int kSettingsCancelId = IDCANCEL;

// The labels of the dialog, all drawn by the skin.
inline constexpr int kSettingsLabelIds[] = {kSettingsOutputLabelId, kSettingsMonitorLabelId, kSettingsVolumeLabelId,
                                            kSettingsVolumeValueId, kSettingsHotkeyLabelId,  kSettingsMessageId};

// Texts the dialog shows.
inline constexpr const wchar_t* kNoMonitorChoice = L"无";
inline constexpr const wchar_t* kMissingDeviceMark = L"（未连接）";
inline constexpr const wchar_t* kTakenMark = L"（已被占用）";
inline constexpr const wchar_t* kUnreadableMark = L"（无法识别）";
inline constexpr const wchar_t* kSettingsMessageTitle = L"温馨提示";

// A control of the dialog by its identifier, looked for among all
// descendants (the hotkey control sits inside its frame box).
HWND SettingsDialogControl(HWND dialog, int id);

// Shows the dialog modally over the board's window, for the settings in
// force in `broadcast`. True when 确认 saved the settings.
bool ShowSettingsDialog(Board& board, Broadcast& broadcast);

}  // namespace pelorin
