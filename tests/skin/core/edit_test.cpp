// The edit painter and procedure through real edit boxes on the test form:
// the white ring, the three border kinds, the hot three-line border, the
// composite copy that keeps the text area, and the text-colour setter.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skinned_test_form.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

constexpr GxArgb kOpaqueWhite = 0xFFFFFFFF;

GxArgb OverWhite(std::uint32_t argb) { return Over(argb, kOpaqueWhite); }

class EditTest : public ::testing::Test {
protected:
    HWND AddEdit(DWORD style, DWORD exStyle) {
        HWND edit = form.Add(L"Edit", WS_VISIBLE | style, 60, nextTop_, 200, 26, L"", exStyle);
        nextTop_ += 36;
        PumpMessages(10);
        return edit;
    }
    static GxArgb TopEdge(HWND edit, int inset = 0) {
        const Pixels p = WholeWindowPixels(edit);
        return p.At(p.width / 2, inset);
    }

    SkinnedTestForm form{KnownFrameForm(100, 80, 460, 320)};
    int nextTop_ = 30;
};

TEST_F(EditTest, BorderKindsFollowTheStyles) {
    EXPECT_EQ(skin::EditBorderKind(AddEdit(WS_BORDER, WS_EX_CLIENTEDGE)), 1);
    EXPECT_EQ(skin::EditBorderKind(AddEdit(0, WS_EX_CLIENTEDGE)), 2);
    EXPECT_EQ(skin::EditBorderKind(AddEdit(0, WS_EX_DLGMODALFRAME)), 2);
    EXPECT_EQ(skin::EditBorderKind(AddEdit(0, WS_EX_STATICEDGE)), 0);
    EXPECT_TRUE(skin::HasScrollBars(AddEdit(ES_MULTILINE | WS_HSCROLL, 0)));
    EXPECT_FALSE(skin::HasScrollBars(AddEdit(0, 0)));
}

TEST_F(EditTest, AnEditWithoutBorderGetsTheWhiteRingButNoLine) {
    HWND edit = AddEdit(0, WS_EX_STATICEDGE);  // a one-pixel frame, no border kind
    ASSERT_EQ(skin::EditBorderKind(edit), 0);
    skin::PaintEditFrame(edit, false, true);
    EXPECT_TRUE(Near(TopEdge(edit), kOpaqueWhite, 4)) << Hex(TopEdge(edit));
    skin::PaintEditFrame(edit, true, false);
    EXPECT_TRUE(Near(TopEdge(edit), kOpaqueWhite, 4)) << Hex(TopEdge(edit));
}

TEST_F(EditTest, ThePlainBorderIsOneBlackLineEvenWhenHot) {
    // The platform's edit turns a lone WS_BORDER into a line of its own inside
    // the client area; with a client edge it keeps the style bit.
    HWND edit = AddEdit(WS_BORDER, WS_EX_CLIENTEDGE);
    ASSERT_EQ(skin::EditBorderKind(edit), 1);
    const GxArgb line = OverWhite(skin::ToArgb(0, 80));
    skin::PaintEditFrame(edit, false, false);
    EXPECT_TRUE(Near(TopEdge(edit), line, 8)) << Hex(TopEdge(edit));
    skin::PaintEditFrame(edit, false, true);
    EXPECT_TRUE(Near(TopEdge(edit), line, 8)) << Hex(TopEdge(edit));
    // Focused: the line takes the theme colour.
    skin::PaintEditFrame(edit, true, false);
    EXPECT_TRUE(Near(TopEdge(edit), OverWhite(skin::ToArgb(skin::skinDefaults.themeColor, 180)), 8)) << Hex(TopEdge(edit));
}

TEST_F(EditTest, AHotEditWithAClientEdgeShowsTheThreeLineThemeBorder) {
    HWND edit = AddEdit(0, WS_EX_CLIENTEDGE);
    skin::PaintEditFrame(edit, false, false);
    EXPECT_TRUE(Near(TopEdge(edit), OverWhite(skin::ToArgb(0, 80)), 8)) << Hex(TopEdge(edit));
    EXPECT_TRUE(Near(TopEdge(edit, 1), kOpaqueWhite, 4)) << Hex(TopEdge(edit, 1));

    skin::PaintEditFrame(edit, false, true);
    const GxArgb outer = Over(skin::ToArgb(skin::skinDefaults.themeColor, 90), Over(skin::ToArgb(0xFFFFFF, 60), kOpaqueWhite));
    EXPECT_TRUE(Near(TopEdge(edit), outer, 8)) << Hex(TopEdge(edit)) << " " << Hex(outer);
    EXPECT_TRUE(Near(TopEdge(edit, 1), OverWhite(skin::ToArgb(skin::skinDefaults.themeColor, 180)), 8)) << Hex(TopEdge(edit, 1));
}

TEST_F(EditTest, TheMouseDrawsTheEditHotAndLeavingDrawsItNormal) {
    HWND edit = AddEdit(0, WS_EX_CLIENTEDGE);
    POINT p{20, 10};
    ::ClientToScreen(edit, &p);
    ::SetCursorPos(p.x, p.y);
    ::SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(form.Record().hotKind, 1);
    EXPECT_EQ(form.Record().hotParent, form.Window());
    EXPECT_TRUE(Near(TopEdge(edit, 1), OverWhite(skin::ToArgb(skin::skinDefaults.themeColor, 180)), 8)) << Hex(TopEdge(edit, 1));
    ::SendMessageW(edit, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(form.Record().lastHotControl, 0);
    EXPECT_TRUE(Near(TopEdge(edit, 1), kOpaqueWhite, 4)) << Hex(TopEdge(edit, 1));
}

TEST_F(EditTest, TheCompositeCopyGetsTheRingAndKeepsTheTextArea) {
    HWND edit = AddEdit(0, WS_EX_CLIENTEDGE);
    constexpr GxArgb kEarlier = 0xFF123456;
    form.FillFrameCopy(kEarlier);
    skin::PaintEditFrame(edit, false, false);
    const Pixels copy = form.FrameCopyPixels(edit);
    const RECT text = skin::ClientAreaInWindow(edit);
    EXPECT_TRUE(Near(copy.At(copy.width / 2, 0), OverWhite(skin::ToArgb(0, 80)), 8)) << Hex(copy.At(copy.width / 2, 0));
    EXPECT_TRUE(Near(copy.At(copy.width / 2, 1), kOpaqueWhite, 4));
    int kept = 0;
    for (int y = text.top; y < text.bottom; ++y)
        for (int x = text.left; x < text.right; ++x) kept += copy.At(x, y) == kEarlier;
    EXPECT_EQ(kept, (text.right - text.left) * (text.bottom - text.top));
}

TEST_F(EditTest, SetEditTextColorsWritesThePropertiesOfTheEditOrOfTheComboBoxEdit) {
    HWND edit = AddEdit(0, WS_EX_CLIENTEDGE);
    skin::SetEditTextColors(edit, 0x00FF8800);
    EXPECT_EQ(skin::GetPropInt(edit, skin::prop::kTextColor), 0x00FF8800);
    EXPECT_EQ(skin::GetPropInt(edit, skin::prop::kDisabledTextColor), 0x00808080);

    HWND combo = form.Add(L"ComboBox", WS_VISIBLE | CBS_DROPDOWN, 60, 250, 160, 200);
    HWND inner = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
    ASSERT_NE(inner, nullptr);
    skin::SetEditTextColors(combo, 0x000000FF, 0x00112233);
    EXPECT_EQ(skin::GetPropInt(inner, skin::prop::kTextColor), 0x000000FF);
    EXPECT_EQ(skin::GetPropInt(inner, skin::prop::kDisabledTextColor), 0x00112233);
    EXPECT_EQ(skin::GetPropInt(combo, skin::prop::kTextColor), 0);

    // A combo box without an edit and a null window: nothing happens.
    HWND list = form.Add(L"ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST, 240, 250, 160, 200);
    skin::SetEditTextColors(list, 0x000000FF);
    EXPECT_EQ(skin::GetPropInt(list, skin::prop::kTextColor), 0);
    skin::SetEditTextColors(nullptr, 0x000000FF);
}

TEST_F(EditTest, ShowingAFramedEditShowsItsFrameBoxWindow) {
    HWND edit = form.Add(L"Edit", 0, 60, 30, 200, 26, L"", WS_EX_CLIENTEDGE);
    HWND frame = ::CreateWindowExW(0, L"Static", L"", WS_CHILD, 55, 25, 210, 36, form.Window(), nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    skin::SetPropValue(edit, skin::prop::kFramed, 1);
    skin::SetPropValue(edit, skin::prop::kFrameWindow, reinterpret_cast<std::intptr_t>(frame));
    ::ShowWindow(edit, SW_SHOW);
    EXPECT_TRUE(::IsWindowVisible(frame));
    ::ShowWindow(edit, SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(frame));
}

TEST(ComboAndProgressTest, TheComboBodyShowsTheChevronAndTheProgressGlossRunsOnItsTimer) {
    SkinnedTestForm form{KnownFrameForm(100, 80, 460, 320)};
    HWND combo = form.Add(L"ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST, 40, 40, 160, 200);
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"一"));
    ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
    skin::PaintComboBox(combo, false, false);
    const Pixels body = WholeWindowPixels(combo);
    // The chevron (near white) sits at the right end; the translucent body
    // over the grey form is darker.
    const auto bright = [&](int from, int to) {
        int count = 0;
        for (int y = 0; y < body.height; ++y)
            for (int x = from; x < to; ++x) {
                const GxArgb px = body.At(x, y);
                count += Red(px) >= 225 && Green(px) >= 230 && Blue(px) >= 240;
            }
        return count;
    };
    EXPECT_GT(bright(body.width - 18, body.width - 4), 5);
    EXPECT_EQ(bright(body.width / 2 + 20, body.width / 2 + 34), 0);

    HWND bar = form.Add(PROGRESS_CLASSW, 0, 40, 120, 200, 20);
    ::SendMessageW(bar, PBM_SETRANGE32, 0, 100);
    ::SendMessageW(bar, PBM_SETPOS, 100, 0);
    ::ShowWindow(bar, SW_SHOW);
    const skin::ProgressRecord& record = form.Record().progressBars[skin::GetPropInt(bar, skin::prop::kListIndex)];
    const int start = record.glossOffset;
    EXPECT_TRUE(PumpUntil([&] { return record.glossOffset != start; }, 1000));
    const Pixels shown = WholeWindowPixels(bar);
    const GxArgb filled = shown.At(100, 10);
    EXPECT_GT(Blue(filled), Red(filled) + 40) << Hex(filled);
    ::DestroyWindow(bar);
    // The destroyed bar's timer is gone: nothing moves any more.
    const int stopped = record.glossOffset;
    PumpMessages(100);
    EXPECT_EQ(record.glossOffset, stopped);
}

}  // namespace
}  // namespace pelorin::test
