#pragma once
// One way for a window of the program to be a C++ object. The object passes
// itself as CreateWindowExW's creation parameter; the class procedure binds
// it to the window at WM_NCCREATE, so that every message from then on
// (WM_NCCREATE and WM_CREATE included) reaches the object's HandleMessage,
// and unbinds it after WM_NCDESTROY, the last message the window gets.
//
//   class Dialog : public WindowBase<Dialog> {
//       friend WindowBase<Dialog>;
//       LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);  // a switch of OnXxx calls
//   };

#include <windows.h>

namespace pelorin {

template <class Derived>
class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    // The window, from WM_NCCREATE until WM_NCDESTROY; null otherwise.
    HWND Handle() const { return hwnd_; }

    // The object bound to a window of this class (null before WM_NCCREATE
    // and after WM_NCDESTROY). Only for windows of the class Derived registers.
    static Derived* FromHandle(HWND hwnd) {
        return reinterpret_cast<Derived*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }

protected:
    WindowBase() = default;
    ~WindowBase() = default;

    // Registers the window class once per process, with the binding
    // procedure; `wc` gives everything else (its lpfnWndProc is ignored).
    static bool RegisterClassOnce(WNDCLASSEXW wc) {
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof(existing);
        if (::GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing)) return true;
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &Procedure;
        return ::RegisterClassExW(&wc) != 0;
    }

    // CreateWindowExW of a window bound to this object (no menu); null when
    // it cannot be made or WM_NCCREATE / WM_CREATE refused it.
    HWND CreateBound(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, const RECT& bounds,
                     HWND owner, HINSTANCE instance) {
        return ::CreateWindowExW(exStyle, className, title, style, bounds.left, bounds.top, bounds.right - bounds.left,
                                 bounds.bottom - bounds.top, owner, nullptr, instance, static_cast<Derived*>(this));
    }

    // What the platform does with a message the object leaves alone.
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) const { return ::DefWindowProcW(hwnd_, msg, wp, lp); }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_NCCREATE) Bind(hwnd, static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
        Derived* self = FromHandle(hwnd);
        if (!self) return ::DefWindowProcW(hwnd, msg, wp, lp);
        const LRESULT result = self->HandleMessage(msg, wp, lp);
        if (msg == WM_NCDESTROY) Bind(hwnd, nullptr);
        return result;
    }

    // Binds (or with null unbinds) the object and the window both ways.
    static void Bind(HWND hwnd, Derived* self) {
        if (Derived* bound = FromHandle(hwnd)) static_cast<WindowBase*>(bound)->hwnd_ = nullptr;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) static_cast<WindowBase*>(self)->hwnd_ = hwnd;
    }

    HWND hwnd_ = nullptr;
};

}  // namespace pelorin
