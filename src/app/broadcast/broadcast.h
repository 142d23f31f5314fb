#pragma once
// The broadcast settings in force: the devices the sound goes to (output,
// monitor and its volume) and the global hotkeys, read from "Data.ini" at
// start and changed as a whole by the settings dialog. The main window owns
// one; its hotkeys are registered for that window.

#include <windows.h>

#include <string>
#include <vector>

#include "app/broadcast/broadcast_settings.h"
#include "app/broadcast/global_hotkeys.h"
#include "app/services/ini_file.h"

namespace pelorin {

class Broadcast {
public:
    struct SettingsChange {
        runtime::IniWriteResult saved = runtime::IniWriteResult::Failed;
        // Actions whose new keys another program holds: their previous keys
        // were kept (and saved) instead.
        std::vector<HotkeyAction> taken;
    };

    // Reads the settings of `dataFile` ("Data.ini"), routes the sound and
    // registers the hotkeys for `hotkeyWindow`. Keys other programs hold are
    // left out for now and kept in the file.
    void Restore(HWND hotkeyWindow, const std::wstring& dataFile);
    // Registers the proposed hotkeys, saves the settings and routes the sound
    // to the proposed devices. When the file cannot be written, everything
    // stays as it was (registrations included).
    SettingsChange Confirm(const BroadcastSettings& proposed);
    // Gives up every hotkey (the window is going).
    void UnregisterHotkeys() { hotkeys_.UnregisterAll(); }

    const BroadcastSettings& Settings() const { return settings_; }
    const GlobalHotkeys& Hotkeys() const { return hotkeys_; }

private:
    void Route() const;

    HWND window_ = nullptr;
    std::wstring dataFile_;
    BroadcastSettings settings_;
    GlobalHotkeys hotkeys_;
};

}  // namespace pelorin
