// Push buttons by their pixels: the owner-draw cycle through real messages,
// read back from the window and from the form's composite copy.

#include <gtest/gtest.h>

#include "skinned_test_form.h"
#include "skin/core/button_fade.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "test_support.h"

namespace pelorin {
namespace {

using test::Blue;
using test::Green;
using test::Hex;
using test::Near;
using test::Over;
using test::Pixels;
using test::Red;
using test::SkinnedTestForm;

constexpr int kW = 80;
constexpr int kH = 24;
constexpr COLORREF kGlow = 0x00FF8800;

// Where the top edge of a frame drawn kW wide takes its pixels from in the
// picture: 3-pixel corners, then the edge slice (after the gap column and the
// marker) repeated.
int TopEdgeSourceX(int u, int pictureWidth, int edgeLength) {
    if (u < 3) return u;
    if (u >= kW - 3) return pictureWidth - 3 + (u - (kW - 3));
    return 5 + (u - 3) % edgeLength;
}

struct FramePictures {
    test::Pixels normal = test::DecodePixels(test::ReadFramePicture(L"通常框.png"));
    test::Pixels hot = test::DecodePixels(test::ReadFramePicture(L"兰边框.png"));
};

class PushButtonTest : public ::testing::Test {
protected:
    void SetUp() override { test::LoadCheckGlyphs(); }

    HWND AddButton(COLORREF glow = skin::kNoColor, const std::wstring& caption = L"群众笑声") {
        return form.AddButton(BS_PUSHBUTTON, caption, 40, 30, kW, kH, glow);
    }
    // The platform's own paint: WM_PAINT, WM_DRAWITEM to the form.
    static Pixels Repainted(HWND button) {
        ::InvalidateRect(button, nullptr, TRUE);
        ::UpdateWindow(button);
        return test::ClientPixels(button);
    }
    // The hot picture as painted into the composite copy (the window gets it by fading).
    Pixels HotRender(HWND button) {
        skin::RepaintButton(button, 0, true);
        Pixels hot = form.FrameCopyPixels(button);
        skin::CancelFades();
        return hot;
    }

    SkinnedTestForm form{test::KnownFrameForm(120, 100, 320, 200)};
};

// Pixels of a caption area (inside the frame) that pass `test`.
template <typename Test>
int CountCaptionPixels(const Pixels& pixels, Test test) {
    int count = 0;
    for (int y = 5; y < kH - 4; ++y)
        for (int x = 6; x < kW - 6; ++x)
            if (test(pixels.At(x, y))) ++count;
    return count;
}
// The caption's white strokes: brighter than the light body ever gets.
bool IsWhite(GxArgb c) { return Red(c) >= 240 && Green(c) >= 240 && Blue(c) >= 240; }
bool IsGlowBlue(GxArgb c) { return Blue(c) - Red(c) > 30; }
bool IsDisabledGrey(GxArgb c) { return Near(c, 0xFF606060, 28); }

TEST_F(PushButtonTest, FrameEdgesComeFromTheNineSlicePicturesOverTheFormBackground) {
    form.LoadButtonFrame();
    const FramePictures pictures;
    ASSERT_GT(pictures.normal.width, 0);
    HWND button = AddButton();
    const Pixels normal = Repainted(button);
    // The composite copy holds what the window shows.
    EXPECT_EQ(form.FrameCopyPixels(button).argb, normal.argb);
    const Pixels hot = HotRender(button);
    const int edgeLength = form.Record().buttonFrame.NormalSlices()[5].width;
    const int hotEdgeLength = form.Record().buttonFrame.HotSlices()[5].width;
    int blueDifferences = 0;
    for (int u = 0; u < kW; ++u) {
        SCOPED_TRACE(u);
        const GxArgb behind = form.BackgroundBehind(button, u, 0);
        const GxArgb expectedNormal =
            Over(pictures.normal.At(TopEdgeSourceX(u, pictures.normal.width, edgeLength), 0), behind);
        const GxArgb expectedHot =
            Over(pictures.hot.At(TopEdgeSourceX(u, pictures.hot.width, hotEdgeLength), 0), behind);
        EXPECT_TRUE(Near(normal.At(u, 0), expectedNormal)) << Hex(normal.At(u, 0)) << " " << Hex(expectedNormal);
        EXPECT_TRUE(Near(hot.At(u, 0), expectedHot)) << Hex(hot.At(u, 0)) << " " << Hex(expectedHot);
        const auto blueness = [](GxArgb c) { return Blue(c) - Red(c); };
        if (blueness(hot.At(u, 0)) > blueness(normal.At(u, 0)) + 60) ++blueDifferences;
    }
    // The blue-edged picture makes the hot edge blue along most of its length.
    EXPECT_GT(blueDifferences, kW / 2);
}

TEST_F(PushButtonTest, PlainOutlineWithoutAFrameAndTheFormShowsAtTheCorners) {
    HWND button = AddButton(skin::kNoColor, L"");
    const Pixels plain = Repainted(button);
    // The rounded corner leaves the form background untouched.
    EXPECT_EQ(plain.At(0, 0), form.BackgroundBehind(button, 0, 0));
    EXPECT_EQ(plain.At(kW - 1, kH - 1), form.BackgroundBehind(button, kW - 1, kH - 1));
    // The translucent body lightens the background; the outline darkens the edge.
    const GxArgb inside = plain.At(kW / 2, kH / 2);
    EXPECT_GT(Red(inside), Red(form.BackgroundBehind(button, kW / 2, kH / 2)) + 30) << Hex(inside);
    EXPECT_LT(Red(plain.At(kW / 2, 0)), Red(plain.At(kW / 2, 2)) - 20);
    EXPECT_LT(Red(plain.At(0, kH / 2)), Red(plain.At(2, kH / 2)) - 20);
    // With the frame the edge is the picture's instead.
    form.LoadButtonFrame();
    const Pixels framed = Repainted(button);
    EXPECT_FALSE(Near(framed.At(kW / 2, 0), plain.At(kW / 2, 0), 6));
}

TEST_F(PushButtonTest, HotWithoutFrameIsTintedWithTheThemeAndPressedShowsTheThemeGradient) {
    HWND button = AddButton(skin::kNoColor, L"");
    const Pixels normal = Repainted(button);
    const Pixels hot = HotRender(button);
    const auto tint = [](GxArgb c) { return Green(c) - Red(c); };  // the theme 0x00DDCA22 is cyan
    EXPECT_LT(std::abs(tint(normal.At(kW / 2, 6))), 4);
    EXPECT_GT(tint(hot.At(kW / 2, 6)), 8) << Hex(hot.At(kW / 2, 6));
    // Pressed: the platform draws the button selected on button-down.
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::UpdateWindow(button);
    const Pixels pressed = test::ClientPixels(button);
    EXPECT_GT(tint(pressed.At(kW / 2, 4)), tint(normal.At(kW / 2, 4)) + 8) << Hex(pressed.At(kW / 2, 4));
    ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
}

TEST_F(PushButtonTest, FocusedWithoutFrameGlowsAtTheEdgeAndWithAFrameUsesTheFocusedPicture) {
    HWND button = AddButton(skin::kNoColor, L"");
    HWND other = form.AddButton(BS_PUSHBUTTON, L"", 40, 100, kW, kH);
    ::SetFocus(other);
    const Pixels normal = Repainted(button);
    ::SetFocus(button);
    ::UpdateWindow(button);
    const Pixels focused = test::ClientPixels(button);
    ASSERT_TRUE(form.ButtonOf(button).focused);
    const auto tint = [](GxArgb c) { return Green(c) - Red(c); };
    EXPECT_LT(std::abs(tint(normal.At(kW / 2, 1))), 4);
    EXPECT_GT(tint(focused.At(kW / 2, 1)), 15) << Hex(focused.At(kW / 2, 1));
    EXPECT_GT(tint(focused.At(1, kH / 2)), 15) << Hex(focused.At(1, kH / 2));
    // A frame whose focused picture is the blue one draws the blue edge when focused.
    form.LoadButtonFrame(true);
    const FramePictures pictures;
    const Pixels framedFocused = Repainted(button);
    const GxArgb behind = form.BackgroundBehind(button, 1, 0);
    EXPECT_TRUE(Near(framedFocused.At(1, 0), Over(pictures.hot.At(1, 0), behind)));
    ::SetFocus(other);
    const Pixels framedNormal = Repainted(button);
    EXPECT_TRUE(Near(framedNormal.At(1, 0), Over(pictures.normal.At(1, 0), behind)));
}

TEST_F(PushButtonTest, GlowColourSurroundsTheCaptionAndThePlainCaptionHasNone) {
    form.LoadButtonFrame();
    HWND plainButton = AddButton();
    HWND glowButton = form.AddButton(BS_PUSHBUTTON, L"群众笑声", 40, 100, kW, kH, kGlow);
    const Pixels plain = Repainted(plainButton);
    const Pixels glow = Repainted(glowButton);
    EXPECT_GT(CountCaptionPixels(plain, IsWhite), 10);
    EXPECT_EQ(CountCaptionPixels(plain, IsGlowBlue), 0);
    EXPECT_GT(CountCaptionPixels(glow, IsWhite), 4);  // the strokes' cores, inside the halo
    EXPECT_GT(CountCaptionPixels(glow, IsGlowBlue), 20);
}

TEST_F(PushButtonTest, DisabledCaptionUsesTheDisabledColourOnlyWithoutAGlow) {
    form.LoadButtonFrame();
    HWND plainButton = AddButton();
    HWND glowButton = form.AddButton(BS_PUSHBUTTON, L"群众笑声", 40, 100, kW, kH, kGlow);
    const Pixels enabled = Repainted(plainButton);
    ::EnableWindow(plainButton, FALSE);
    ::EnableWindow(glowButton, FALSE);
    const Pixels disabled = Repainted(plainButton);
    const Pixels disabledGlow = Repainted(glowButton);
    EXPECT_EQ(CountCaptionPixels(enabled, IsDisabledGrey), 0);
    EXPECT_GT(CountCaptionPixels(disabled, IsDisabledGrey), 10);
    EXPECT_EQ(CountCaptionPixels(disabled, IsWhite), 0);
    EXPECT_GT(CountCaptionPixels(disabledGlow, IsWhite), 4);
    EXPECT_GT(CountCaptionPixels(disabledGlow, IsGlowBlue), 20);
    // The disabled body is the opaque light grey, whatever lies behind.
    const GxArgb body = disabled.At(8, kH / 2);
    EXPECT_GT(Red(body), 0xC0 - 4) << Hex(body);
    EXPECT_NEAR(Red(body), Blue(body), 3);
}

TEST_F(PushButtonTest, ADoubleClickIsOneClick) {
    HWND button = AddButton();
    const LPARAM at = MAKELPARAM(10, 10);
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(button, WM_LBUTTONUP, 0, at);
    ::SendMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::SendMessageW(button, WM_LBUTTONUP, 0, at);
    test::PumpMessages(20);
    EXPECT_EQ(form.Clicks(button), 1);
    // A later single click still counts.
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(button, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(form.Clicks(button), 2);
}

TEST_F(PushButtonTest, ReleasingTheStateWhileTheMouseIsDownKeepsThePressedLook) {
    HWND button = AddButton(skin::kNoColor, L"");
    const Pixels normal = Repainted(button);
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::UpdateWindow(button);
    ASSERT_TRUE(form.ButtonOf(button).pressed);
    const Pixels pressed = test::ClientPixels(button);
    ASSERT_NE(pressed.argb, normal.argb);
    ::SendMessageW(button, BM_SETSTATE, FALSE, 0);
    ::UpdateWindow(button);
    EXPECT_TRUE(::SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_EQ(test::ClientPixels(button).argb, pressed.argb);
    // After button-up the state is released as usual.
    ::SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(form.ButtonOf(button).pressed);
    EXPECT_FALSE(::SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
}

TEST_F(PushButtonTest, ADeviceContextThatCannotShowAnythingIsReplacedByTheWindowsOwn) {
    HWND button = AddButton(skin::kNoColor, L"");
    const Pixels normal = Repainted(button);
    // Overwrite what the window shows, then paint through a null DC.
    {
        HDC dc = ::GetDC(button);
        RECT all{0, 0, kW, kH};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::ReleaseDC(button, dc);
    }
    skin::PaintPushButton(button, nullptr, 0, RECT{0, 0, kW, kH});
    EXPECT_EQ(test::ClientPixels(button).argb, normal.argb);
    EXPECT_TRUE(skin::memoryDcList.empty());
}

}  // namespace
}  // namespace pelorin
