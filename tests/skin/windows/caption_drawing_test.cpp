// Caption text and caption buttons on real windows: the halo, the text box,
// the maximise button's second picture, the hover overlay, the pressed state
// and the copies to the window and the composite.
#include <gtest/gtest.h>

#include "skinned_test_form.h"
#include "graphics/gx_font.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/frame_parts.h"
#include "skin/windows/frame_render.h"

namespace pelorin::test {
namespace {

constexpr COLORREF kGreenShadow = 0x0000FF00;
constexpr wchar_t kCaption[] = L"测试标题 Pelorin";

class CaptionTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::skinDefaults.skinBackgroundColor = 0x00000000;
        skin::skinDefaults.skinBackgroundPicture.clear();
    }
    SkinThemeScope theme_;
};

FrameFormOptions WithText(const std::wstring& text) {
    FrameFormOptions options;
    options.text = text;
    return options;
}

// The caption's text box: left 6 (no icon), top 7, up to the caption strip, 42 high.
RECT TextBox(const skin::FormRecord& form) { return RECT{6, 7, 380 - form.captionStripWidth - 10 - 6, 7 + 42}; }

bool Inside(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

int CountShadowPixels(const Pixels& p, const RECT& box) {
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const GxArgb c = p.At(x, y);
            if (Green(c) > 40 && Green(c) > Red(c) + 30 && Green(c) > Blue(c) + 30) ++count;
        }
    return count;
}

int CountBrightPixels(const Pixels& p, const RECT& box) {
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (Red(p.At(x, y)) > 150 && Blue(p.At(x, y)) > 150) ++count;
    return count;
}

TEST_F(CaptionTest, TheTitleFontIsInstalled) {
    GxFont font;
    EXPECT_TRUE(font.CreateFontByName(L"宋体", 12, Gdiplus::FontStyleBold, Gdiplus::UnitPixel))
        << "the caption would fall back to another face";
}

TEST_F(CaptionTest, HaloIsDrawnInTheShadowColourAndNotWithoutOne) {
    SkinnedTestForm halo{FrameForm(WithText(kCaption))};
    halo.Record().titleShadowColor = kGreenShadow;
    halo.Show();
    const RECT box = TextBox(halo.Record());
    const Pixels withHalo = halo.ScreenPixels();
    EXPECT_GT(CountShadowPixels(withHalo, box), 20);
    EXPECT_GT(CountBrightPixels(withHalo, box), 20);

    SkinnedTestForm plain{FrameForm(WithText(kCaption))};
    plain.Record().titleShadowColor = skin::kNoColor;
    plain.Show();
    const Pixels noHalo = plain.ScreenPixels();
    EXPECT_EQ(CountShadowPixels(noHalo, box), 0);
    EXPECT_GT(CountBrightPixels(noHalo, box), 20) << "the text itself is still drawn";
}

TEST_F(CaptionTest, CaptionTextAppearsInTheTextBoxAndNowhereElse) {
    SkinnedTestForm empty{FrameForm(WithText(L""))};
    empty.Show();
    SkinnedTestForm titled{FrameForm(WithText(kCaption))};
    titled.Show();
    const RECT box = TextBox(titled.Record());
    const Pixels without = empty.FrameCopyPixels();
    const Pixels with = titled.FrameCopyPixels();
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < with.height; ++y)
        for (int x = 0; x < with.width; ++x)
            if (!Near(with.At(x, y), without.At(x, y), 2)) (Inside(box, x, y) ? inside : outside)++;
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
    // What the screen shows of the box is the composite's.
    const Pixels screen = titled.ScreenPixels();
    int differing = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (!Near(screen.At(x, y), with.At(x, y), 2)) ++differing;
    EXPECT_EQ(differing, 0);
}

TEST_F(CaptionTest, RedrawingTheCaptionReplacesTheOldTextOnScreenAndInTheComposite) {
    SkinnedTestForm form{FrameForm(WithText(kCaption))};
    form.Show();
    SkinnedTestForm reference{FrameForm(WithText(L"新标题"))};
    reference.Show();
    {
        skin::SurfaceCanvas canvas(*form.Record().frameBuffer);
        ASSERT_TRUE(canvas);
        GxGraphics& graphics = canvas.Graphics();
        skin::DrawCaptionText(form.FormIndex(), graphics, false, std::wstring(L"新标题"));
    }
    const RECT box = TextBox(form.Record());
    const Pixels expected = reference.FrameCopyPixels();
    const Pixels copy = form.FrameCopyPixels();
    const Pixels screen = form.ScreenPixels();
    int copyDiffers = 0;
    int screenDiffers = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            if (!Near(copy.At(x, y), expected.At(x, y), 2)) ++copyDiffers;
            if (!Near(screen.At(x, y), expected.At(x, y), 2)) ++screenDiffers;
        }
    EXPECT_EQ(copyDiffers, 0);
    EXPECT_EQ(screenDiffers, 0);
}

TEST_F(CaptionTest, OutlinedCaptionUsesTheGlowText) {
    SkinnedTestForm halo{FrameForm(WithText(kCaption))};
    halo.Record().titleShadowColor = kGreenShadow;
    halo.Show();
    SkinnedTestForm outlined{FrameForm(WithText(kCaption))};
    outlined.Record().titleShadowColor = kGreenShadow;
    outlined.Record().titleTextOutlined = true;
    outlined.Show();
    const RECT box = TextBox(outlined.Record());
    const Pixels a = halo.FrameCopyPixels();
    const Pixels b = outlined.FrameCopyPixels();
    EXPECT_GT(CountShadowPixels(b, box), 20) << "the glow is in the shadow colour";
    int differing = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (!Near(a.At(x, y), b.At(x, y), 4)) ++differing;
    EXPECT_GT(differing, 20) << "the blurred glow differs from the four-offset halo";
}

// Caption buttons ---------------------------------------------------------

struct ButtonArea {
    int x, y, w, h;
};
ButtonArea AreaOf(skin::FormRecord& form, int button) {
    const skin::CaptionButton& b = form.captionButtons[static_cast<std::size_t>(button - 1)];
    return {b.rect.left - 1, form.captionStripTop + 1, b.width, b.height};
}

void Draw(SkinnedTestForm& form, int button, bool offScreenOnly, bool pressed, int opacity) {
    skin::SurfaceCanvas canvas(*form.Record().frameBuffer);
    ASSERT_TRUE(canvas);
    GxGraphics& graphics = canvas.Graphics();
    skin::DrawCaptionButton(form.FormIndex(), button, graphics, offScreenOnly, pressed, opacity);
}

TEST_F(CaptionTest, StripLayoutForCloseOnlyAndMinimiseWithClose) {
    FrameFormOptions closeOnly;
    closeOnly.minimizeBox = false;
    skin::skinDefaults.skinBackgroundColor = 0x00808080;
    SkinnedTestForm single{FrameForm(closeOnly)};
    single.Show();
    ASSERT_EQ(single.Record().captionButtons.size(), 1u);
    // A strip 38 + 3 wide, right-aligned: the close button draws at 341..378.
    const ButtonArea close = AreaOf(single.Record(), 1);
    EXPECT_EQ(close.x, 380 - 41 + 1 + 2 - 1);
    const Pixels p = single.FrameCopyPixels();
    const Pixels cache = OpaquePixels(single.Record().titleCache->Dc(), 0, 0, 380, 25);
    // The first button's separator, two columns left of it, darkens the title.
    EXPECT_LT(Red(p.At(close.x - 2, 3)), Red(cache.At(close.x - 2, 3)) - 20);
    int changed = 0;
    for (int y = close.y; y < close.y + close.h; ++y)
        for (int x = close.x; x < close.x + close.w; ++x)
            if (!Near(p.At(x, y), cache.At(x, y), 3)) ++changed;
    EXPECT_GT(changed, 30) << "the cross and the gloss are drawn";
}

TEST_F(CaptionTest, MaximiseButtonShowsItsSecondPictureWhileMaximised) {
    FrameFormOptions options;
    options.maximizeBox = true;
    SkinnedTestForm form{FrameForm(options)};
    skin::CaptionButton& maximise = form.Record().captionButtons[1];
    ASSERT_EQ(maximise.kind, skin::kCaptionMaximize);
    maximise.picture = SolidPicture(26, 18, 0xFF0000FF);
    maximise.altPicture = SolidPicture(26, 18, 0xFFFF0000);
    form.Show();
    const ButtonArea a = AreaOf(form.Record(), 2);
    const int cx = a.x + a.w / 2;
    const int cy = a.y + a.h / 2;
    Pixels p = form.ScreenPixels();
    EXPECT_GT(Blue(p.At(cx, cy)), 200) << Hex(p.At(cx, cy));
    EXPECT_LT(Red(p.At(cx, cy)), 60);

    form.Record().isMaximized = true;
    form.Rerender();
    p = form.ScreenPixels();
    EXPECT_GT(Red(p.At(cx, cy)), 200) << Hex(p.At(cx, cy));
    EXPECT_LT(Blue(p.At(cx, cy)), 60);

    form.Record().isMaximized = false;
    Draw(form, 2, false, false, 0);
    p = form.ScreenPixels();
    EXPECT_GT(Blue(p.At(cx, cy)), 200) << "a single redraw shows the normal picture again";
}

TEST_F(CaptionTest, HoverOverlayRedrawsToTheSamePixelsEveryTime) {
    SkinnedTestForm form{FrameForm()};
    form.Show();
    const Pixels rendered = form.FrameBufferPixels();
    Draw(form, 2, true, false, 120);
    const Pixels once = form.FrameBufferPixels();
    for (int i = 0; i < 40; ++i) Draw(form, 2, true, false, 120);
    EXPECT_EQ(once.argb, form.FrameBufferPixels().argb) << "repeated fade steps must not pile up";
    for (int i = 0; i < 40; ++i) Draw(form, 1, true, false, 200);
    Draw(form, 1, true, false, 0);
    Draw(form, 2, true, false, 0);
    EXPECT_EQ(rendered.argb, form.FrameBufferPixels().argb) << "back to the normal state after the fades";
}

TEST_F(CaptionTest, OverlayTintsTheCloseButtonRedAndOthersInTheThemeColour) {
    skin::skinDefaults.themeColor = 0x0000FF00;
    SkinnedTestForm form{FrameForm()};
    form.Show();
    const ButtonArea minimise = AreaOf(form.Record(), 1);
    const ButtonArea close = AreaOf(form.Record(), 2);
    const Pixels normal = form.FrameBufferPixels();
    Draw(form, 1, true, false, 240);
    Draw(form, 2, true, false, 240);
    const Pixels hot = form.FrameBufferPixels();
    // Near the top-left corner of each button, away from the glyph.
    const GxArgb m0 = normal.At(minimise.x + 3, minimise.y + 3);
    const GxArgb m1 = hot.At(minimise.x + 3, minimise.y + 3);
    const GxArgb c0 = normal.At(close.x + 3, close.y + 3);
    const GxArgb c1 = hot.At(close.x + 3, close.y + 3);
    EXPECT_GT(Green(m1), Green(m0) + 80) << Hex(m0) << " -> " << Hex(m1);
    EXPECT_GT(Red(c1), Red(c0) + 80) << Hex(c0) << " -> " << Hex(c1);
    EXPECT_LT(Green(c1), Red(c1));
}

TEST_F(CaptionTest, PressedCloseButtonIsRedAndOthersDarker) {
    skin::skinDefaults.skinBackgroundColor = 0x00808080;
    SkinnedTestForm form{FrameForm()};
    form.Show();
    const ButtonArea minimise = AreaOf(form.Record(), 1);
    const ButtonArea close = AreaOf(form.Record(), 2);
    const Pixels normal = form.FrameBufferPixels();
    Draw(form, 1, false, true, 0);
    Draw(form, 2, false, true, 0);
    const Pixels screen = form.ScreenPixels();
    const GxArgb c = screen.At(close.x + 3, close.y + 2);
    EXPECT_GT(Red(c), 200) << Hex(c);
    EXPECT_LT(Green(c), 80) << Hex(c);
    EXPECT_LT(Red(screen.At(minimise.x + 3, minimise.y + 2)), Red(normal.At(minimise.x + 3, minimise.y + 2)) - 20);
}

TEST_F(CaptionTest, ButtonRedrawIsCopiedToTheWindowAndTheCompositeUnlessOffScreen) {
    SkinnedTestForm form{FrameForm()};
    form.Show();
    const ButtonArea close = AreaOf(form.Record(), 2);
    const GxArgb before = form.FrameCopyPixels().At(close.x + 3, close.y + 3);

    Draw(form, 2, true, false, 240);
    EXPECT_EQ(form.FrameCopyPixels().At(close.x + 3, close.y + 3), before) << "off screen only";
    EXPECT_TRUE(Near(form.ScreenPixels().At(close.x + 3, close.y + 3), before, 2));

    Draw(form, 2, false, false, 240);
    const GxArgb hot = form.FrameBufferPixels().At(close.x + 3, close.y + 3);
    EXPECT_FALSE(Near(hot, before, 20));
    EXPECT_EQ(form.FrameCopyPixels().At(close.x + 3, close.y + 3), hot);
    EXPECT_TRUE(Near(form.ScreenPixels().At(close.x + 3, close.y + 3), hot, 2));
    // The cached frame repaints the same.
    ::InvalidateRect(form.Window(), nullptr, FALSE);
    ::UpdateWindow(form.Window());
    EXPECT_TRUE(Near(form.ScreenPixels().At(close.x + 3, close.y + 3), hot, 2));
}

// Status area -------------------------------------------------------------

TEST_F(CaptionTest, StatusPartsAreLaidOutFromTheLeftAndShareTheRest) {
    skin::skinDefaults.skinBackgroundColor = 0x00404040;
    SkinnedTestForm form{FrameForm()};
    form.Record().statusHeight = 20;
    form.Record().statusPartWidths = {100, -1, 50, -1};
    skin::LayoutStatusArea(form.FormIndex());
    const RECT s = form.Record().statusRect;
    EXPECT_EQ(s.left, 3);
    EXPECT_EQ(s.top, 537 - 3 - 20 - 1);
    EXPECT_EQ(s.right - s.left, 380 - 6);
    EXPECT_EQ(s.bottom - s.top, 20);
    const auto& parts = form.Record().statusPartRects;
    ASSERT_EQ(parts.size(), 4u);
    const int share = (374 - 150) / 2;
    const int lefts[] = {3, 103, 103 + share, 153 + share};
    const int widths[] = {100, share, 50, share};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(parts[i].left, lefts[i]) << i;
        EXPECT_EQ(parts[i].right - parts[i].left, widths[i]) << i;
        EXPECT_EQ(parts[i].top, s.top) << i;
    }

    form.Show();
    ASSERT_TRUE(form.Record().statusCache);
    EXPECT_EQ(form.Record().statusCache->Width(), 374);
    const Pixels p = form.ScreenPixels();
    EXPECT_GT(Red(p.At(50, s.top + 3)), 0x40 + 15) << "the part's gloss";
    EXPECT_TRUE(Near(p.At(50, s.top - 3), 0xFF404040, 2)) << "above the status area";
    // A part drawn alone comes out the same, on screen and in the composite.
    const Pixels before = form.FrameCopyPixels();
    {
        skin::SurfaceCanvas canvas(*form.Record().frameBuffer);
        ASSERT_TRUE(canvas);
        GxGraphics& graphics = canvas.Graphics();
        for (int i = 0; i < 10; ++i) skin::DrawStatusPart(form.Record(), graphics, 0, true);
    }
    EXPECT_EQ(before.argb, form.FrameCopyPixels().argb);
    const Pixels screen = form.ScreenPixels();
    int differing = 0;
    for (int y = s.top; y < s.bottom; ++y)
        for (int x = s.left; x < s.right; ++x)
            if (!Near(screen.At(x, y), before.At(x, y), 2)) ++differing;
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace pelorin::test
