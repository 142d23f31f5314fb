#pragma once
// Hotkeys as the program stores and shows them: "Ctrl+Alt+F1", modifiers
// first in the order Ctrl, Alt, Shift, Win, then one key by its English name
// (the names of the platform's hotkey control on an English system, so the
// file reads the same on every locale). Reading ignores case and spaces
// around "+".

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace pelorin {

struct Hotkey {
    UINT modifiers = 0;  // MOD_CONTROL | MOD_ALT | MOD_SHIFT | MOD_WIN
    UINT key = 0;        // a virtual-key code

    bool operator==(const Hotkey&) const = default;
};

// Nothing for text that is not a hotkey: empty, an unknown key name, no key
// or two keys, a repeated modifier, a modifier key alone.
std::optional<Hotkey> ParseHotkey(std::wstring_view text);
std::wstring FormatHotkey(const Hotkey& hotkey);

// The platform hotkey control's value (HKM_GETHOTKEY: key in the low byte,
// HOTKEYF_* in the high byte) and back. Nothing for an empty control. The
// control knows no Win modifier: a hotkey with Win loses it there.
std::optional<Hotkey> HotkeyFromControlValue(WORD value);
WORD HotkeyToControlValue(const Hotkey& hotkey);

}  // namespace pelorin
