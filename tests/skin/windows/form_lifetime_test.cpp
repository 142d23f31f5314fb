// Closing and destroying skinned forms: the close query, the close animation
// choice, and what WM_NCDESTROY gives back.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skinned_test_form.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/close_animation.h"
#include "skin/windows/skin_config.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

TEST(FormClose, ACloseQueryAnsweringZeroKeepsTheWindowAndPlaysNothing) {
    SkinnedTestForm w{TestWindow()};
    ASSERT_EQ(skin::SetCloseAnimation(w.Window(), 2), 1);
    int asked = 0;
    w.Record().closeQuery = [&] {
        ++asked;
        return 0;
    };
    int frames = 0;
    skin::closeAnimationObserver = [&](const skin::CloseAnimationFrame&) { ++frames; };
    EXPECT_EQ(::SendMessageW(w.Window(), WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(frames, 0);
    EXPECT_TRUE(w.Alive());
    EXPECT_FALSE(w.Messages().becameLayered);
    EXPECT_EQ(::GetWindowLongPtrW(w.Window(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    // Anything but exactly 1 refuses too.
    w.Record().closeQuery = [] { return 2; };
    ::SendMessageW(w.Window(), WM_CLOSE, 0, 0);
    skin::closeAnimationObserver = nullptr;
    EXPECT_TRUE(w.Alive());
    EXPECT_EQ(frames, 0);
}

TEST(FormClose, AnAcceptedCloseQueryPlaysTheChosenAnimationThenCloses) {
    SkinnedTestForm w{TestWindow()};
    ASSERT_EQ(skin::SetCloseAnimation(w.Window(), 3), 1);
    w.Record().closeQuery = [] { return 1; };
    std::vector<std::int32_t> alphas;
    skin::closeAnimationObserver = [&](const skin::CloseAnimationFrame& frame) { alphas.push_back(frame.alpha); };
    ::SendMessageW(w.Window(), WM_CLOSE, 0, 0);
    skin::closeAnimationObserver = nullptr;
    EXPECT_FALSE(w.Alive());
    ASSERT_EQ(alphas.size(), 10u);
    EXPECT_EQ(alphas.back(), 0);
    EXPECT_TRUE(w.Messages().becameLayered);
}

TEST(FormClose, VariantZeroClosesAtOnce) {
    const std::int32_t before = skin::formRegistry.Size();
    SkinnedTestForm w{TestWindow()};
    ASSERT_EQ(skin::SetCloseAnimation(w.Window(), 0), 1);
    w.Record().closeQuery = [] { return 1; };
    int frames = 0;
    skin::closeAnimationObserver = [&](const skin::CloseAnimationFrame&) { ++frames; };
    ::SendMessageW(w.Window(), WM_CLOSE, 0, 0);
    skin::closeAnimationObserver = nullptr;
    EXPECT_FALSE(w.Alive());
    EXPECT_EQ(frames, 0);
    EXPECT_FALSE(w.Messages().becameLayered);
    EXPECT_TRUE(w.Messages().procedureRestored);
    EXPECT_EQ(skin::formRegistry.Size(), before);
}

TEST(FormClose, DestroyingTheFirstFormRenumbersTheSecond) {
    auto first = std::make_unique<SkinnedTestForm>(TestWindow());
    HWND button = nullptr;
    SkinnedTestForm second{TestWindow(0, TestWindowSettings(), [&](HWND window) {
        button = AddChild(window, L"BUTTON", BS_PUSHBUTTON, 20, 60, 80, 24);
    })};
    const std::int32_t firstIndex = first->FormIndex();
    ASSERT_EQ(second.FormIndex(), firstIndex + 1);
    ASSERT_EQ(skin::GetPropInt(button, skin::prop::kFormIndex), firstIndex + 1);
    ::DestroyWindow(first->Window());
    EXPECT_TRUE(first->Messages().procedureRestored);
    EXPECT_EQ(skin::FindFormByWindow(first->Window()), 0);
    EXPECT_EQ(skin::GetPropInt(second.Window(), skin::prop::kListIndex), firstIndex);
    EXPECT_EQ(skin::GetPropInt(button, skin::prop::kFormIndex), firstIndex);
    // The second form still works under its new number.
    EXPECT_EQ(skin::SetCloseAnimation(second.Window(), 3), 1);
    EXPECT_EQ(second.Record().closeAnimation, 3);
}

}  // namespace
}  // namespace pelorin::test
