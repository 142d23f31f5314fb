#include "app/broadcast/broadcast.h"

#include "app/audio/playback.h"

namespace pelorin {

void Broadcast::Restore(HWND hotkeyWindow, const std::wstring& dataFile) {
    window_ = hotkeyWindow;
    dataFile_ = dataFile;
    settings_ = LoadBroadcastSettings(dataFile_);
    Route();
    hotkeys_.RegisterAll(window_, settings_.hotkeys);
}

Broadcast::SettingsChange Broadcast::Confirm(const BroadcastSettings& proposed) {
    SettingsChange change;
    BroadcastSettings kept = proposed;
    for (HotkeyAction action : hotkeys_.RegisterAll(window_, proposed.hotkeys)) {
        const auto index = static_cast<size_t>(action);
        if (proposed.hotkeys[index] == settings_.hotkeys[index]) continue;
        // A new key another program holds is not kept: the action keeps its old one.
        kept.hotkeys[index] = settings_.hotkeys[index];
        change.taken.push_back(action);
    }
    if (!change.taken.empty()) hotkeys_.RegisterAll(window_, kept.hotkeys);
    change.saved = SaveBroadcastSettings(dataFile_, kept);
    if (change.saved != runtime::IniWriteResult::Written) {
        // Nothing of it takes effect: what is in force stays what is stored.
        hotkeys_.RegisterAll(window_, settings_.hotkeys);
        change.taken.clear();
        return change;
    }
    const bool routed = kept.outputDevice != settings_.outputDevice || kept.monitorDevice != settings_.monitorDevice ||
                        kept.monitorVolume != settings_.monitorVolume;
    settings_ = std::move(kept);
    if (routed) Route();
    return change;
}

void Broadcast::Route() const {
    SetOutputDevices(settings_.outputDevice, settings_.monitorDevice, settings_.monitorVolume);
}

}  // namespace pelorin
