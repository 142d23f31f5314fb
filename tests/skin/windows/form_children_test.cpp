// What a skinned form does for its children: owner-drawn push buttons, list
// box brushes, menu commands by the decimal rule.

#include <gtest/gtest.h>

#include <vector>

#include "skinned_test_form.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/menu_registry.h"
#include "skin/windows/skinned_form_proc.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

TEST(FormChildren, ASkinnedPushButtonIsPaintedByTheSkinOthersByTheirOwner) {
    HWND skinned = nullptr;
    HWND ownerDrawn = nullptr;
    SkinnedTestForm w{TestWindow(0, TestWindowSettings(), [&](HWND window) {
        skinned = AddChild(window, L"BUTTON", BS_PUSHBUTTON, 40, 80, 100, 30, L"确认");
        // Owner-drawn before the skin came: not taken over.
        ownerDrawn = AddChild(window, L"BUTTON", BS_OWNERDRAW, 40, 140, 100, 30, L"自绘");
    })};
    ASSERT_GT(skin::FindButton(w.FormIndex(), skinned), 0);
    ASSERT_EQ(skin::FindButton(w.FormIndex(), ownerDrawn), 0);
    const skin::FormRecord& f = w.Record();
    ASSERT_TRUE(f.frameCopy && f.frameBuffer);
    w.Messages().drawItems = 0;

    ::InvalidateRect(skinned, nullptr, TRUE);
    ::UpdateWindow(skinned);
    EXPECT_EQ(w.Messages().drawItems, 0);
    // The painter wrote the button into the form's composite copy.
    int changed = 0;
    for (int y = 82; y < 108; ++y)
        for (int x = 42; x < 138; ++x)
            changed += !Near(f.frameCopy->PixelAt(x, y) | 0xFF000000u, f.frameBuffer->PixelAt(x, y) | 0xFF000000u, 4);
    EXPECT_GT(changed, 100);

    ::InvalidateRect(ownerDrawn, nullptr, TRUE);
    ::UpdateWindow(ownerDrawn);
    EXPECT_EQ(w.Messages().drawItems, 1);
}

TEST(FormChildren, EachListBoxKeepsOnePatternBrush) {
    HWND list = nullptr;
    SkinnedTestForm w{TestWindow(0, TestWindowSettings(), [&](HWND window) {
        list = AddChild(window, L"ListBox", WS_BORDER, 40, 80, 150, 120);
    })};
    skin::SetPropValue(list, skin::prop::kTextColor, 0x00112233);
    HDC dc = ::GetDC(list);
    const auto first = reinterpret_cast<HBRUSH>(
        ::SendMessageW(w.Window(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list)));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(::GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(skin::GetPropValue(list, skin::prop::kBackgroundBrush)), first);
    EXPECT_EQ(::GetTextColor(dc), 0x00112233u);
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    const auto second = reinterpret_cast<HBRUSH>(
        ::SendMessageW(w.Window(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(list)));
    ::ReleaseDC(list, dc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(skin::GetPropValue(list, skin::prop::kBackgroundBrush)), second);
    // The first brush is gone (its handle may have been given to the second).
    EXPECT_TRUE(second == first || ::GetObjectType(first) == 0);
    ::DestroyWindow(w.Window());
    EXPECT_EQ(::GetObjectType(second), 0u);
}

struct MenuCall {
    int menu;
    std::int32_t item;
};

TEST(FormMenus, CommandIdentifiersNameTheMenuAndTheItemInDecimal) {
    EXPECT_EQ(skin::MenuCommandId(1, 3), 10003u);
    EXPECT_EQ(skin::MenuCommandId(2, 12), 20012u);
    EXPECT_EQ(skin::MenuCommandId(6, 5535), 65535u);
    EXPECT_FALSE(skin::MenuCommandId(7, 0));      // beyond what WM_COMMAND carries
    EXPECT_FALSE(skin::MenuCommandId(1, 10000));  // five item digits
    EXPECT_FALSE(skin::MenuCommandId(0, 1));
    EXPECT_EQ(skin::DecodeMenuCommand(20012).menu, 2);
    EXPECT_EQ(skin::DecodeMenuCommand(20012).item, 12);
    EXPECT_EQ(skin::DecodeMenuCommand(9999).menu, 0);
    EXPECT_EQ(skin::DecodeMenuCommand(4294967295u).menu, 429496);
    EXPECT_EQ(skin::DecodeMenuCommand(4294967295u).item, 7295);

    skin::menuRegistry.Clear();
    SkinnedTestForm w{TestWindow()};
    std::vector<MenuCall> calls;
    HMENU first = ::CreatePopupMenu();
    HMENU second = ::CreatePopupMenu();
    ASSERT_EQ(skin::menuRegistry.Register(first, [&](std::int32_t item) { calls.push_back({1, item}); }), 1);
    ASSERT_EQ(skin::menuRegistry.Register(second, [&](std::int32_t item) { calls.push_back({2, item}); }), 2);
    ::AppendMenuW(second, MF_OWNERDRAW, *skin::MenuCommandId(2, 12), nullptr);
    const auto command = [&](UINT id, LPARAM from = 0) {
        ::SendMessageW(w.Window(), WM_COMMAND, MAKEWPARAM(id, 0), from);
    };
    command(10003);
    command(20012);
    command(9999);                                         // no menu digits
    command(30001);                                        // no third menu
    command(10004, reinterpret_cast<LPARAM>(w.Window()));  // a control's notification, not a menu's
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].menu, 1);
    EXPECT_EQ(calls[0].item, 3);
    EXPECT_EQ(calls[1].menu, 2);
    EXPECT_EQ(calls[1].item, 12);

    // Skinned items are measured by the form.
    ::ModifyMenuW(second, *skin::MenuCommandId(2, 12), MF_BYCOMMAND | MF_STRING, *skin::MenuCommandId(2, 12),
                  L"打开文件");
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = *skin::MenuCommandId(2, 12);
    ::SendMessageW(w.Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_GT(measure.itemWidth, 30u);
    EXPECT_GE(measure.itemHeight, 22u);
    ::DestroyMenu(first);
    ::DestroyMenu(second);
    skin::menuRegistry.Clear();
}

}  // namespace
}  // namespace pelorin::test
