#include "app/subclass.h"

namespace pelorin {
namespace {
constexpr const wchar_t* kKeptProcProperty = L"Pelorin_KeptProc";
}

void SubclassWindow(HWND hwnd, WNDPROC proc) {
    auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    ::SetPropW(hwnd, kKeptProcProperty, reinterpret_cast<HANDLE>(previous));
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

LRESULT CallKeptProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto kept = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, kKeptProcProperty));
    if (msg == WM_NCDESTROY) ::RemovePropW(hwnd, kKeptProcProperty);
    return kept ? ::CallWindowProcW(kept, hwnd, msg, wp, lp) : ::DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace pelorin
