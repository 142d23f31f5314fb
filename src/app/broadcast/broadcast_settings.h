#pragma once
// What the host sets for a broadcast: where the sound goes (an output device,
// usually a virtual cable the voice chat takes as its microphone, and an
// optional monitor device, usually the speakers, with its own volume) and
// the global hotkeys of the program's actions. Kept in "Data.ini" in two
// sections of their own, "设置" and "快捷键", which the slot sections never see.

#include <array>
#include <string>

#include "app/audio/output_devices.h"
#include "app/services/ini_file.h"

namespace pelorin {

inline constexpr const wchar_t* kSettingsSection = L"设置";
inline constexpr const wchar_t* kHotkeySection = L"快捷键";
inline constexpr const wchar_t* kOutputDeviceKey = L"输出设备";
inline constexpr const wchar_t* kMonitorDeviceKey = L"监听设备";
inline constexpr const wchar_t* kMonitorVolumeKey = L"监听音量";
// The device name that stands for the platform's default output.
inline constexpr const wchar_t* kDefaultDeviceName = kDefaultOutputName;
inline constexpr int kMaxMonitorVolume = 100;

// The actions a hotkey can fire, in the order of the "快捷键" keys.
enum class HotkeyAction : int {
    Preset1, Preset2, Preset3, Preset4, Preset5, Preset6,
    Preset7, Preset8, Preset9, Preset10, Preset11, Preset12,
    Slot1, Slot2, Slot3, Slot4,
    Play, Pause, Stop,
};
inline constexpr int kHotkeyActionCount = 19;

// The action's key in "快捷键" ("按钮1" ... "按钮12" for the presets in layout
// order, "自定义1" ... "自定义4", "播放", "暂停", "停止").
const wchar_t* HotkeyKeyName(HotkeyAction action);
inline HotkeyAction HotkeyActionAt(int index) { return static_cast<HotkeyAction>(index); }

struct BroadcastSettings {
    // A device's name as the platform lists it, or kDefaultDeviceName.
    std::wstring outputDevice = kDefaultDeviceName;
    // Empty: no monitor.
    std::wstring monitorDevice;
    int monitorVolume = kMaxMonitorVolume;  // 0..100
    // Each action's key as stored ("Ctrl+Alt+F1"); empty for none. A text
    // that does not parse is kept as it is: it fires nothing and is written
    // back unchanged.
    std::array<std::wstring, kHotkeyActionCount> hotkeys;

    bool operator==(const BroadcastSettings&) const = default;
};

// Missing file, sections or keys read as the defaults above; a volume that
// is no number reads as 100 and one outside 0..100 is clamped.
BroadcastSettings LoadBroadcastSettings(const std::wstring& dataFile);
// Every key of both sections in one atomic replacement of the file.
runtime::IniWriteResult SaveBroadcastSettings(const std::wstring& dataFile, const BroadcastSettings& settings);

}  // namespace pelorin
