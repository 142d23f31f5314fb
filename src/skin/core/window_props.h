#pragma once
// The window properties that tie skinned windows to their records. Every
// value is an integer or a handle kept in the property's HANDLE slot; a
// missing property reads as 0.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

namespace prop {
inline constexpr const wchar_t* kFormIndex = L"Hw_FuID";      // on controls and strips: owning form
inline constexpr const wchar_t* kListIndex = L"Hw_lbID";      // on a form: its form index; on a control: list index
inline constexpr const wchar_t* kPreviousProc = L"Hw_hProc";  // the procedure before subclassing
inline constexpr const wchar_t* kTextColor = L"Kj_Ztys";      // COLORREF
inline constexpr const wchar_t* kDisabledTextColor = L"Kj_Jzzts";
inline constexpr const wchar_t* kCheckAnimation = L"Xzk_dhxg";   // 1 = animate the check mark
inline constexpr const wchar_t* kStripOwner = L"Mngd_zct";       // on a scroll strip: its owner
inline constexpr const wchar_t* kBackgroundBrush = L"Kj_dxjb";   // list-box pattern brush
inline constexpr const wchar_t* kBackgroundBitmap = L"Kj_wtjb";  // its bitmap; a toolbar's image list
inline constexpr const wchar_t* kToolbarListIndex = L"Kj_lbID";
inline constexpr const wchar_t* kToolbarFormIndex = L"Kj_FuID";
inline constexpr const wchar_t* kToolbarPreviousProc = L"Kj_hProc";
inline constexpr const wchar_t* kFramed = L"Zqk_Szqk";  // on a control inside a frame box
inline constexpr const wchar_t* kFrameBackColor = L"Zqk_bjs";
inline constexpr const wchar_t* kFrameBackAlpha = L"Zqk_bjstmd";
inline constexpr const wchar_t* kFrameWindow = L"Zqk_gljb";
inline constexpr const wchar_t* kFrameFormIndex = L"Zqk_FuID";  // on a frame box window
inline constexpr const wchar_t* kFrameTableIndex = L"Zqk_LbID";
inline constexpr const wchar_t* kFramePreviousProc = L"Zqk_Jgc";
inline constexpr const wchar_t* kFrameBorderWidth = L"Kjsx_bkk";
inline constexpr const wchar_t* kShadowOwner = L"Yyck_Glck";  // on a drop-shadow window: its owner form
}  // namespace prop

inline std::intptr_t GetPropValue(HWND window, const wchar_t* name) {
    return window ? reinterpret_cast<std::intptr_t>(::GetPropW(window, name)) : 0;
}
inline std::int32_t GetPropInt(HWND window, const wchar_t* name) {
    return static_cast<std::int32_t>(GetPropValue(window, name));
}
inline bool SetPropValue(HWND window, const wchar_t* name, std::intptr_t value) {
    return ::SetPropW(window, name, reinterpret_cast<HANDLE>(value)) != FALSE;
}
inline WNDPROC GetPreviousProc(HWND window, const wchar_t* name = prop::kPreviousProc) {
    return reinterpret_cast<WNDPROC>(GetPropValue(window, name));
}

// Replaces the window's procedure; returns the one it had.
inline WNDPROC Subclass(HWND window, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

// Passes a message on to the procedure kept in the property `name`, or to the
// default procedure when there is none.
inline LRESULT ForwardMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              const wchar_t* name = prop::kPreviousProc) {
    WNDPROC previous = GetPreviousProc(window, name);
    return previous ? ::CallWindowProcW(previous, window, message, wParam, lParam)
                    : ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
