// The caption-button strip of a skinned form through real messages: its
// layout, maximise and restore, presses, the hover fades and the tooltips.

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "skinned_test_form.h"
#include "skin/core/skin_registry.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/windows/skin_config.h"
#include "skin/windows/skinned_form_proc.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

using skin::CaptionButton;

struct FadeDraw {
    std::int32_t button;
    std::int32_t opacity;
};

// Records every caption-button fade draw of one window while it lives.
class FadeRecorder {
public:
    explicit FadeRecorder(HWND window) {
        skin::SetCaptionFadeObserver([this, window](HWND form, std::int32_t button, std::int32_t opacity) {
            if (form == window) draws.push_back({button, opacity});
        });
    }
    ~FadeRecorder() { skin::SetCaptionFadeObserver({}); }
    std::vector<std::int32_t> OpacitiesOf(std::int32_t button, std::size_t from = 0) const {
        std::vector<std::int32_t> out;
        for (std::size_t i = from; i < draws.size(); ++i)
            if (draws[i].button == button) out.push_back(draws[i].opacity);
        return out;
    }
    std::vector<FadeDraw> draws;
};

// The hover state after the timer has ended it: both fade records cleared.
bool HoverSettled(const SkinnedTestForm& w) {
    const skin::FormRecord& f = w.Record();
    return f.hotButton == 0 && f.enterFade.button == 0 && f.leaveFade.button == 0 && !f.hoverTimerOn;
}

// Call once per check: setting the timer again restarts its interval.
bool TimerRunning(HWND window) {
    // Killing reports whether the timer existed; it is set again when it did.
    const UINT_PTR id = reinterpret_cast<UINT_PTR>(window);
    if (!::KillTimer(window, id)) return false;
    ::SetTimer(window, id, 20, nullptr);
    return true;
}

RECT ButtonRect(const SkinnedTestForm& w, std::size_t i) { return w.Record().captionButtons.at(i - 1).rect; }

void ExpectRect(const RECT& r, LONG left, LONG top, LONG width, LONG height) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

TEST(CaptionStrip, CloseOnlyIsOneButtonFortyOnePixelsWide) {
    SkinnedTestForm w{TestWindow()};
    const skin::FormRecord& f = w.Record();
    ASSERT_EQ(f.captionButtons.size(), 1u);
    EXPECT_EQ(f.captionButtons[0].kind, skin::kCaptionClose);
    EXPECT_EQ(f.captionStripWidth, 41);
    EXPECT_EQ(f.captionStripLeft, kTestWindowWidth - 41 + 1);
    ExpectRect(ButtonRect(w, 1), f.captionStripLeft + 2, 1, 40, 18);
    EXPECT_EQ(w.ToolText(1), L"关闭");
}

TEST(CaptionStrip, MinimiseThenCloseSideBySide) {
    SkinnedTestForm w{TestWindow(WS_MINIMIZEBOX)};
    const skin::FormRecord& f = w.Record();
    ASSERT_EQ(f.captionButtons.size(), 2u);
    EXPECT_EQ(f.captionButtons[0].kind, skin::kCaptionMinimize);
    EXPECT_EQ(f.captionButtons[1].kind, skin::kCaptionClose);
    EXPECT_EQ(f.captionStripWidth, 26 + 38 + 1 + 3);
    ExpectRect(ButtonRect(w, 1), f.captionStripLeft + 2, 1, 26, 18);
    ExpectRect(ButtonRect(w, 2), f.captionStripLeft + 2 + 27, 1, 40, 18);
    EXPECT_EQ(w.ToolText(1), L"最小化");
    EXPECT_EQ(w.ToolText(2), L"关闭");
}

TEST(CaptionStrip, AddedButtonsGoToTheLeftEndAndRunTheirHandlers) {
    SkinnedTestForm w{TestWindow(WS_MINIMIZEBOX)};
    const Bytes arrow = LoadEmbeddedPicture(EmbeddedPicture::CaptionMore);
    int firstClicks = 0;
    int secondClicks = 0;
    ASSERT_EQ(skin::AddCaptionButton(w.Window(), arrow, L"更多功能", [&] { ++firstClicks; }), 1);
    ASSERT_EQ(skin::AddCaptionButton(w.Window(), arrow, L"第二个", [&] { ++secondClicks; }), 1);
    const skin::FormRecord& f = w.Record();
    ASSERT_EQ(f.captionButtons.size(), 4u);
    EXPECT_EQ(f.captionStripWidth, 68 + 2 * 27);
    EXPECT_EQ(f.captionStripLeft, kTestWindowWidth - f.captionStripWidth + 1);
    EXPECT_EQ(f.captionButtons[0].tooltip, L"第二个");
    EXPECT_EQ(f.captionButtons[1].tooltip, L"更多功能");
    EXPECT_EQ(f.captionButtons[2].kind, skin::kCaptionMinimize);
    for (std::size_t i = 1; i <= 4; ++i)
        EXPECT_EQ(ButtonRect(w, i).left, f.captionStripLeft + 2 + static_cast<LONG>(i - 1) * 27) << i;
    EXPECT_LT(ButtonRect(w, 1).left, ButtonRect(w, 2).left);
    for (std::size_t i = 1; i <= 4; ++i) EXPECT_EQ(w.ToolText(i), f.captionButtons[i - 1].tooltip) << i;

    Click(w.Window(), w.ButtonCentre(1));
    EXPECT_EQ(secondClicks, 1);
    EXPECT_EQ(firstClicks, 0);
    Click(w.Window(), w.ButtonCentre(2));
    EXPECT_EQ(firstClicks, 1);
    EXPECT_TRUE(w.Messages().sysCommands.empty());
}

TEST(CaptionStrip, ConfigurationCallsRefuseAWindowThatIsNoForm) {
    HWND plain = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(skin::AddCaptionButton(plain, {}, L"x", nullptr), 0);
    EXPECT_EQ(skin::SetCloseAnimation(plain, 2), 0);
    ::DestroyWindow(plain);
}

// The maximise button's glyph rows, where the normal and the alternative
// picture differ.
Pixels GlyphOf(const SkinnedTestForm& w, std::size_t button) {
    const RECT r = ButtonRect(w, button);
    const Pixels all = ClientPixels(w.Window());
    Pixels out(r.right - r.left - 4, 12);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.At(x, y) = all.At(r.left + 2 + x, r.top + 3 + y);
    return out;
}

int DifferingPixels(const Pixels& a, const Pixels& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.argb.size() && i < b.argb.size(); ++i) count += !Near(a.argb[i], b.argb[i], 24);
    return count;
}

TEST(CaptionStrip, MaximiseToTheWorkAreaAndRestoreWithAlternatingTooltip) {
    SkinnedTestForm w{TestWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX)};
    ASSERT_EQ(w.Record().captionButtons.size(), 3u);
    ASSERT_EQ(w.Record().captionButtons[1].kind, skin::kCaptionMaximize);
    RECT normal{};
    ::GetWindowRect(w.Window(), &normal);
    EXPECT_EQ(w.ToolText(2), L"最大化");
    const Pixels normalGlyph = GlyphOf(w, 2);

    Click(w.Window(), w.ButtonCentre(2));
    PumpMessages(100);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT now{};
    ::GetWindowRect(w.Window(), &now);
    EXPECT_TRUE(::EqualRect(&now, &work)) << now.left << "," << now.top << " " << now.right << "x" << now.bottom;
    EXPECT_TRUE(w.Record().isMaximized);
    EXPECT_EQ(w.ToolText(2), L"还原");
    EXPECT_EQ(w.Record().captionButtons[1].tooltip, L"还原");
    // The strip follows the right edge, and the button shows its second picture.
    EXPECT_EQ(w.Record().captionStripLeft, (work.right - work.left) - w.Record().captionStripWidth + 1);
    ::UpdateWindow(w.Window());
    PumpMessages(30);
    EXPECT_GT(DifferingPixels(GlyphOf(w, 2), normalGlyph), 5);

    Click(w.Window(), w.ButtonCentre(2));
    PumpMessages(100);
    ::GetWindowRect(w.Window(), &now);
    EXPECT_TRUE(::EqualRect(&now, &normal));
    EXPECT_FALSE(w.Record().isMaximized);
    EXPECT_EQ(w.ToolText(2), L"最大化");
    ::UpdateWindow(w.Window());
    PumpMessages(30);
    EXPECT_LE(DifferingPixels(GlyphOf(w, 2), normalGlyph), 2);
}

TEST(CaptionStrip, PressOnOneButtonAndReleaseOnAnotherDoesNothing) {
    SkinnedTestForm w{TestWindow(WS_MINIMIZEBOX)};
    Press(w.Window(), w.ButtonCentre(1));
    Release(w.Window(), w.ButtonCentre(2));
    Press(w.Window(), w.ButtonCentre(2));
    Release(w.Window(), w.ButtonCentre(1));
    PumpMessages(50);
    EXPECT_TRUE(w.Alive());
    EXPECT_FALSE(w.Record().isMinimized);
    EXPECT_TRUE(w.Messages().sysCommands.empty());
    // The same press and release on the close button closes.
    Click(w.Window(), w.ButtonCentre(2));
    PumpMessages(50);
    ASSERT_FALSE(w.Messages().sysCommands.empty());
    EXPECT_EQ(w.Messages().sysCommands.front() & 0xFFF0, static_cast<WPARAM>(SC_CLOSE));
    EXPECT_FALSE(w.Alive());
}

std::vector<std::int32_t> Expected(std::int32_t first, std::int32_t last, std::int32_t step) {
    std::vector<std::int32_t> out;
    for (std::int32_t v = first; step > 0 ? v <= last : v >= last; v += step) out.push_back(v);
    return out;
}

TEST(CaptionFade, EnterAndLeaveFadesRunTogetherAndStopTheTimer) {
    SkinnedTestForm w{TestWindow(WS_MINIMIZEBOX)};
    FadeRecorder fades(w.Window());
    MoveMouseOnto(w.Window(), POINT{100, 200});
    PumpMessages(20);
    fades.draws.clear();

    MoveMouseOnto(w.Window(), w.ButtonCentre(1));
    EXPECT_EQ(w.Record().hotButton, 1);
    ASSERT_TRUE(PumpUntil([&] { return fades.OpacitiesOf(1).size() >= 8; }, 2000));
    PumpMessages(60);
    EXPECT_EQ(fades.OpacitiesOf(1), Expected(30, 240, 30));

    const std::size_t switchAt = fades.draws.size();
    MoveMouseOnto(w.Window(), w.ButtonCentre(2));
    EXPECT_EQ(w.Record().hotButton, 2);
    ASSERT_TRUE(PumpUntil([&] { return fades.OpacitiesOf(2, switchAt).size() >= 8; }, 2000));
    PumpMessages(60);
    EXPECT_EQ(fades.OpacitiesOf(1, switchAt), Expected(240, 0, -30));
    EXPECT_EQ(fades.OpacitiesOf(2, switchAt), Expected(30, 240, 30));
    // Together: the second button's fade-in is drawn between the first
    // button's fade-out draws, one of each per tick.
    std::vector<std::int32_t> order;
    for (std::size_t i = switchAt; i < fades.draws.size(); ++i) order.push_back(fades.draws[i].button);
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0], 1);  // the fade-out starts at full opacity at once
    EXPECT_EQ(order[1], 2);
    EXPECT_EQ(order[2], 1);
    EXPECT_EQ(order[3], 2);
    EXPECT_TRUE(TimerRunning(w.Window()));  // still over the strip

    const std::size_t leaveAt = fades.draws.size();
    MoveMouseOnto(w.Window(), POINT{100, 200});
    EXPECT_EQ(w.Record().hotButton, 0);
    ASSERT_TRUE(PumpUntil([&] { return HoverSettled(w); }, 2000));
    EXPECT_FALSE(TimerRunning(w.Window()));
    EXPECT_EQ(fades.OpacitiesOf(2, leaveAt), Expected(240, 0, -30));
    EXPECT_FALSE(w.Record().hoverTimerOn);
    EXPECT_EQ(w.Record().enterFade.button, 0);
    EXPECT_EQ(w.Record().leaveFade.button, 0);
    const std::size_t settled = fades.draws.size();
    PumpMessages(80);
    EXPECT_EQ(fades.draws.size(), settled);
}

TEST(CaptionFade, LeavingTheWindowFadesTheHotButtonOut) {
    SkinnedTestForm w{TestWindow(WS_MINIMIZEBOX)};
    FadeRecorder fades(w.Window());
    MoveMouseOnto(w.Window(), w.ButtonCentre(2));
    PumpMessages(40);  // part of the fade-in
    const std::size_t leaveAt = fades.draws.size();
    ::SetCursorPos(1000, 900);  // off the window: the platform reports the leave
    ASSERT_TRUE(PumpUntil([&] { return HoverSettled(w); }, 2000));
    EXPECT_FALSE(TimerRunning(w.Window()));
    const std::vector<std::int32_t> out = fades.OpacitiesOf(2, leaveAt);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.back(), 0);  // ends in the normal look
    EXPECT_EQ(w.Record().hotButton, 0);
}

}  // namespace
}  // namespace pelorin::test
