// Boxed list views on a skinned form: the skip rule, the border following
// focus and hover, and the strips over the scroll bars following the wheel
// and a real click on an arrow.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "list_test_form.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/box_frame.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

constexpr GxArgb kWhite = 0xFFFFFFFF;

int ChildCount(HWND parent) {
    int count = 0;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

GxArgb ThemeBorder() { return Over(skin::ToArgb(skin::themeColor, 200), kWhite); }
GxArgb FaintBorder() { return Over(skin::ToArgb(0, 90), kWhite); }

class BoxedListTest : public ::testing::Test {
protected:
    // The left border's outer pixel, half-way down.
    GxArgb BorderPixel(HWND list) {
        ::UpdateWindow(list);
        const Pixels p = ListTestForm::WindowPixels(list);
        return p.At(0, p.height / 2);
    }
    int TopIndex(HWND list) { return static_cast<int>(::SendMessageW(list, LVM_GETTOPINDEX, 0, 0)); }

    ListTestForm form;
};

TEST_F(BoxedListTest, AListViewWithStyleBit0x10StaysUnskinned) {
    HWND sorted = form.AddListView(LVS_SORTASCENDING, MusicListColumns(), 60, 17, 20, 345, 152);
    HWND plain = form.AddListView(0, MusicListColumns(), 60, 17, 200, 345, 152);
    const LONG_PTR sortedProc = ::GetWindowLongPtrW(sorted, GWLP_WNDPROC);
    const int children = ChildCount(form.Window());
    form.Attach();

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
    HWND other = form.AddButton(20, 20);
    form.Attach();
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
    form.Attach();
    HWND strip = form.ListOf(list).verticalStrip;
    ASSERT_NE(strip, nullptr);
    ASSERT_TRUE(::IsWindowVisible(strip));
    skin::RefreshListStrips(list);
    const int before = form.ListOf(list).vStripParts.thumb.top;
    ASSERT_EQ(before, ListTestForm::BarOf(list, OBJID_VSCROLL).xyThumbTop);

    ::SetFocus(list);
    ::SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA * 3)),
                   PackScreen(ScreenPointOf(list, 120, 80)));
    ASSERT_GT(TopIndex(list), 0) << "the list did not scroll";
    const SCROLLBARINFO bar = ListTestForm::BarOf(list, OBJID_VSCROLL);
    EXPECT_GT(bar.xyThumbTop, before);
    EXPECT_EQ(form.ListOf(list).vStripParts.thumb.top, bar.xyThumbTop);
    EXPECT_EQ(form.ListOf(list).vStripParts.thumb.bottom, bar.xyThumbBottom);
}

TEST_F(BoxedListTest, AClickOnAStripArrowReachesTheScrollBarAndScrollsTheList) {
    HWND list = form.AddListView(0, MusicListColumns(), 60);
    form.Attach();
    HWND strip = form.ListOf(list).verticalStrip;
    ASSERT_NE(strip, nullptr);
    ::SetForegroundWindow(form.Window());
    ::UpdateWindow(form.Window());
    RECT r{};
    ::GetWindowRect(strip, &r);
    const RECT bar = ListTestForm::BarOf(list, OBJID_VSCROLL).rcScrollBar;
    EXPECT_EQ(r.left, bar.left);
    EXPECT_EQ(r.bottom, bar.bottom);
    ASSERT_EQ(TopIndex(list), 0);
    ClickAt({(r.left + r.right) / 2, r.bottom - 6});
    EXPECT_GT(TopIndex(list), 0);
    EXPECT_EQ(form.ListOf(list).vStripParts.thumb.top, ListTestForm::BarOf(list, OBJID_VSCROLL).xyThumbTop);
}

TEST_F(BoxedListTest, ANonClientRepaintEndsWithTheSkinsBorderAndStripsOverThePlatformFrame) {
    HWND list = form.AddListView(0, MusicListColumns(), 60);
    HWND other = form.AddButton(20, 20);
    form.Attach();
    ::SetFocus(other);
    HWND strip = form.ListOf(list).verticalStrip;
    ASSERT_NE(strip, nullptr);
    skin::RefreshListStrips(list);
    const Pixels painted = ListTestForm::WindowPixels(strip);

    // The platform draws its frame and scroll bars first; the skin's border
    // and strips end up on top.
    ::RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(Near(BorderPixel(list), FaintBorder(), 6)) << Hex(BorderPixel(list));
    const Pixels afterFrame = ListTestForm::WindowPixels(strip);
    int differing = 0;
    for (std::size_t i = 0; i < painted.argb.size(); ++i) differing += !Near(painted.argb[i], afterFrame.argb[i], 3);
    EXPECT_EQ(differing, 0);

    // A border paint on its own leaves the strips' pictures alone.
    skin::DrawBoxFrame(form.FormIndex(), skin::FindListControl(form.FormIndex(), list), true, false);
    const Pixels afterBorder = ListTestForm::WindowPixels(strip);
    differing = 0;
    for (std::size_t i = 0; i < painted.argb.size(); ++i) differing += !Near(painted.argb[i], afterBorder.argb[i], 3);
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(Near(BorderPixel(list), ThemeBorder(), 6)) << Hex(BorderPixel(list));
}

}  // namespace
}  // namespace pelorin::test
