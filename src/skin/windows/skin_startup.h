#pragma once
// The one-time start of the skin engine and its shutdown after the message
// loop.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

// The token of the skin's GDI+ instance; 0 while none is open.
inline ULONG_PTR gdiplusToken = 0;

// Opens GDI+, loads the skin icon, sets the skin-wide defaults, registers the
// skin's window classes and loads the check-mark strip. Runs once per
// process; later calls do nothing.
void SkinStartup();
// Closes the skin's GDI+ instance. The program calls it once, after its
// message loop has ended; a second call does nothing.
void SkinShutdown();

// Registers one window class of the skin; 1 on success, 0 when refused. The
// two trailing arguments are accepted for the callers' sake and ignored.
std::int32_t RegisterSkinWindowClass(const wchar_t* name, WNDPROC procedure, std::int32_t unused1 = 1,
                                     std::int32_t unused2 = 1);

// "yinyWindow": a drop-shadow window; a press on it moves its owner form.
LRESULT CALLBACK ShadowWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// "hbfcWindow": the platform's default behaviour only.
LRESULT CALLBACK DefaultOnlyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

inline constexpr const wchar_t* kShadowClassName = L"yinyWindow";
inline constexpr const wchar_t* kPlainClassName = L"hbfcWindow";
inline constexpr int kSkinIconId = 129;

}  // namespace pelorin::skin
