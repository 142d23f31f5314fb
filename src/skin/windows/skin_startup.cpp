#include "skin/windows/skin_startup.h"

#include <objidl.h>
#include <gdiplus.h>

#include <string>

#include "skin/core/check_glyphs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/windows/frame_box_table.h"

namespace pelorin::skin {

namespace {

bool started = false;

HICON LoadSkinIcon(HINSTANCE module) {
    HICON icon = ::LoadIconW(module, MAKEINTRESOURCEW(kSkinIconId));
    return icon ? icon : ::LoadIconW(module, L"DEFAULT_ICON");
}

void SetSkinDefaults() {
    skinDefaults.themeColor = 0x00DDCA22;
    skinDefaults.controlAlpha = 160;
    skinDefaults.skinControlsEnabled = 1;
    skinDefaults.hoverTrackingEnabled = 0;
    skinDefaults.firstSizePending = 1;
    skinDefaults.channelOutline = 1;
}

void OnShadowButtonDown(HWND shadow) {
    HWND owner = reinterpret_cast<HWND>(GetPropValue(shadow, prop::kShadowOwner));
    FormRecord* form = FormOfWindow(owner);
    if (form && form->shadowDrag) ::SendMessageW(owner, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace

void SkinStartup() {
    if (started) return;
    started = true;
    // GDI+ counts its starts, so this instance is independent of one the
    // program (or a test harness) opened before.
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&gdiplusToken, &input, nullptr) != Gdiplus::Ok) gdiplusToken = 0;

    HINSTANCE module = ::GetModuleHandleW(nullptr);
    skinDefaults.skinIcon = LoadSkinIcon(module);
    SetSkinDefaults();
    RegisterSkinWindowClass(kShadowClassName, ShadowWindowProc, 1, 1);
    RegisterSkinWindowClass(kPlainClassName, DefaultOnlyProc, 1, 1);
    checkGlyphStrip.Load(LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip));
    frameBoxTable.clear();
}

void SkinShutdown() {
    if (!gdiplusToken) return;
    Gdiplus::GdiplusShutdown(gdiplusToken);
    gdiplusToken = 0;
}

std::int32_t RegisterSkinWindowClass(const wchar_t* name, WNDPROC procedure, std::int32_t, std::int32_t) {
    if (!name || !procedure) return 0;
    const std::wstring className = name;  // a private copy for the call
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hIcon = skinDefaults.skinIcon;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = nullptr;  // no class menu
    wc.lpszClassName = className.c_str();
    return ::RegisterClassExW(&wc) != 0 ? 1 : 0;
}

LRESULT CALLBACK ShadowWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN: OnShadowButtonDown(window); break;
        default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK DefaultOnlyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
