// Check boxes and radio buttons: glyphs from the check-glyph strip over the
// form background, the click animation frame by frame, and the final state.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skinned_test_form.h"
#include "skin/core/check_box_animation.h"
#include "skin/core/check_glyphs.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "test_support.h"

namespace pelorin {
namespace {

using test::Hex;
using test::Near;
using test::Over;
using test::Pixels;
using test::SkinnedTestForm;

constexpr int kW = 120;
constexpr int kH = 20;
constexpr int kCellTop = 2;  // (20 - 16) / 2

Pixels Cell(std::int32_t cell) { return test::DecodePixels(skin::checkGlyphStrip.GetFramePng(cell)); }

// The box's pixels as the strip says: cells drawn over the form background.
Pixels Composed(const SkinnedTestForm& form, HWND box, std::initializer_list<std::int32_t> cells) {
    Pixels out(skin::kGlyphCellWidth, 16);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.At(x, y) = form.BackgroundBehind(box, x, kCellTop + y);
    for (std::int32_t cell : cells) {
        const Pixels glyph = Cell(cell);
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) out.At(x, y) = Over(glyph.At(x, y), out.At(x, y));
    }
    return out;
}

// Number of glyph-area pixels that differ from `expected`.
int Mismatches(const Pixels& window, const Pixels& expected) {
    int count = 0;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
            if (!Near(window.At(x, kCellTop + y), expected.At(x, y), 8)) ++count;
    return count;
}

struct Box {
    int left = 1000, top = 1000, right = -1, bottom = -1;
    int Width() const { return right - left + 1; }
    float CentreX() const { return (left + right) / 2.0f; }
    float CentreY() const { return (top + bottom) / 2.0f; }
};
// Bounding box (in the client) of the pixels that differ from the empty box.
Box ChangedArea(const Pixels& window, const Pixels& emptyBox) {
    Box box;
    for (int y = 0; y < emptyBox.height; ++y)
        for (int x = 0; x < emptyBox.width; ++x)
            if (!Near(window.At(x, kCellTop + y), emptyBox.At(x, y), 12)) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, kCellTop + y);
                box.bottom = std::max(box.bottom, kCellTop + y);
            }
    return box;
}
// Bounding box of the opaque part of a cell drawn at natural size.
Box OpaqueArea(std::int32_t cell) {
    const Pixels glyph = Cell(cell);
    Box box;
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            if (test::Alpha(glyph.At(x, y)) > 100) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, kCellTop + y);
                box.bottom = std::max(box.bottom, kCellTop + y);
            }
    return box;
}

struct ShownFrame {
    std::int32_t frame;
    double ms;  // since the button went down
    Pixels window;
};

class CheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadCheckGlyphs();
        ASSERT_EQ(skin::checkGlyphStrip.GetFrameCount(), 6);
        box = form.AddButton(BS_AUTOCHECKBOX, L"", 40, 30, kW, kH);
        ::UpdateWindow(form.Window());
        skin::checkFrameObserver = [this](HWND window, std::int32_t frame) {
            shown.push_back({frame, Since(), test::ClientPixels(window)});
        };
    }
    void TearDown() override { skin::checkFrameObserver = nullptr; }
    double Since() const {
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    }
    void Click() {
        ::QueryPerformanceCounter(&start);
        ::SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        ::UpdateWindow(box);
    }
    void ExpectPauses(const std::vector<double>& pauses) {
        ASSERT_EQ(shown.size(), pauses.size() + 1);
        for (std::size_t i = 0; i < pauses.size(); ++i)
            EXPECT_GE(shown[i + 1].ms - shown[i].ms, pauses[i] - 1.0) << "pause " << i;
    }

    SkinnedTestForm form{test::KnownFrameForm(120, 100, 320, 200)};
    HWND box = nullptr;
    LARGE_INTEGER start{};
    std::vector<ShownFrame> shown;
};

TEST_F(CheckBoxTest, RestingLooksComeFromTheirCells) {
    const Pixels unchecked = test::ClientPixels(box);
    EXPECT_EQ(Mismatches(unchecked, Composed(form, box, {skin::kGlyphTranslucentBox})), 0);
    ::SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(
        Mismatches(test::ClientPixels(box), Composed(form, box, {skin::kGlyphTranslucentBox, skin::kGlyphSmallCheck})),
        0);
    skin::RepaintButton(box, 0, true);
    EXPECT_EQ(Mismatches(test::ClientPixels(box), Composed(form, box, {skin::kGlyphWhiteBox, skin::kGlyphSmallCheck})),
              0);
    // Disabled: the grey-blue box, whatever paints it.
    ::EnableWindow(box, FALSE);
    ::InvalidateRect(box, nullptr, TRUE);
    ::UpdateWindow(box);
    EXPECT_EQ(
        Mismatches(test::ClientPixels(box), Composed(form, box, {skin::kGlyphDisabledBox, skin::kGlyphSmallCheck})), 0);
    // The composite copy holds the same picture.
    EXPECT_EQ(
        Mismatches(form.FrameCopyPixels(box), Composed(form, box, {skin::kGlyphDisabledBox, skin::kGlyphSmallCheck})),
        0);
}

TEST_F(CheckBoxTest, ClickingAnUncheckedBoxGrowsTheMarkInAndEndsChecked) {
    Click();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].frame, 4);
    EXPECT_EQ(shown[1].frame, 3);
    EXPECT_EQ(shown[2].frame, 1);
    EXPECT_EQ(shown[3].frame, 3);
    ExpectPauses({50, 45, 40});
    const Pixels emptyBox = Composed(form, box, {skin::kGlyphTranslucentBox});
    // Frame 4 at half size, centred on the cell.
    const Box half = ChangedArea(shown[0].window, emptyBox);
    const Box natural = OpaqueArea(skin::kGlyphSmallCheckVariant);
    ASSERT_GT(natural.Width(), 4);
    EXPECT_NEAR(half.Width(), natural.Width() * 0.5, 2.0);
    EXPECT_NEAR(half.CentreX(), skin::kGlyphCellWidth / 2.0 - 0.5 + (natural.CentreX() - 10) * 0.5, 1.5);
    EXPECT_NEAR(half.CentreY(), kH / 2.0 - 0.5 + (natural.CentreY() - kH / 2.0 + 0.5) * 0.5, 1.5);
    EXPECT_EQ(Mismatches(shown[1].window, Composed(form, box, {skin::kGlyphTranslucentBox, skin::kGlyphSmallCheck})),
              0);
    EXPECT_EQ(Mismatches(shown[2].window, Composed(form, box, {skin::kGlyphTranslucentBox, skin::kGlyphLargeCheck})),
              0);
    EXPECT_EQ(Mismatches(shown[3].window, Composed(form, box, {skin::kGlyphTranslucentBox, skin::kGlyphSmallCheck})),
              0);
    // The state changes on button-up, and the box shows it.
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(
        Mismatches(test::ClientPixels(box), Composed(form, box, {skin::kGlyphTranslucentBox, skin::kGlyphSmallCheck})),
        0);
    EXPECT_EQ(form.Clicks(box), 1);
}

TEST_F(CheckBoxTest, ClickingACheckedBoxShrinksTheMarkAwayAndEndsUnchecked) {
    ::SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    Click();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].frame, 1);
    EXPECT_EQ(shown[1].frame, 3);
    EXPECT_EQ(shown[2].frame, 4);
    EXPECT_EQ(shown[3].frame, 0);
    ExpectPauses({50, 45, 30});
    const Pixels emptyBox = Composed(form, box, {skin::kGlyphTranslucentBox});
    EXPECT_EQ(Mismatches(shown[0].window, Composed(form, box, {skin::kGlyphTranslucentBox, skin::kGlyphLargeCheck})),
              0);
    EXPECT_EQ(Mismatches(shown[1].window, Composed(form, box, {skin::kGlyphTranslucentBox, skin::kGlyphSmallCheck})),
              0);
    const Box shrunk = ChangedArea(shown[2].window, emptyBox);
    const Box natural = OpaqueArea(skin::kGlyphSmallCheckVariant);
    EXPECT_NEAR(shrunk.Width(), natural.Width() * 0.6, 2.0);
    EXPECT_EQ(Mismatches(shown[3].window, emptyBox), 0);
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Mismatches(test::ClientPixels(box), emptyBox), 0);
}

TEST_F(CheckBoxTest, WithoutTheAnimationPropertyAClickJustRepaints) {
    skin::SetPropValue(box, skin::prop::kCheckAnimation, 0);
    Click();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(CheckBoxTest, CaptionIsDrawnBesideTheGlyphWithAndWithoutGlow) {
    HWND plain = form.AddButton(BS_AUTOCHECKBOX, L"静音", 40, 60, kW, kH);
    HWND glow = form.AddButton(BS_AUTOCHECKBOX, L"静音", 40, 90, kW, kH, 0x00FF8800);
    const Pixels plainPixels = test::ClientPixels(plain);
    const Pixels glowPixels = test::ClientPixels(glow);
    // Plain: light strokes right of the glyph, well above the background.
    int light = 0, blue = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = skin::kGlyphCellWidth; x < kW; ++x) {
            const GxArgb p = plainPixels.At(x, y);
            if (test::Red(p) > test::Red(form.BackgroundBehind(plain, x, y)) + 80) ++light;
            if (test::Blue(glowPixels.At(x, y)) - test::Red(glowPixels.At(x, y)) > 30) ++blue;
        }
    EXPECT_GT(light, 10);
    EXPECT_GT(blue, 20);
    // Beyond the caption the form shows through untouched.
    EXPECT_EQ(plainPixels.At(kW - 1, 0), form.BackgroundBehind(plain, kW - 1, 0));
}

TEST(RadioButton, DrawsItsMarkAndFollowsTheCheckState) {
    test::LoadCheckGlyphs();
    SkinnedTestForm form{test::KnownFrameForm(120, 100, 320, 200)};
    // Automatic: the attach step leaves a plain BS_RADIOBUTTON to the platform.
    HWND radio = form.AddButton(BS_AUTORADIOBUTTON, L"", 40, 30, kW, kH);
    ::InvalidateRect(radio, nullptr, TRUE);
    ::UpdateWindow(radio);
    const Pixels off = test::ClientPixels(radio);
    // The white disc covers the middle of the mark's place.
    EXPECT_GT(test::Red(off.At(8, kH / 2)), 200) << Hex(off.At(8, kH / 2));
    ::SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    const Pixels on = test::ClientPixels(radio);
    // The dot in the theme colour (0x00DDCA22: much more green than red).
    const GxArgb dot = on.At(8, kH / 2);
    EXPECT_GT(test::Green(dot) - test::Red(dot), 80) << Hex(dot);
    // Right of the mark the form shows through.
    EXPECT_TRUE(Near(on.At(kW - 2, 1), form.BackgroundBehind(radio, kW - 2, 1), 2));
}

}  // namespace
}  // namespace pelorin
