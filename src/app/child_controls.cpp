#include "app/child_controls.h"

namespace pelorin {

HWND CreateChildControl(HWND parent, const ChildControl& c, HFONT font) {
    HWND control = ::CreateWindowExW(
        c.exStyle, c.windowClass, c.caption, WS_CHILD | WS_VISIBLE | c.style, c.left, c.top, c.width, c.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), ::GetModuleHandleW(nullptr), nullptr);
    if (control && font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

bool CreateChildControls(HWND parent, std::span<const ChildControl> controls, HFONT font) {
    bool all = true;
    for (const ChildControl& c : controls)
        if (!CreateChildControl(parent, c, font)) all = false;
    return all;
}

POINT PlaceOverOwner(HWND owner, int width, int top) {
    RECT r{};
    ::GetWindowRect(owner, &r);
    return {r.left + ((r.right - r.left) - width) / 2, r.top + top};
}

}  // namespace pelorin
