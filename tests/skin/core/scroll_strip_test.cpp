// The simulated scroll strips over the scroll bars of real multi-line edit
// boxes: creation hidden and shown, following the bar, the part rectangles
// and their hit test, the hot arrow, the wheel and a real click through the
// strip onto the scroll bar.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "skinned_test_form.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

constexpr DWORD kMultiLine = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;

std::wstring ManyLines(int count, int width = 8) {
    std::wstring text;
    for (int i = 1; i <= count; ++i)
        text += std::wstring(static_cast<std::size_t>(width), L'x') + std::to_wstring(i) + L"\r\n";
    return text;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

SCROLLBARINFO BarOf(HWND owner, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    ::GetScrollBarInfo(owner, object, &info);
    return info;
}

class ScrollStripTest : public ::testing::Test {
protected:
    // A multi-line edit with scroll bars inside a bordered panel (the strip's
    // parent then has a non-client area).
    HWND AddScrolledEdit(DWORD bars, const std::wstring& text, DWORD visible = WS_VISIBLE) {
        panel = form.Add(L"Static", WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS, 30, 30, 380, 240);
        HWND edit = form.Add(L"Edit", visible | kMultiLine | bars, 20, 20, 300, 180, L"", WS_EX_CLIENTEDGE, panel);
        ::SetWindowTextW(edit, text.c_str());
        PumpMessages(20);
        return edit;
    }

    SkinnedTestForm form{KnownFrameForm(100, 80, 460, 320)};
    HWND panel = nullptr;
};

TEST_F(ScrollStripTest, AHiddenEditGetsAHiddenSmallStripThatCoversTheBarOnceShown) {
    HWND edit = AddScrolledEdit(WS_VSCROLL, ManyLines(60), 0);
    HWND strip = form.EditOf(edit).vStrip;
    ASSERT_NE(strip, nullptr);
    EXPECT_FALSE(::IsWindowVisible(strip));
    const RECT small = ScreenRect(strip);
    EXPECT_EQ(small.right - small.left, 10);
    EXPECT_EQ(small.bottom - small.top, 10);
    EXPECT_EQ(::GetWindowLongPtrW(strip, GWL_STYLE) & WS_DISABLED, WS_DISABLED);
    EXPECT_EQ(::GetParent(strip), panel);
    EXPECT_EQ(reinterpret_cast<HWND>(skin::GetPropValue(strip, skin::prop::kStripOwner)), edit);
    EXPECT_EQ(skin::GetPropInt(strip, skin::prop::kFormIndex), form.FormIndex());

    ::ShowWindow(edit, SW_SHOW);
    PumpMessages(20);
    EXPECT_TRUE(::IsWindowVisible(strip));
    const RECT bar = BarOf(edit, OBJID_VSCROLL).rcScrollBar;
    const RECT covered = ScreenRect(strip);
    EXPECT_EQ(covered.left, bar.left);
    EXPECT_EQ(covered.top, bar.top);
    EXPECT_EQ(covered.right, bar.right);
    EXPECT_EQ(covered.bottom, bar.bottom);
    // Above the edit in the z-order.
    EXPECT_EQ(::GetWindow(edit, GW_HWNDPREV), strip);

    // When the edit loses its scroll bar, the strip is hidden.
    ::ShowScrollBar(edit, SB_VERT, FALSE);
    PumpMessages(20);
    EXPECT_FALSE(::IsWindowVisible(strip));
}

TEST_F(ScrollStripTest, AStripWhoseBarReportsNoThumbStaysUnpainted) {
    HWND edit = AddScrolledEdit(WS_VSCROLL, L"");
    const SCROLLBARINFO bar = BarOf(edit, OBJID_VSCROLL);
    ASSERT_LE(bar.xyThumbBottom - bar.xyThumbTop, 0) << "the empty edit's bar shows a thumb";
    HWND strip = form.EditOf(edit).vStrip;
    const RECT r = ScreenRect(strip);
    const int w = r.right - r.left, h = r.bottom - r.top;
    {
        HDC dc = ::GetDC(strip);
        HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
        RECT all{0, 0, w, h};
        ::FillRect(dc, &all, red);
        ::DeleteObject(red);
        ::ReleaseDC(strip, dc);
    }
    form.EditOf(edit).vStripParts = {};
    skin::PaintScrollStripVertical(edit, skin::kStripNone);
    const Pixels p = WholeWindowPixels(strip);
    int red = 0;
    for (GxArgb px : p.argb) red += px == 0xFFFF0000;
    EXPECT_EQ(red, w * h);
    EXPECT_EQ(form.EditOf(edit).vStripParts.thumb.bottom, 0);
}

TEST_F(ScrollStripTest, TheVerticalPartsHitTestAsDrawn) {
    HWND edit = AddScrolledEdit(WS_VSCROLL, ManyLines(60));
    HWND strip = form.EditOf(edit).vStrip;
    skin::PaintScrollStripVertical(edit, skin::kStripNone);
    const RECT r = ScreenRect(strip);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const SCROLLBARINFO bar = BarOf(edit, OBJID_VSCROLL);
    const skin::StripParts& parts = form.EditOf(edit).vStripParts;
    EXPECT_EQ(parts.firstArrow.bottom, 17);
    EXPECT_EQ(parts.secondArrow.top, h - 17);
    EXPECT_EQ(parts.thumb.top, bar.xyThumbTop);
    EXPECT_EQ(parts.thumb.bottom, bar.xyThumbBottom);

    const auto hit = [&](int x, int y) {
        return skin::StripHitTestVertical(edit, PackScreen(ScreenPointOf(strip, x, y)));
    };
    EXPECT_EQ(hit(w / 2, 5), skin::kStripFirstArrow);
    EXPECT_EQ(hit(w / 2, 17), skin::kStripFirstArrow);  // edges count
    EXPECT_EQ(hit(w / 2, h - 5), skin::kStripSecondArrow);
    EXPECT_EQ(hit(w / 2, (bar.xyThumbTop + bar.xyThumbBottom) / 2), skin::kStripThumb);
    EXPECT_EQ(hit(w / 2, (bar.xyThumbBottom + h - 17) / 2), skin::kStripNone);
}

TEST_F(ScrollStripTest, TheHorizontalSecondArrowEndsFourPixelsEarly) {
    HWND edit = AddScrolledEdit(WS_HSCROLL, ManyLines(3, 200));
    HWND strip = form.EditOf(edit).hStrip;
    ASSERT_NE(strip, nullptr);
    skin::PaintScrollStripHorizontal(edit, skin::kStripNone);
    const RECT r = ScreenRect(strip);
    const int w = r.right - r.left, h = r.bottom - r.top;
    EXPECT_EQ(form.EditOf(edit).hStripParts.secondArrow.right, w - 4);
    const auto hit = [&](int x) {
        return skin::StripHitTestHorizontal(edit, PackScreen(ScreenPointOf(strip, x, h / 2)));
    };
    EXPECT_EQ(hit(5), skin::kStripFirstArrow);
    EXPECT_EQ(hit(w - 6), skin::kStripSecondArrow);
    EXPECT_EQ(hit(w - 4), skin::kStripSecondArrow);
    EXPECT_EQ(hit(w - 3), skin::kStripNone);
    EXPECT_EQ(hit(w - 1), skin::kStripNone);
}

TEST_F(ScrollStripTest, PointingAtTheLowerArrowDrawsItHotAndLeavingDrawsItNormal) {
    HWND edit = AddScrolledEdit(WS_VSCROLL, ManyLines(60));
    HWND strip = form.EditOf(edit).vStrip;
    skin::PaintScrollStripVertical(edit, skin::kStripNone);
    const RECT r = ScreenRect(strip);
    const int h = r.bottom - r.top;
    // Inside the lower arrow's rounded box, above its chevron.
    const int x = 3, y = h - 16;
    const GxArgb normal = WholeWindowPixels(strip).At(x, y);
    const GxArgb upperNormal = WholeWindowPixels(strip).At(x, 2);

    ::SendMessageW(edit, WM_NCMOUSEMOVE, HTVSCROLL, PackScreen(ScreenPointOf(strip, 8, h - 8)));
    const GxArgb hot = WholeWindowPixels(strip).At(x, y);
    EXPECT_FALSE(Near(hot, normal, 10)) << Hex(hot) << " " << Hex(normal);
    EXPECT_GT(Blue(hot) - Red(hot), Blue(normal) - Red(normal)) << Hex(hot) << " " << Hex(normal);
    // The upper arrow stays normal.
    EXPECT_TRUE(Near(WholeWindowPixels(strip).At(x, 2), upperNormal, 4));

    ::SendMessageW(edit, WM_NCMOUSELEAVE, 0, 0);
    EXPECT_TRUE(Near(WholeWindowPixels(strip).At(x, y), normal, 4));
}

TEST_F(ScrollStripTest, TheWheelMovesTheStripThumbToTheNewPosition) {
    HWND edit = AddScrolledEdit(WS_VSCROLL, ManyLines(60));
    skin::PaintScrollStripVertical(edit, skin::kStripNone);
    const int before = form.EditOf(edit).vStripParts.thumb.top;
    ::SetFocus(edit);
    const POINT centre = ScreenPointOf(edit, 100, 60);
    ::SendMessageW(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA * 3)), PackScreen(centre));
    const SCROLLBARINFO bar = BarOf(edit, OBJID_VSCROLL);
    ASSERT_GT(bar.xyThumbTop, before) << "the edit did not scroll";
    EXPECT_EQ(form.EditOf(edit).vStripParts.thumb.top, bar.xyThumbTop);
    EXPECT_EQ(form.EditOf(edit).vStripParts.thumb.bottom, bar.xyThumbBottom);
}

TEST_F(ScrollStripTest, AClickOnTheStripReachesTheRealScrollBarAndScrollsTheOwner) {
    HWND edit = AddScrolledEdit(WS_VSCROLL, ManyLines(60));
    HWND strip = form.EditOf(edit).vStrip;
    ::SetForegroundWindow(form.Window());
    ::UpdateWindow(form.Window());
    const RECT r = ScreenRect(strip);
    const int w = r.right - r.left, h = r.bottom - r.top;
    ASSERT_EQ(::SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    ClickAt(ScreenPointOf(strip, w / 2, h - 8));
    EXPECT_GT(::SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // The strip follows: its thumb part is where the bar's thumb now is.
    EXPECT_EQ(form.EditOf(edit).vStripParts.thumb.top, BarOf(edit, OBJID_VSCROLL).xyThumbTop);
}

}  // namespace
}  // namespace pelorin::test
