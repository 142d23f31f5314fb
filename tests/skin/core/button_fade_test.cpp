// The push-button hover: entering fades the hot picture in on a thread timer;
// every paint stops running fades; nothing outlives its window.

#include <gtest/gtest.h>

#include <vector>

#include "skinned_test_form.h"
#include "skin/core/button_fade.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "test_support.h"

namespace pelorin {
namespace {

using test::Blue;
using test::Hex;
using test::Near;
using test::Pixels;
using test::SkinnedTestForm;

constexpr int kW = 80;
constexpr int kH = 24;

struct Blend {
    std::int32_t alpha;
    ULONGLONG tick;
    GxArgb edge;  // the window's top-edge pixel right after the blend
};

class ButtonFadeTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadCheckGlyphs();
        form.LoadButtonFrame();
        button = form.AddButton(BS_PUSHBUTTON, L"铃声", 40, 30, kW, kH);
        ::UpdateWindow(form.Window());
        skin::fadeBlendObserver = [this](HWND window, std::int32_t alpha) {
            blends.push_back({alpha, ::GetTickCount64(), test::ClientPixels(window).At(kW / 2, 0)});
        };
    }
    bool FadesDone() {
        return test::PumpUntil([] { return skin::fadeList.empty(); }, 2000);
    }

    SkinnedTestForm form{test::KnownFrameForm(120, 100, 320, 200)};
    HWND button = nullptr;
    std::vector<Blend> blends;
};

// The hot frame's edge is blue, the normal one light grey.
int Blueness(GxArgb c) { return Blue(c) - test::Red(c); }

GxArgb Mix(GxArgb source, GxArgb destination, int alpha) {
    const auto mix = [alpha](int s, int d) { return static_cast<GxArgb>((s * alpha + d * (255 - alpha)) / 255); };
    return 0xFF000000u | mix(test::Red(source), test::Red(destination)) << 16 |
           mix(test::Green(source), test::Green(destination)) << 8 | mix(Blue(source), Blue(destination));
}

TEST_F(ButtonFadeTest, EnteringFadesTheHotPictureInAtRisingAlphaEveryTwentyMilliseconds) {
    const GxArgb before = test::ClientPixels(button).At(kW / 2, 0);
    test::MoveMouseOnto(button, {10, 10});
    ASSERT_EQ(skin::fadeList.size(), 1u);
    const GxArgb hot = form.FrameCopyPixels(button).At(kW / 2, 0);
    ASSERT_GT(Blueness(hot), Blueness(before) + 100) << Hex(hot) << " " << Hex(before);
    // Nothing is blended before the first tick.
    EXPECT_EQ(test::ClientPixels(button).At(kW / 2, 0), before);
    ASSERT_TRUE(FadesDone());
    std::vector<std::int32_t> alphas;
    for (const Blend& blend : blends) alphas.push_back(blend.alpha);
    EXPECT_EQ(alphas, (std::vector<std::int32_t>{50, 75, 100, 125, 150, 175, 200, 225, 250}));
    // Each blend goes over what the previous ones left, so the edge turns
    // blue step by step.
    GxArgb shown = before;
    for (std::size_t i = 0; i < blends.size(); ++i) {
        SCOPED_TRACE(i);
        shown = Mix(hot, shown, blends[i].alpha);
        EXPECT_TRUE(Near(blends[i].edge, shown, 4)) << Hex(blends[i].edge) << " " << Hex(shown);
        if (i > 0) {
            EXPECT_GE(Blueness(blends[i].edge), Blueness(blends[i - 1].edge));
            EXPECT_GE(blends[i].tick - blends[i - 1].tick, 10u);  // a 20 ms timer, never faster than 10 ms
        }
    }
    EXPECT_TRUE(Near(test::ClientPixels(button).At(kW / 2, 0), hot, 3));
    EXPECT_TRUE(skin::memoryDcList.empty());
}

TEST_F(ButtonFadeTest, CancelFadesLeavesNoTimerNoEntryAndNoSurface) {
    const long dcs = LiveHandleCount(HandleKind::Dc);
    test::MoveMouseOnto(button, {10, 10});
    ASSERT_EQ(skin::fadeList.size(), 1u);
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcs + 1);  // the surface, now the fade's
    EXPECT_TRUE(skin::memoryDcList.empty());
    const UINT_PTR timer = skin::fadeList.front()->timerId;
    ASSERT_NE(timer, 0u);
    skin::CancelFades();
    EXPECT_TRUE(skin::fadeList.empty());
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcs);
    EXPECT_FALSE(::KillTimer(nullptr, timer));  // already gone
    test::PumpMessages(120);
    EXPECT_TRUE(blends.empty());
}

TEST_F(ButtonFadeTest, MovingStraightOntoTheNextButtonLeavesOneFadeAndBothPicturesWhole) {
    // Right beside the first button: the pointer goes from one to the other.
    HWND second = form.AddButton(BS_PUSHBUTTON, L"锣声", 40 + kW, 30, kW, kH);
    const GxArgb normalEdge = test::ClientPixels(button).At(kW / 2, 0);
    test::MoveMouseOnto(button, {10, 10});
    ASSERT_EQ(skin::fadeList.size(), 1u);
    test::MoveMouseOnto(second, {10, 10});
    // The first fade was completed at once when the second button was painted.
    ASSERT_EQ(skin::fadeList.size(), 1u);
    EXPECT_EQ(skin::fadeList.front()->targetWindow, second);
    EXPECT_GT(Blueness(test::ClientPixels(button).At(kW / 2, 0)), 100);
    // The first button's leave repaints it normal; the second still ends hot.
    ASSERT_TRUE(test::PumpUntil([] { return skin::fadeList.empty(); }, 2000));
    test::PumpMessages(50);
    EXPECT_TRUE(skin::fadeList.empty());
    EXPECT_TRUE(Near(test::ClientPixels(button).At(kW / 2, 0), normalEdge, 4));
    EXPECT_GT(Blueness(test::ClientPixels(second).At(kW / 2, 0)), 100);
    EXPECT_TRUE(skin::memoryDcList.empty());
}

TEST_F(ButtonFadeTest, AWindowDestroyedMidFadeEndsItsFade) {
    const long dcs = LiveHandleCount(HandleKind::Dc);
    test::MoveMouseOnto(button, {10, 10});
    test::PumpUntil([this] { return !blends.empty(); }, 500);
    ASSERT_EQ(skin::fadeList.size(), 1u);
    const std::size_t blendsBefore = blends.size();
    ::DestroyWindow(button);
    EXPECT_TRUE(skin::fadeList.empty());
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcs);
    test::PumpMessages(200);
    EXPECT_EQ(blends.size(), blendsBefore);
}

TEST_F(ButtonFadeTest, MovingWithinOneButtonRepaintsItOnce) {
    test::MoveMouseOnto(button, {10, 10});
    ASSERT_TRUE(FadesDone());
    const std::size_t fades = blends.size();
    // Mark the window: a repaint would overwrite the mark.
    {
        HDC dc = ::GetDC(button);
        RECT all{0, 0, kW, kH};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::ReleaseDC(button, dc);
    }
    for (int x = 12; x < 70; x += 7) test::MoveMouseOnto(button, {x, 12});
    EXPECT_TRUE(skin::fadeList.empty());
    test::PumpMessages(100);
    EXPECT_EQ(blends.size(), fades);
    EXPECT_EQ(test::ClientPixels(button).At(kW / 2, kH / 2), 0xFF000000u);
    EXPECT_EQ(form.Record().lastHotControl, skin::GetPropInt(button, L"Hw_lbID"));
}

TEST_F(ButtonFadeTest, ReturningFromASliderWithTheSameIndexRepaintsTheButton) {
    test::MoveMouseOnto(button, {10, 10});
    ASSERT_TRUE(FadesDone());
    // A slider of the same list index took the hover (its procedure notes
    // the slider kind); the indices alone cannot tell the two apart.
    skin::FormRecord& record = form.Record();
    record.hotKind = skin::kHotSlider;
    ASSERT_EQ(record.lastHotControl, record.hotControl);
    test::MoveMouseOnto(button, {20, 10});
    EXPECT_EQ(skin::fadeList.size(), 1u);
    EXPECT_EQ(record.hotKind, 0);
}

TEST_F(ButtonFadeTest, LeavingAFocusedButtonRepaintsItFocused) {
    form.LoadButtonFrame(true);  // the focused picture is the blue one
    ::SetFocus(button);
    test::MoveMouseOnto(button, {10, 10});
    ASSERT_TRUE(FadesDone());
    ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(skin::fadeList.empty());
    EXPECT_EQ(form.Record().lastHotControl, 0);
    const Pixels focused = test::ClientPixels(button);
    // Unfocused, the leave draws the normal (grey) edge instead.
    HWND other = form.AddButton(BS_PUSHBUTTON, L"", 40, 100, kW, kH);
    ::SetFocus(other);
    ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    const Pixels normal = test::ClientPixels(button);
    EXPECT_GT(Blueness(focused.At(kW / 2, 0)), Blueness(normal.At(kW / 2, 0)) + 100)
        << Hex(focused.At(kW / 2, 0)) << " " << Hex(normal.At(kW / 2, 0));
}

}  // namespace
}  // namespace pelorin
