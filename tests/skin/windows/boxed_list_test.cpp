// Boxed list views on a skinned form: the skip rule, the border following
// focus and hover, and the strips over the scroll bars following the wheel
// and a real click on an arrow.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skinned_test_form.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/box_frame.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

// Every pixel of the known frame the lists are drawn on.
constexpr GxArgb kBackground = 0xFF506070;

constexpr GxArgb kWhite = 0xFFFFFFFF;

int ChildCount(HWND parent) {
    int count = 0;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

GxArgb ThemeBorder() { return Over(skin::ToArgb(skin::skinDefaults.themeColor, 200), kWhite); }
GxArgb FaintBorder() { return Over(skin::ToArgb(0, 90), kWhite); }

class BoxedListTest : public ::testing::Test {
protected:
    // The left border's outer pixel, half-way down.
    GxArgb BorderPixel(HWND list) {
        ::UpdateWindow(list);
        const Pixels p = WholeWindowPixels(list);
        return p.At(0, p.height / 2);
    }
    int TopIndex(HWND list) { return static_cast<int>(::SendMessageW(list, LVM_GETTOPINDEX, 0, 0)); }

    SkinnedTestForm form{FormAt(100, 80, 460, 460)};
};

TEST_F(BoxedListTest, AListViewWithStyleBit0x10StaysUnskinned) {
    HWND sorted = form.AddListView(LVS_SORTASCENDING, MusicListColumns(), 60, 17, 20, 345, 152);
    HWND plain = form.AddListView(0, MusicListColumns(), 60, 17, 200, 345, 152);
    const LONG_PTR sortedProc = ::GetWindowLongPtrW(sorted, GWLP_WNDPROC);
    const int children = ChildCount(form.Window());
    form.ApplyOnKnownFrame(kBackground);

    EXPECT_EQ(skin::FindListControl(form.FormIndex(), sorted), 0);
    EXPECT_EQ(::GetWindowLongPtrW(sorted, GWLP_WNDPROC), sortedProc);
    EXPECT_EQ(skin::GetPropValue(sorted, skin::prop::kListIndex), 0);
    EXPECT_EQ(skin::GetPropValue(sorted, skin::prop::kPreviousProc), 0);
    // Only the skinned list got strips (one per direction).
    EXPECT_EQ(ChildCount(form.Window()), children + 2);
    ASSERT_NE(skin::FindListControl(form.FormIndex(), plain), 0);

    // The platform keeps drawing the frame: focus does not turn it into the
    // theme-coloured border the skinned list gets.
    ::SetFocus(sorted);
    PumpMessages(20);
    const GxArgb sortedFocused = BorderPixel(sorted);
    EXPECT_FALSE(Near(sortedFocused, ThemeBorder(), 40)) << Hex(sortedFocused);
    ::SetFocus(plain);
    PumpMessages(20);
    EXPECT_TRUE(Near(BorderPixel(plain), ThemeBorder(), 6)) << Hex(BorderPixel(plain));
}

TEST_F(BoxedListTest, FocusDrawsTheThemeBorderAndMovingThePointerAwayKeepsItWhileFocused) {
    HWND list = form.AddListView(LVS_SHOWSELALWAYS | LVS_SINGLESEL, MusicListColumns(), 5);
    HWND other = form.AddButton(BS_PUSHBUTTON, L"别处", 20, 20, 60, 24);
    form.ApplyOnKnownFrame(kBackground);
    ::SetFocus(other);
    PumpMessages(20);
    EXPECT_TRUE(Near(BorderPixel(list), FaintBorder(), 6)) << Hex(BorderPixel(list));

    ::SetFocus(list);
    PumpMessages(20);
    EXPECT_TRUE(form.ListOf(list).focused);
    EXPECT_TRUE(Near(BorderPixel(list), ThemeBorder(), 6)) << Hex(BorderPixel(list));

    // The pointer comes over the list and goes away again (real input).
    MoveTo(ScreenPointOf(list, 120, 80));
    EXPECT_TRUE(form.ListOf(list).hot);
    MoveTo({2, 2});
    EXPECT_TRUE(PumpUntil([&] { return !form.ListOf(list).hot; }, 2000)) << "no leave notice reached the list";
    EXPECT_TRUE(Near(BorderPixel(list), ThemeBorder(), 6)) << Hex(BorderPixel(list));

    // Without the focus and the pointer, the faint border returns.
    ::SetFocus(other);
    PumpMessages(20);
    EXPECT_FALSE(form.ListOf(list).focused);
    EXPECT_TRUE(Near(BorderPixel(list), FaintBorder(), 6)) << Hex(BorderPixel(list));

    // The pointer alone makes it hot.
    MoveTo(ScreenPointOf(list, 120, 80));
    EXPECT_TRUE(Near(BorderPixel(list), ThemeBorder(), 6)) << Hex(BorderPixel(list));
    MoveTo({2, 2});
    PumpUntil([&] { return !form.ListOf(list).hot; }, 2000);
    EXPECT_TRUE(Near(BorderPixel(list), FaintBorder(), 6)) << Hex(BorderPixel(list));
}

TEST_F(BoxedListTest, TheWheelMovesTheStripThumbToTheListsNewPosition) {
    HWND list = form.AddListView(0, MusicListColumns(), 60);
    form.ApplyOnKnownFrame(kBackground);
    HWND strip = form.ListOf(list).verticalStrip;
    ASSERT_NE(strip, nullptr);
    ASSERT_TRUE(::IsWindowVisible(strip));
    skin::RefreshListStrips(list);
    const int before = form.ListOf(list).vStripParts.thumb.top;
    ASSERT_EQ(before, BarOf(list, OBJID_VSCROLL).xyThumbTop);

    ::SetFocus(list);
    ::SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA * 3)),
                   PackScreen(ScreenPointOf(list, 120, 80)));
    ASSERT_GT(TopIndex(list), 0) << "the list did not scroll";
    const SCROLLBARINFO bar = BarOf(list, OBJID_VSCROLL);
    EXPECT_GT(bar.xyThumbTop, before);
    EXPECT_EQ(form.ListOf(list).vStripParts.thumb.top, bar.xyThumbTop);
    EXPECT_EQ(form.ListOf(list).vStripParts.thumb.bottom, bar.xyThumbBottom);
}

TEST_F(BoxedListTest, AClickOnAStripArrowReachesTheScrollBarAndScrollsTheList) {
    HWND list = form.AddListView(0, MusicListColumns(), 60);
    form.ApplyOnKnownFrame(kBackground);
    HWND strip = form.ListOf(list).verticalStrip;
    ASSERT_NE(strip, nullptr);
    ::SetForegroundWindow(form.Window());
    ::UpdateWindow(form.Window());
    RECT r{};
    ::GetWindowRect(strip, &r);
    const RECT bar = BarOf(list, OBJID_VSCROLL).rcScrollBar;
    EXPECT_EQ(r.left, bar.left);
    EXPECT_EQ(r.bottom, bar.bottom);
    ASSERT_EQ(TopIndex(list), 0);
    ClickAt({(r.left + r.right) / 2, r.bottom - 6});
    EXPECT_GT(TopIndex(list), 0);
    EXPECT_EQ(form.ListOf(list).vStripParts.thumb.top, BarOf(list, OBJID_VSCROLL).xyThumbTop);
}

TEST_F(BoxedListTest, ANonClientRepaintEndsWithTheSkinsBorderAndStripsOverThePlatformFrame) {
    HWND list = form.AddListView(0, MusicListColumns(), 60);
    HWND other = form.AddButton(BS_PUSHBUTTON, L"别处", 20, 20, 60, 24);
    form.ApplyOnKnownFrame(kBackground);
    ::SetFocus(other);
    HWND strip = form.ListOf(list).verticalStrip;
    ASSERT_NE(strip, nullptr);
    skin::RefreshListStrips(list);
    const Pixels painted = WholeWindowPixels(strip);

    // The platform draws its frame and scroll bars first; the skin's border
    // and strips end up on top.
    ::RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(Near(BorderPixel(list), FaintBorder(), 6)) << Hex(BorderPixel(list));
    const Pixels afterFrame = WholeWindowPixels(strip);
    int differing = 0;
    for (std::size_t i = 0; i < painted.argb.size(); ++i) differing += !Near(painted.argb[i], afterFrame.argb[i], 3);
    EXPECT_EQ(differing, 0);

    // A border paint on its own leaves the strips' pictures alone.
    skin::DrawBoxFrame(form.FormIndex(), skin::FindListControl(form.FormIndex(), list), true, false);
    const Pixels afterBorder = WholeWindowPixels(strip);
    differing = 0;
    for (std::size_t i = 0; i < painted.argb.size(); ++i) differing += !Near(painted.argb[i], afterBorder.argb[i], 3);
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(Near(BorderPixel(list), ThemeBorder(), 6)) << Hex(BorderPixel(list));
}

TEST_F(BoxedListTest, EveryBoxedKindIsTakenByItsRuleAndTheOwnerDrawnOnesAreLeftAlone) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_INTERNET_CLASSES | ICC_DATE_CLASSES | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    const auto make = [&](const wchar_t* kind, DWORD style, int x, int y, int w, int h) {
        return ::CreateWindowExW(WS_EX_CLIENTEDGE, kind, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, form.Window(),
                                 nullptr, ::GetModuleHandleW(nullptr), nullptr);
    };
    HWND listBox = make(L"ListBox", WS_VSCROLL | LBS_NOTIFY, 10, 10, 100, 80);
    HWND ownerListBox = make(L"ListBox", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 120, 10, 100, 80);
    HWND combo = make(L"ComboBox", CBS_DROPDOWNLIST, 10, 100, 100, 120);
    HWND ownerCombo = make(L"ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 120, 100, 100, 120);
    HWND tree = make(WC_TREEVIEWW, 0, 230, 10, 100, 80);
    HWND address = make(WC_IPADDRESSW, 0, 10, 140, 140, 22);
    HWND picker = make(DATETIMEPICK_CLASSW, 0, 160, 140, 140, 22);
    ASSERT_TRUE(listBox && ownerListBox && combo && ownerCombo && tree && address && picker);
    form.ApplyOnKnownFrame(kBackground);
    const std::int32_t f = form.FormIndex();

    EXPECT_NE(skin::FindListControl(f, listBox), 0);
    EXPECT_NE(form.ListOf(listBox).verticalStrip, nullptr);
    EXPECT_NE(form.ListOf(listBox).horizontalStrip, nullptr);
    EXPECT_EQ(skin::GetPropInt(listBox, skin::prop::kDisabledTextColor), 0x00606060);
    EXPECT_EQ(skin::FindListControl(f, ownerListBox), 0);

    // The drop-down list of a combo box is taken, without strips.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
    ASSERT_NE(skin::FindListControl(f, info.hwndList), 0);
    EXPECT_EQ(form.ListOf(info.hwndList).verticalStrip, nullptr);
    COMBOBOXINFO ownerInfo{};
    ownerInfo.cbSize = sizeof(ownerInfo);
    ASSERT_TRUE(::GetComboBoxInfo(ownerCombo, &ownerInfo));
    EXPECT_EQ(skin::FindListControl(f, ownerInfo.hwndList), 0);

    EXPECT_NE(skin::FindListControl(f, tree), 0);
    EXPECT_NE(form.ListOf(tree).verticalStrip, nullptr);
    EXPECT_NE(skin::FindListControl(f, picker), 0);
    EXPECT_EQ(form.ListOf(picker).verticalStrip, nullptr);

    // The address control is boxed; its four fields are edit boxes.
    EXPECT_NE(skin::FindListControl(f, address), 0);
    int fields = 0;
    for (HWND edit = ::FindWindowExW(address, nullptr, L"Edit", nullptr); edit;
         edit = ::FindWindowExW(address, edit, L"Edit", nullptr)) {
        ++fields;
        EXPECT_NE(skin::FindEdit(f, edit), 0);
        EXPECT_EQ(skin::GetPropInt(edit, skin::prop::kTextColor), 0);
        EXPECT_EQ(skin::GetPropInt(edit, skin::prop::kDisabledTextColor), 0x00606060);
    }
    EXPECT_EQ(fields, 4);

    // A second run takes nothing twice.
    const std::int32_t size = form.Record().listControls.Size();
    form.ApplyOnKnownFrame(kBackground);
    EXPECT_EQ(form.Record().listControls.Size(), size);
}

}  // namespace
}  // namespace pelorin::test
