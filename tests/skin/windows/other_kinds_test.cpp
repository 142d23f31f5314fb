// Up-down controls, toolbars, tab controls and transparent children on a
// real skinned form: they keep working (clicks change them and their
// notifications reach the form's own procedure), the skin draws them in the
// theme colour over the form background, and their records and properties
// are those of their kinds.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "base/handle.h"
#include "graphics/gx_object.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/container.h"
#include "skin/windows/toolbar.h"
#include "skin/windows/transparent_children.h"
#include "skin/windows/up_down.h"
#include "skin/windows/skin_startup.h"
#include "skinned_test_form.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

// A theme colour no form background resembles.
constexpr COLORREF kTheme = 0x000000FF;
constexpr int kFirstCommand = 501;
// The colour the transparent child paints itself in.
constexpr COLORREF kChildColor = RGB(250, 20, 200);

FormOptions OtherKindsOptions() {
    FormOptions options = FormAt(100, 80, 420, 320);
    options.style = WS_POPUP;
    options.text = L"其他控件";
    return options;
}

// The remaining control kinds on one form: a vertical and a horizontal
// up-down, a toolbar with two icon buttons, a tab control attached as a
// container, a transparent child of a class that paints one colour, and a
// transparent edit.
class OtherKindsForm : public SkinnedTestForm {
public:
    OtherKindsForm() : SkinnedTestForm(OtherKindsOptions()) {
        skin::SkinStartup();
        skin::skinDefaults.firstSizePending = 0;  // the process's first size change happened long ago
        upDown = AddUpDown(0, 20, 60, 18, 30);
        upDownHorz = AddUpDown(UDS_HORZ, 50, 60, 30, 18);
        toolbar = AddToolbar(TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 20, 110, 180, 32, 2,
                             RGB(0, 255, 0), kFirstCommand);
        tab = AddTab(WS_CLIPSIBLINGS, {L"第一页", L"第二页", L"第三页"}, 220, 50, 180, 120);
        painted = AddPaintedChild(kChildColor, WS_EX_TRANSPARENT, 20, 200, 60, 40);
        transparentEdit = Add(L"Edit", WS_VISIBLE | WS_BORDER, 100, 200, 80, 22, L"", WS_EX_TRANSPARENT);
        skin::SkinSettings settings;
        settings.titleHeight = 30;
        Apply(settings);
        skin::AttachContainer(tab);
        Show(40);
    }

    HWND upDown = nullptr;      // vertical, range 0..100 at 50
    HWND upDownHorz = nullptr;  // UDS_HORZ, range 0..100 at 50
    HWND toolbar = nullptr;     // two buttons with green icons, then a separator
    HWND tab = nullptr;         // three items, item 0 selected
    HWND painted = nullptr;     // WS_EX_TRANSPARENT, paints kChildColor
    HWND transparentEdit = nullptr;
};

bool Contains(const std::vector<UINT>& codes, UINT code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

RECT ItemRect(HWND control, UINT message, int i) {
    RECT r{};
    ::SendMessageW(control, message, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return r;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The theme colour at `alpha` over the background.
GxArgb ThemeOver(std::uint32_t alpha, GxArgb background) { return Over(skin::ToArgb(kTheme, alpha), background); }

class OtherKindsTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = skin::skinDefaults.themeColor;
        skin::skinDefaults.themeColor = kTheme;
        for (HWND w : {form.upDown, form.upDownHorz, form.toolbar, form.tab}) {
            ::InvalidateRect(w, nullptr, TRUE);
            ::UpdateWindow(w);
        }
    }
    void TearDown() override { skin::skinDefaults.themeColor = saved_; }

    // The drawn pixel beside the theme colour at `alpha` over the frame behind it.
    ::testing::AssertionResult ShowsTheme(HWND control, int x, int y, std::uint32_t alpha, int tolerance = 14) {
        const GxArgb drawn = form.Drawn(control).At(x, y);
        const GxArgb expected = ThemeOver(alpha, form.FrameBufferBehind(control, x, y));
        if (Near(drawn, expected, tolerance)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "drawn " << Hex(drawn) << ", expected about " << Hex(expected) << " at " << x << "," << y;
    }

    OtherKindsForm form;
    COLORREF saved_ = 0;
};

TEST_F(OtherKindsTest, UpDownArrowClicksStepThePositionAndReachTheParent) {
    // Vertical, 18 x 30: the upper half increments, the lower decrements.
    Press(form.upDown, {9, 7});
    Release(form.upDown, {9, 7});
    EXPECT_EQ(::SendMessageW(form.upDown, UDM_GETPOS32, 0, 0), 51);
    EXPECT_TRUE(Contains(form.Messages().notifyCodes, UDN_DELTAPOS));
    EXPECT_GE(form.Messages().vScrolls, 1);
    Press(form.upDown, {9, 22});
    Release(form.upDown, {9, 22});
    EXPECT_EQ(::SendMessageW(form.upDown, UDM_GETPOS32, 0, 0), 50);

    // Horizontal, 30 x 18: the right half increments.
    Press(form.upDownHorz, {22, 9});
    Release(form.upDownHorz, {22, 9});
    EXPECT_EQ(::SendMessageW(form.upDownHorz, UDM_GETPOS32, 0, 0), 51);
    EXPECT_GE(form.Messages().hScrolls, 1);
}

TEST_F(OtherKindsTest, UpDownPartsAreThemeGradientsStrongerWhilePressed) {
    // Left of the arrow in the upper part (rows 0..14): the normal gradient
    // runs from alpha 100 at the top to 50 at the bottom.
    const auto alphaAt = [](float from, float to, int y) {
        return static_cast<std::uint32_t>(from + (to - from) * (y + 0.5f) / 15);
    };
    EXPECT_TRUE(ShowsTheme(form.upDown, 2, 5, alphaAt(100, 50, 5)));
    EXPECT_TRUE(ShowsTheme(form.upDown, 2, 20, alphaAt(100, 50, 5)));
    const int normalRed = Red(form.Drawn(form.upDown).At(2, 8));

    Press(form.upDown, {9, 7});
    // Pressed: lit from below, 100 at the top to 200 at the bottom.
    EXPECT_TRUE(ShowsTheme(form.upDown, 2, 8, alphaAt(100, 200, 8)));
    EXPECT_GT(Red(form.Drawn(form.upDown).At(2, 8)), normalRed + 20);
    // The other part stays as it was.
    EXPECT_TRUE(ShowsTheme(form.upDown, 2, 20, alphaAt(100, 50, 5)));
    Release(form.upDown, {9, 7});
    EXPECT_NEAR(Red(form.Drawn(form.upDown).At(2, 8)), normalRed, 3);

    // The dark arrow in the middle of each part.
    const GxArgb arrow = form.Drawn(form.upDown).At(8, 8);
    EXPECT_LT(Red(arrow) + Green(arrow) + Blue(arrow), 200) << Hex(arrow);
}

TEST_F(OtherKindsTest, ToolbarButtonClickReachesTheParentAsACommand) {
    const POINT second = Centre(ItemRect(form.toolbar, TB_GETITEMRECT, 1));
    Press(form.toolbar, second);
    Release(form.toolbar, second);
    ASSERT_FALSE(form.Messages().commands.empty());
    EXPECT_EQ(form.Messages().commands.back(), kFirstCommand + 1);
}

TEST_F(OtherKindsTest, ToolbarButtonsShowTheirIconsOnThemeGradientsHotUnderTheMouse) {
    const RECT first = ItemRect(form.toolbar, TB_GETITEMRECT, 0);
    const RECT second = ItemRect(form.toolbar, TB_GETITEMRECT, 1);
    const Pixels p = form.Drawn(form.toolbar);
    // The image list's green icon in the middle of each button.
    for (const RECT& r : {first, second}) {
        const POINT c = Centre(r);
        EXPECT_TRUE(Near(p.At(c.x, c.y), 0xFF00FF00, 8)) << Hex(p.At(c.x, c.y));
    }
    // Beside the icon, the body: alpha 100 at the top to 50 at the bottom.
    const int h = first.bottom - first.top;
    const int y = first.top + h / 2;
    const auto normal = static_cast<std::uint32_t>(100 - 50.0f * (static_cast<float>(y - first.top) + 0.5f) / h);
    EXPECT_TRUE(ShowsTheme(form.toolbar, first.left + 3, y, normal));
    EXPECT_TRUE(ShowsTheme(form.toolbar, second.left + 3, y, normal));

    // Hot: 150 to 75.
    POINT screen = Centre(second);
    ::ClientToScreen(form.toolbar, &screen);
    ::SetCursorPos(screen.x, screen.y);
    const POINT c = Centre(second);
    ::SendMessageW(form.toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
    EXPECT_TRUE(ShowsTheme(form.toolbar, second.left + 3, y, normal * 3 / 2));
    EXPECT_TRUE(ShowsTheme(form.toolbar, first.left + 3, y, normal));
    ::SetCursorPos(2, 2);
}

TEST_F(OtherKindsTest, TabClickChangesTheSelectionAndTheSelectedTabIsStrongest) {
    ASSERT_EQ(TabCtrl_GetCurSel(form.tab), 0);
    const RECT item1 = ItemRect(form.tab, TCM_GETITEMRECT, 1);
    const POINT at = Centre(item1);
    Press(form.tab, at);
    Release(form.tab, at);
    EXPECT_EQ(TabCtrl_GetCurSel(form.tab), 1);
    EXPECT_TRUE(Contains(form.Messages().notifyCodes, TCN_SELCHANGE));

    ::UpdateWindow(form.tab);
    // Mid-height, left of the text: selected 220 to 140, the others 120 to 60.
    const RECT item0 = ItemRect(form.tab, TCM_GETITEMRECT, 0);
    const RECT item2 = ItemRect(form.tab, TCM_GETITEMRECT, 2);
    const auto mid = [](const RECT& r, float top, float bottom, int extraTop) {
        const float h = static_cast<float>(r.bottom - r.top + extraTop);
        const float y = static_cast<float>((r.top + r.bottom) / 2 - r.top + extraTop) + 0.5f;
        return static_cast<std::uint32_t>(top + (bottom - top) * y / h);
    };
    EXPECT_TRUE(ShowsTheme(form.tab, item1.left + 2, Centre(item1).y, mid(item1, 220, 140, 2), 18));
    EXPECT_TRUE(ShowsTheme(form.tab, item2.left + 4, Centre(item2).y, mid(item2, 120, 60, 0), 18));
    // Item 0 lost the selected look.
    EXPECT_TRUE(ShowsTheme(form.tab, item0.left + 4, Centre(item0).y, mid(item0, 120, 60, 0), 18));
}

TEST_F(OtherKindsTest, TransparentChildsPictureReachesFrameCopyAndEditsAreLeftAlone) {
    skin::MemorySurface& copy = *form.Record().frameCopy;
    const RECT area = skin::ClientRectInForm(form.painted);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) copy.Pixels()[y * copy.Width() + x] = 0xFF000000;
    ::InvalidateRect(form.painted, nullptr, TRUE);
    ::UpdateWindow(form.painted);
    const Pixels p = form.Drawn(form.painted);
    const GxArgb child =
        0xFF000000u | GetRValue(kChildColor) << 16 | GetGValue(kChildColor) << 8 | GetBValue(kChildColor);
    for (POINT at : {POINT{0, 0}, POINT{30, 20}, POINT{59, 39}})
        EXPECT_TRUE(Near(p.At(at.x, at.y), child, 2)) << Hex(p.At(at.x, at.y));

    // The child's properties, and the chain to its own procedure.
    const std::int32_t formIndex = form.FormIndex();
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(form.painted, GWLP_WNDPROC)), skin::TransparentChildProc);
    EXPECT_EQ(skin::GetPropValue(form.painted, skin::prop::kPreviousProc),
              static_cast<std::intptr_t>(::GetClassLongPtrW(form.painted, GCLP_WNDPROC)));
    EXPECT_EQ(skin::GetPropInt(form.painted, skin::prop::kFormIndex), formIndex);
    EXPECT_EQ(skin::GetPropInt(form.painted, skin::prop::kListIndex), 0);
    EXPECT_EQ(skin::GetPropInt(form.painted, skin::prop::kTextColor), 0);
    EXPECT_EQ(skin::GetPropInt(form.painted, skin::prop::kDisabledTextColor), 0x00606060);

    // The transparent edit is an edit box of the skin, nothing more.
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(form.transparentEdit, GWLP_WNDPROC)), skin::EditProc);
    EXPECT_EQ(skin::GetPropInt(form.transparentEdit, skin::prop::kListIndex),
              skin::FindEdit(formIndex, form.transparentEdit));
}

TEST_F(OtherKindsTest, SkinnedTransparentControlsKeepTheirOwnRecords) {
    // A push button with WS_EX_TRANSPARENT is the button family's: the
    // transparent step must not take its list index or its procedure.
    HWND button = ::CreateWindowExW(WS_EX_TRANSPARENT, L"BUTTON", L"按钮", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20,
                                    260, 80, 24, form.Window(), nullptr, nullptr, nullptr);
    const std::int32_t formIndex = form.FormIndex();
    skin::AttachPushButtons(formIndex, form.Window());
    skin::AttachTransparentChildren(formIndex, form.Window());
    const std::int32_t index = skin::FindButton(formIndex, button);
    ASSERT_GT(index, 0);
    EXPECT_EQ(skin::GetPropInt(button, skin::prop::kListIndex), index);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(button, GWLP_WNDPROC)), skin::ButtonProc);

    // A transparent panel later attached as a container still reaches its
    // own procedure (no endless forwarding).
    HWND panel = ::CreateWindowExW(WS_EX_TRANSPARENT, L"STATIC", L"面板", WS_CHILD | WS_VISIBLE, 120, 260, 80, 40,
                                   form.Window(), nullptr, nullptr, nullptr);
    skin::AttachTransparentChildren(formIndex, form.Window());
    ASSERT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(panel, GWLP_WNDPROC)), skin::TransparentChildProc);
    skin::ContainerSettings settings;
    settings.selfPainted = false;
    skin::AttachContainer(panel, settings);
    wchar_t text[16]{};
    EXPECT_EQ(::GetWindowTextW(panel, text, 16), 2);
    EXPECT_STREQ(text, L"面板");
    ::DestroyWindow(panel);
    ::DestroyWindow(button);
}

TEST_F(OtherKindsTest, RecordsAndPropertiesOfTheKinds) {
    const std::int32_t formIndex = form.FormIndex();
    skin::FormRecord& record = form.Record();
    const std::int32_t vertical = skin::FindUpDown(formIndex, form.upDown);
    const std::int32_t horizontal = skin::FindUpDown(formIndex, form.upDownHorz);
    ASSERT_GT(vertical, 0);
    ASSERT_GT(horizontal, 0);
    EXPECT_FALSE(record.upDowns[vertical].horizontal);
    EXPECT_TRUE(record.upDowns[horizontal].horizontal);
    EXPECT_EQ(record.upDowns[vertical].previousProc, skin::GetPreviousProc(form.upDown));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(form.upDown, GWLP_WNDPROC)), skin::UpDownProc);
    EXPECT_EQ(skin::GetPropInt(form.upDown, skin::prop::kListIndex), vertical);
    EXPECT_EQ(skin::GetPropInt(form.upDown, skin::prop::kFormIndex), formIndex);

    const std::int32_t bar = skin::FindToolbar(formIndex, form.toolbar);
    ASSERT_GT(bar, 0);
    const skin::ToolbarRecord& t = record.toolbars[bar];
    EXPECT_EQ(skin::GetPropInt(form.toolbar, skin::prop::kToolbarFormIndex), formIndex);
    EXPECT_EQ(skin::GetPropInt(form.toolbar, skin::prop::kToolbarListIndex), bar);
    EXPECT_EQ(skin::GetPreviousProc(form.toolbar, skin::prop::kToolbarPreviousProc), t.previousProc);
    EXPECT_EQ(skin::GetPropValue(form.toolbar, skin::prop::kPreviousProc), 0);  // the "Kj_" names only
    const auto images = reinterpret_cast<HIMAGELIST>(::SendMessageW(form.toolbar, TB_GETIMAGELIST, 0, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(skin::GetPropValue(form.toolbar, skin::prop::kBackgroundBitmap)), images);
    EXPECT_EQ(t.imageList, images);
    EXPECT_EQ(skin::FindContainer(formIndex, form.toolbar), 0);  // no children

    const std::int32_t tab = skin::FindContainer(formIndex, form.tab);
    ASSERT_GT(tab, 0);
    EXPECT_EQ(record.containers[tab].kind, skin::kTabControl);
}

TEST_F(OtherKindsTest, AToolbarWithChildrenIsAlsoAContainerAndStillDrawsItsButtons) {
    HWND bar =
        ::CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                          WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 20,
                          150, 190, 40, form.Window(), nullptr, nullptr, nullptr);
    ::SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON one{};
    one.iBitmap = I_IMAGENONE;
    one.idCommand = 600;
    one.fsState = TBSTATE_ENABLED;
    one.fsStyle = BTNS_BUTTON;
    one.iString = -1;
    ::SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&one));
    HWND inside = ::CreateWindowExW(0, L"BUTTON", L"内", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 110, 6, 60, 24, bar,
                                    nullptr, nullptr, nullptr);
    const std::int32_t formIndex = form.FormIndex();
    skin::AttachToolbars(formIndex, form.Window());

    ASSERT_GT(skin::FindToolbar(formIndex, bar), 0);
    const std::int32_t container = skin::FindContainer(formIndex, bar);
    ASSERT_GT(container, 0);
    EXPECT_EQ(form.Record().containers[container].kind, skin::kOtherContainer);
    EXPECT_GT(skin::FindButton(formIndex, inside), 0);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(bar, GWLP_WNDPROC)), skin::ContainerProc);
    EXPECT_EQ(skin::GetPreviousProc(bar), skin::ToolbarProc);

    // Painting still goes to the toolbar painter: its button is a theme gradient.
    ::InvalidateRect(bar, nullptr, TRUE);
    ::UpdateWindow(bar);
    const RECT r = ItemRect(bar, TB_GETITEMRECT, 0);
    const int y = (r.top + r.bottom) / 2;
    const auto alpha =
        static_cast<std::uint32_t>(100 - 50.0f * (static_cast<float>(y - r.top) + 0.5f) / (r.bottom - r.top));
    EXPECT_TRUE(ShowsTheme(bar, r.left + 3, y, alpha));
    ::DestroyWindow(bar);
}

TEST(OtherKindsResourcesTest, FiftyFormsWithTheseKindsLeaveEveryCounter) {
    auto once = [] {
        OtherKindsForm form;
        const POINT up{9, 7};
        Press(form.upDown, up);
        Release(form.upDown, up);
        ::SendMessageW(form.toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(14, 13));
        RECT tab{};
        TabCtrl_GetItemRect(form.tab, 2, &tab);
        Press(form.tab, Centre(tab));
        Release(form.tab, Centre(tab));
        ::InvalidateRect(form.painted, nullptr, TRUE);
        PumpMessages(5);
    };
    once();
    const long dcs = LiveHandleCount(HandleKind::Dc);
    const long objects = LiveHandleCount(HandleKind::GdiObject);
    const long icons = LiveHandleCount(HandleKind::Icon);
    const long gx = GxObject::LiveCount();
    const DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 50; ++i) once();
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), objects);
    EXPECT_EQ(LiveHandleCount(HandleKind::Icon), icons);
    EXPECT_EQ(GxObject::LiveCount(), gx);
    EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
    EXPECT_TRUE(skin::memoryDcList.empty());
}

}  // namespace
}  // namespace pelorin::test
