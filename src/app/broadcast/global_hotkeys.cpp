#include "app/broadcast/global_hotkeys.h"

namespace pelorin {

std::optional<HotkeyAction> GlobalHotkeys::ActionOfId(int id) {
    const int index = id - kFirstId;
    if (index < 0 || index >= kHotkeyActionCount) return std::nullopt;
    return HotkeyActionAt(index);
}

std::vector<HotkeyAction> GlobalHotkeys::RegisterAll(HWND window,
                                                     const std::array<std::wstring, kHotkeyActionCount>& hotkeys) {
    UnregisterAll();
    window_ = window;
    std::vector<HotkeyAction> taken;
    for (int i = 0; i < kHotkeyActionCount; ++i) {
        const auto index = static_cast<size_t>(i);
        const std::wstring& text = hotkeys[index];
        if (text.empty()) continue;
        const std::optional<Hotkey> hotkey = ParseHotkey(text);
        if (!hotkey) {
            states_[index] = HotkeyState::Unreadable;
            continue;
        }
        // MOD_NOREPEAT: a held key fires once, not at the keyboard's repeat rate.
        if (::RegisterHotKey(window, IdOf(HotkeyActionAt(i)), hotkey->modifiers | MOD_NOREPEAT, hotkey->key)) {
            registered_[index] = hotkey;
            states_[index] = HotkeyState::Active;
        } else {
            states_[index] = HotkeyState::Taken;
            taken.push_back(HotkeyActionAt(i));
        }
    }
    return taken;
}

void GlobalHotkeys::UnregisterAll() {
    for (int i = 0; i < kHotkeyActionCount; ++i) {
        const auto index = static_cast<size_t>(i);
        if (registered_[index] && window_) ::UnregisterHotKey(window_, IdOf(HotkeyActionAt(i)));
        registered_[index].reset();
        states_[index] = HotkeyState::None;
    }
    window_ = nullptr;
}

bool GlobalHotkeys::IsAvailable(const Hotkey& hotkey) const {
    for (const auto& mine : registered_)
        if (mine && mine->key == hotkey.key && mine->modifiers == hotkey.modifiers) return true;
    // A trial registration on no window, undone at once.
    constexpr int kProbeId = 0x5FFF;
    if (!::RegisterHotKey(nullptr, kProbeId, hotkey.modifiers | MOD_NOREPEAT, hotkey.key)) return false;
    ::UnregisterHotKey(nullptr, kProbeId);
    return true;
}

}  // namespace pelorin
