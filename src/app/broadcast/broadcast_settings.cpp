#include "app/broadcast/broadcast_settings.h"

#include <algorithm>
#include <cwctype>
#include <vector>

namespace pelorin {
namespace {

// clang-format off
constexpr const wchar_t* kHotkeyKeys[kHotkeyActionCount] = {
    L"按钮1", L"按钮2", L"按钮3", L"按钮4", L"按钮5", L"按钮6",
    L"按钮7", L"按钮8", L"按钮9", L"按钮10", L"按钮11", L"按钮12",
    L"自定义1", L"自定义2", L"自定义3", L"自定义4",
    L"播放", L"暂停", L"停止",
};
// clang-format on

int ParseVolume(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) ++i;
    if (i == text.size() || !std::iswdigit(text[i])) return kMaxMonitorVolume;
    int value = 0;
    for (; i < text.size() && std::iswdigit(text[i]); ++i) value = std::min(value * 10 + (text[i] - L'0'), 1000);
    while (i < text.size() && std::iswspace(text[i])) ++i;
    if (i != text.size()) return kMaxMonitorVolume;
    return std::clamp(value, 0, kMaxMonitorVolume);
}

}  // namespace

const wchar_t* HotkeyKeyName(HotkeyAction action) { return kHotkeyKeys[static_cast<int>(action)]; }

BroadcastSettings LoadBroadcastSettings(const std::wstring& dataFile) {
    BroadcastSettings settings;
    // An empty or missing output is the default device; an empty monitor is none.
    const std::wstring output = runtime::ReadIni(dataFile, kSettingsSection, kOutputDeviceKey);
    if (!output.empty()) settings.outputDevice = output;
    settings.monitorDevice = runtime::ReadIni(dataFile, kSettingsSection, kMonitorDeviceKey);
    settings.monitorVolume = ParseVolume(runtime::ReadIni(dataFile, kSettingsSection, kMonitorVolumeKey));
    for (int i = 0; i < kHotkeyActionCount; ++i)
        settings.hotkeys[static_cast<size_t>(i)] = runtime::ReadIni(dataFile, kHotkeySection, kHotkeyKeys[i]);
    return settings;
}

runtime::IniWriteResult SaveBroadcastSettings(const std::wstring& dataFile, const BroadcastSettings& settings) {
    std::vector<runtime::IniEntry> entries;
    entries.push_back({kSettingsSection, kOutputDeviceKey, settings.outputDevice});
    entries.push_back({kSettingsSection, kMonitorDeviceKey, settings.monitorDevice});
    entries.push_back({kSettingsSection, kMonitorVolumeKey,
                       std::to_wstring(std::clamp(settings.monitorVolume, 0, kMaxMonitorVolume))});
    for (int i = 0; i < kHotkeyActionCount; ++i)
        entries.push_back({kHotkeySection, kHotkeyKeys[i], settings.hotkeys[static_cast<size_t>(i)]});
    return runtime::WriteIni(dataFile, entries);
}

}  // namespace pelorin
