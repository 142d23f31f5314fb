// The skin's start-up in a process like the program's: GDI+, icon, defaults,
// window classes, the check-mark strip; and the shutdown after the loop.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/windows/apply_skin.h"
#include "skin/core/check_glyphs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/frame_box_table.h"
#include "skin/windows/skin_startup.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

HINSTANCE Module() { return ::GetModuleHandleW(nullptr); }

TEST(SkinStartupTest, SetsTheDefaultsAndLoadsTheCheckMarkStrip) {
    skin::skinDefaults.themeColor = 0x00123456;
    skin::skinDefaults.skinControlsEnabled = 0;
    skin::frameBoxTable.push_back({});
    skin::SkinStartup();
    EXPECT_EQ(skin::skinDefaults.themeColor, 0x00DDCA22u);
    EXPECT_EQ(skin::skinDefaults.controlAlpha, 160);
    EXPECT_EQ(skin::skinDefaults.skinControlsEnabled, 1);
    EXPECT_EQ(skin::skinDefaults.hoverTrackingEnabled, 0);
    EXPECT_EQ(skin::skinDefaults.firstSizePending, 1);
    EXPECT_TRUE(skin::frameBoxTable.empty());
    ASSERT_EQ(skin::checkGlyphStrip.GetFrameCount(), 6);
    for (std::int32_t cell = 1; cell <= 6; ++cell) {
        EXPECT_EQ(skin::checkGlyphStrip.GetFrameWidth(cell), 21);
        EXPECT_EQ(skin::checkGlyphStrip.GetFrameHeight(cell), 16);
    }
    EXPECT_NE(skin::gdiplusToken, 0u);
}

TEST(SkinStartupTest, RunsOnlyOnce) {
    skin::SkinStartup();
    const ULONG_PTR token = skin::gdiplusToken;
    skin::skinDefaults.themeColor = 0x00010203;
    skin::SkinStartup();
    EXPECT_EQ(skin::gdiplusToken, token);
    EXPECT_EQ(skin::skinDefaults.themeColor, 0x00010203u);  // the second call changed nothing
}

TEST(SkinStartupTest, TakesIcon129BeforeTheFallbackName) {
    skin::SkinStartup();
    ASSERT_NE(skin::skinDefaults.skinIcon, nullptr);
    EXPECT_EQ(skin::skinDefaults.skinIcon, ::LoadIconW(Module(), MAKEINTRESOURCEW(129)));
    EXPECT_NE(skin::skinDefaults.skinIcon, ::LoadIconW(Module(), L"DEFAULT_ICON"));
}

TEST(SkinStartupTest, BothClassesShareIconCursorAndBackground) {
    skin::SkinStartup();
    WNDCLASSEXW shadow{};
    shadow.cbSize = sizeof(shadow);
    WNDCLASSEXW plain{};
    plain.cbSize = sizeof(plain);
    ASSERT_TRUE(::GetClassInfoExW(Module(), L"yinyWindow", &shadow));
    ASSERT_TRUE(::GetClassInfoExW(Module(), L"hbfcWindow", &plain));
    for (const WNDCLASSEXW* wc : {&shadow, &plain}) {
        EXPECT_EQ(wc->style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
        EXPECT_EQ(wc->hIcon, skin::skinDefaults.skinIcon);
        EXPECT_EQ(wc->hCursor, ::LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_EQ(wc->hbrBackground, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        EXPECT_EQ(wc->cbClsExtra, 0);
        EXPECT_EQ(wc->cbWndExtra, 0);
    }
    EXPECT_EQ(shadow.lpfnWndProc, skin::ShadowWindowProc);
    EXPECT_EQ(plain.lpfnWndProc, skin::DefaultOnlyProc);
    // A second registration of a taken name is refused.
    EXPECT_EQ(skin::RegisterSkinWindowClass(L"hbfcWindow", skin::DefaultOnlyProc), 0);
    EXPECT_EQ(skin::RegisterSkinWindowClass(L"PelorinStartupTestClass", skin::DefaultOnlyProc), 1);
}

TEST(SkinStartupTest, ThePlainClassGivesTheDefaultResults) {
    skin::SkinStartup();
    HWND window = ::CreateWindowExW(0, L"hbfcWindow", L"默认", WS_OVERLAPPEDWINDOW, 100, 100, 200, 150, nullptr,
                                    nullptr, Module(), nullptr);
    ASSERT_NE(window, nullptr);
    const POINT inside{150, 150};
    const LPARAM at = MAKELPARAM(inside.x, inside.y);
    EXPECT_EQ(::SendMessageW(window, WM_NCHITTEST, 0, at), ::DefWindowProcW(window, WM_NCHITTEST, 0, at));
    EXPECT_EQ(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), ::DefWindowProcW(window, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_EQ(::SendMessageW(window, WM_USER + 5, 1, 2), 0);
    ::DestroyWindow(window);
}

// An owner form whose own procedure counts the title-bar presses it is sent.
int captionPresses = 0;
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION) {
        ++captionPresses;
        return 0;  // no move loop in the test
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST(SkinStartupTest, APressOnTheShadowMovesTheOwnerOnlyWithShadowDrag) {
    skin::SkinStartup();
    skin::RegisterSkinWindowClass(L"PelorinShadowOwner", OwnerProc);
    HWND owner = ::CreateWindowExW(0, L"PelorinShadowOwner", L"owner", WS_POPUP | WS_VISIBLE, 200, 200, 200, 150,
                                   nullptr, nullptr, Module(), nullptr);
    HWND shadow = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"yinyWindow", L"", WS_POPUP, 195, 195, 210, 160, owner, nullptr,
                                    Module(), nullptr);
    ASSERT_NE(shadow, nullptr);
    skin::ApplySkin(owner, {});
    skin::SetPropValue(shadow, skin::prop::kShadowOwner, reinterpret_cast<std::intptr_t>(owner));
    captionPresses = 0;
    ::SendMessageW(shadow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(captionPresses, 0);
    skin::FormOfWindow(owner)->shadowDrag = true;
    ::SendMessageW(shadow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(captionPresses, 1);
    ::DestroyWindow(shadow);
    ::DestroyWindow(owner);
    EXPECT_EQ(skin::FindFormByWindow(owner), 0);
}

TEST(SkinStartupTest, ShutdownClosesTheSkinsInstanceOnce) {
    skin::SkinStartup();
    ASSERT_NE(skin::gdiplusToken, 0u);
    skin::SkinShutdown();
    EXPECT_EQ(skin::gdiplusToken, 0u);
    skin::SkinShutdown();  // nothing left to close
    EXPECT_EQ(skin::gdiplusToken, 0u);
}

}  // namespace
}  // namespace pelorin::test
