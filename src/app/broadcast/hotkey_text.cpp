#include "app/broadcast/hotkey_text.h"

#include <commctrl.h>

#include <cwctype>

namespace pelorin {
namespace {

struct Modifier {
    UINT flag;
    const wchar_t* name;
};
constexpr Modifier kModifiers[] = {
    {MOD_CONTROL, L"Ctrl"}, {MOD_ALT, L"Alt"}, {MOD_SHIFT, L"Shift"}, {MOD_WIN, L"Win"}};

struct NamedKey {
    UINT key;
    const wchar_t* name;
};
// Keys whose names are no single letter or digit; letters, digits and F1-F24
// are made below.
constexpr NamedKey kNamedKeys[] = {
    {VK_SPACE, L"Space"},         {VK_RETURN, L"Enter"},      {VK_TAB, L"Tab"},
    {VK_BACK, L"Backspace"},      {VK_ESCAPE, L"Esc"},        {VK_INSERT, L"Insert"},
    {VK_DELETE, L"Delete"},       {VK_HOME, L"Home"},         {VK_END, L"End"},
    {VK_PRIOR, L"Page Up"},       {VK_NEXT, L"Page Down"},    {VK_LEFT, L"Left"},
    {VK_RIGHT, L"Right"},         {VK_UP, L"Up"},             {VK_DOWN, L"Down"},
    {VK_PAUSE, L"Pause"},         {VK_SCROLL, L"Scroll Lock"}, {VK_NUMLOCK, L"Num Lock"},
    {VK_SNAPSHOT, L"Print Screen"}, {VK_MULTIPLY, L"Num *"},  {VK_ADD, L"Num +"},
    {VK_SUBTRACT, L"Num -"},      {VK_DECIMAL, L"Num Del"},   {VK_DIVIDE, L"Num /"},
    {VK_OEM_1, L";"},             {VK_OEM_PLUS, L"="},        {VK_OEM_COMMA, L","},
    {VK_OEM_MINUS, L"-"},         {VK_OEM_PERIOD, L"."},      {VK_OEM_2, L"/"},
    {VK_OEM_3, L"`"},             {VK_OEM_4, L"["},           {VK_OEM_5, L"\\"},
    {VK_OEM_6, L"]"},             {VK_OEM_7, L"'"},
};

std::wstring KeyName(UINT key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::wstring(1, static_cast<wchar_t>(key));
    if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return L"Num " + std::to_wstring(key - VK_NUMPAD0);
    for (const NamedKey& k : kNamedKeys)
        if (k.key == key) return k.name;
    return {};
}

// Keys the control shows by their own names only when marked extended
// (otherwise "Delete" reads as the keypad's "Num Del").
bool IsExtendedKey(UINT key) {
    switch (key) {
        case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_DIVIDE: case VK_NUMLOCK: return true;
        default: return false;
    }
}

bool SameText(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && std::iswspace(s.front())) s.remove_prefix(1);
    while (!s.empty() && std::iswspace(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

// The key comes last and its name may itself hold "+" ("Num +"), so the text
// is read from its end: the longest key name it ends with, then modifiers
// separated by "+".
std::optional<Hotkey> ParseHotkey(std::wstring_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    Hotkey hotkey;
    size_t keyLength = 0;
    for (UINT key = 1; key < 0xFF; ++key) {
        const std::wstring name = KeyName(key);
        if (name.empty() || name.size() > text.size() || name.size() <= keyLength) continue;
        if (!SameText(text.substr(text.size() - name.size()), name)) continue;
        hotkey.key = key;
        keyLength = name.size();
    }
    if (!hotkey.key) return std::nullopt;
    std::wstring_view rest = Trim(text.substr(0, text.size() - keyLength));
    if (rest.empty()) return hotkey;
    if (rest.back() != L'+') return std::nullopt;
    rest.remove_suffix(1);
    for (;;) {
        const size_t plus = rest.find(L'+');
        const std::wstring_view part = Trim(rest.substr(0, plus));
        bool known = false;
        for (const Modifier& m : kModifiers) {
            if (!SameText(part, m.name)) continue;
            if (hotkey.modifiers & m.flag) return std::nullopt;
            hotkey.modifiers |= m.flag;
            known = true;
        }
        if (!known) return std::nullopt;
        if (plus == std::wstring_view::npos) return hotkey;
        rest = rest.substr(plus + 1);
    }
}

std::wstring FormatHotkey(const Hotkey& hotkey) {
    std::wstring text;
    for (const Modifier& m : kModifiers)
        if (hotkey.modifiers & m.flag) text += std::wstring(m.name) + L"+";
    const std::wstring key = KeyName(hotkey.key);
    if (key.empty()) return {};
    return text + key;
}

std::optional<Hotkey> HotkeyFromControlValue(WORD value) {
    const UINT key = LOBYTE(value);
    const UINT flags = HIBYTE(value);
    if (key == 0 || KeyName(key).empty()) return std::nullopt;
    Hotkey hotkey;
    hotkey.key = key;
    if (flags & HOTKEYF_CONTROL) hotkey.modifiers |= MOD_CONTROL;
    if (flags & HOTKEYF_ALT) hotkey.modifiers |= MOD_ALT;
    if (flags & HOTKEYF_SHIFT) hotkey.modifiers |= MOD_SHIFT;
    // HOTKEYF_EXT only tells an extended key (the arrows beside the keypad);
    // the control has no Win flag.
    return hotkey;
}

WORD HotkeyToControlValue(const Hotkey& hotkey) {
    BYTE flags = 0;
    if (hotkey.modifiers & MOD_CONTROL) flags |= HOTKEYF_CONTROL;
    if (hotkey.modifiers & MOD_ALT) flags |= HOTKEYF_ALT;
    if (hotkey.modifiers & MOD_SHIFT) flags |= HOTKEYF_SHIFT;
    if (IsExtendedKey(hotkey.key)) flags |= HOTKEYF_EXT;
    return MAKEWORD(static_cast<BYTE>(hotkey.key), flags);
}

}  // namespace pelorin
