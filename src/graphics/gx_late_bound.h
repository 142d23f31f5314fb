#pragma once
// Entry points of GDI+ 1.1 (the effects) are looked up when first used: the
// 32-bit import library knows only GDI+ 1.0, and a GDI+ without them must
// still load the program. A missing entry point answers NotImplemented.

#include "graphics/gx_object.h"

namespace pelorin {

// The named export of the loaded gdiplus.dll, or null.
template <typename Fn>
Fn GxLateBound(const char* name) noexcept {
    HMODULE gdiplus = ::GetModuleHandleW(L"gdiplus.dll");
    return gdiplus ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(gdiplus, name))) : nullptr;
}

// Calls the late-bound entry point as GxCall does; NotImplemented without it.
template <typename Fn, typename... Args>
bool GxCallLateBound(Fn fn, Args&&... args) {
    if (!fn) {
        gxLastStatus = Gdiplus::NotImplemented;
        return false;
    }
    return GxCall(fn, std::forward<Args>(args)...);
}

}  // namespace pelorin
