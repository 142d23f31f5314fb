#pragma once
// Popup menus built through the skin. Each registered menu has a 1-based
// index; its items carry command identifiers whose decimal digits are the
// menu index followed by a four-digit item number (menu 2, item 7: 20007),
// so a WM_COMMAND tells the form procedure which menu's callback to call.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace pelorin::skin {

using MenuItemCallback = std::function<void(std::int32_t item)>;

struct SkinMenu {
    HMENU menu = nullptr;
    MenuItemCallback callback;
};

struct MenuCommand {
    std::int32_t menu = 0;  // 1-based index in the registry, 0 = none
    std::int32_t item = 0;
};

class MenuRegistry {
public:
    // Registers the menu (once; a second call only replaces the callback)
    // and returns its index.
    std::int32_t Register(HMENU menu, MenuItemCallback callback);
    std::int32_t Find(HMENU menu) const;
    const SkinMenu* At(std::int32_t index) const;
    std::int32_t Size() const noexcept { return static_cast<std::int32_t>(menus_.size()); }
    void Clear() { menus_.clear(); }

private:
    std::vector<SkinMenu> menus_;
};

inline MenuRegistry menuRegistry;

inline constexpr std::int32_t kMenuItemDigits = 4;
inline constexpr std::int32_t kMaxMenuItem = 9999;

// The command identifier of an item; none when the item number is outside
// 0..9999 or the identifier would not fit the 16 bits a WM_COMMAND carries.
std::optional<UINT> MenuCommandId(std::int32_t menu, std::int32_t item);
// The menu and item a command identifier stands for: all decimal digits but
// the last four give the menu, the last four the item.
MenuCommand DecodeMenuCommand(UINT id);
// Calls the callback of the identifier's menu with the item number; false
// when the menu is not registered or has no callback.
bool DispatchMenuCommand(UINT id);

}  // namespace pelorin::skin
