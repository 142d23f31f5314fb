#pragma once
// The program's global hotkeys: registered with the platform for the main
// window, so they fire while any other program has the focus. A key another
// program holds already cannot be registered; it is reported as taken.

#include <windows.h>

#include <array>
#include <optional>
#include <vector>

#include "app/broadcast/broadcast_settings.h"
#include "app/broadcast/hotkey_text.h"

namespace pelorin {

enum class HotkeyState {
    None,        // no key set
    Active,      // registered: it fires the action
    Taken,       // held by another program; not registered
    Unreadable,  // the stored text is no hotkey; kept as it is
};

class GlobalHotkeys {
public:
    // The WM_HOTKEY identifier of an action, and back (nothing for others).
    static int IdOf(HotkeyAction action) { return kFirstId + static_cast<int>(action); }
    static std::optional<HotkeyAction> ActionOfId(int id);

    ~GlobalHotkeys() { UnregisterAll(); }

    // Replaces the registrations of `window` by the keys of `hotkeys`; returns
    // the actions whose keys were taken.
    std::vector<HotkeyAction> RegisterAll(HWND window,
                                          const std::array<std::wstring, kHotkeyActionCount>& hotkeys);
    void UnregisterAll();
    HotkeyState StateOf(HotkeyAction action) const { return states_[static_cast<size_t>(action)]; }
    // True when `hotkey` is registered here or could be registered now (no
    // other program holds it).
    bool IsAvailable(const Hotkey& hotkey) const;

private:
    static constexpr int kFirstId = 0x5100;

    HWND window_ = nullptr;
    std::array<std::optional<Hotkey>, kHotkeyActionCount> registered_{};
    std::array<HotkeyState, kHotkeyActionCount> states_{};
};

}  // namespace pelorin
