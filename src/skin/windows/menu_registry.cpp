#include "skin/windows/menu_registry.h"

#include <string>

namespace pelorin::skin {

std::int32_t MenuRegistry::Register(HMENU menu, MenuItemCallback callback) {
    if (const std::int32_t known = Find(menu)) {
        menus_[static_cast<std::size_t>(known - 1)].callback = std::move(callback);
        return known;
    }
    menus_.push_back(SkinMenu{menu, std::move(callback)});
    return Size();
}

std::int32_t MenuRegistry::Find(HMENU menu) const {
    if (!menu) return 0;
    for (std::size_t i = 0; i < menus_.size(); ++i)
        if (menus_[i].menu == menu) return static_cast<std::int32_t>(i + 1);
    return 0;
}

const SkinMenu* MenuRegistry::At(std::int32_t index) const {
    return index >= 1 && index <= Size() ? &menus_[static_cast<std::size_t>(index - 1)] : nullptr;
}

std::optional<UINT> MenuCommandId(std::int32_t menu, std::int32_t item) {
    if (menu < 1 || item < 0 || item > kMaxMenuItem) return std::nullopt;
    const std::int64_t id = static_cast<std::int64_t>(menu) * 10000 + item;
    if (id > 0xFFFF) return std::nullopt;
    return static_cast<UINT>(id);
}

MenuCommand DecodeMenuCommand(UINT id) {
    const std::wstring digits = std::to_wstring(id);
    if (digits.size() <= static_cast<std::size_t>(kMenuItemDigits))
        return MenuCommand{0, static_cast<std::int32_t>(id)};
    const std::size_t split = digits.size() - kMenuItemDigits;
    // At most six digits before the split (a UINT has ten), so stoi cannot overflow.
    return MenuCommand{std::stoi(digits.substr(0, split)), std::stoi(digits.substr(split))};
}

bool DispatchMenuCommand(UINT id) {
    const MenuCommand command = DecodeMenuCommand(id);
    const SkinMenu* menu = menuRegistry.At(command.menu);
    if (!menu || !menu->callback) return false;
    MenuItemCallback callback = menu->callback;  // a copy: the callback may register menus
    callback(command.item);
    return true;
}

}  // namespace pelorin::skin
