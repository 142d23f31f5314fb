// The frame's background on real windows: picture layouts, colour, tint,
// gloss, outline and the rounded region, read back from the screen and from
// the composite copy.
#include <gtest/gtest.h>

#include <string>

#include "skinned_test_form.h"
#include "graphics/gx_bitmap.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/frame_render.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

constexpr GxArgb kFill = 0xFF204060;         // skin background colour as ARGB
constexpr COLORREF kFillColor = 0x00604020;  // the same as COLORREF
constexpr GxArgb kTopLeft = 0xFFE00000;
constexpr GxArgb kTopRight = 0xFF00E000;
constexpr GxArgb kBottomLeft = 0xFF0000E0;
constexpr GxArgb kBottomRight = 0xFFE0E000;
constexpr GxArgb kCentre = 0xFFE000E0;

// 100 x 50: four coloured quadrants and a 10 x 10 block in the middle.
Pixels Quadrants() {
    Pixels p(100, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool right = x >= 50;
            const bool bottom = y >= 25;
            p.At(x, y) = bottom ? (right ? kBottomRight : kBottomLeft) : (right ? kTopRight : kTopLeft);
            if (x >= 45 && x < 55 && y >= 20 && y < 30) p.At(x, y) = kCentre;
        }
    return p;
}
Bytes QuadrantPicture() { return EncodePixels(Quadrants()); }

// The same without an alpha channel (24-bit PNG), as a JPEG decodes.
Bytes OpaqueQuadrantPicture() {
    const Pixels p = Quadrants();
    GxBitmap bitmap;
    if (!bitmap.Create(p.width, p.height, PixelFormat24bppRGB)) return {};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) bitmap.SetPixel(x, y, p.At(x, y));
    return bitmap.SaveToBytes(std::wstring(kGxFormatPng));
}

// A plain frame (no title area, so no outline or caption) of 380 x 537.
FrameFormOptions PlainFrame() {
    FrameFormOptions options;
    options.hasTitleBar = false;
    options.minimizeBox = false;
    return options;
}

class FrameBackgroundTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::skinDefaults.skinBackgroundColor = kFillColor;
        skin::skinDefaults.skinBackgroundPicture.clear();
    }
    SkinThemeScope theme_;
};

void ExpectPixel(const Pixels& p, int x, int y, GxArgb expected, const char* where, int tolerance = 8) {
    EXPECT_TRUE(Near(p.At(x, y), expected, tolerance))
        << where << " (" << x << ", " << y << "): " << Hex(p.At(x, y)) << " expected " << Hex(expected);
}

class StretchTest : public FrameBackgroundTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StretchTest, StretchedPictureCoversTheWholeClientArea) {
    const bool opaque = GetParam();
    const Bytes picture = opaque ? OpaqueQuadrantPicture() : QuadrantPicture();
    GxBitmap decoded;
    ASSERT_TRUE(decoded.LoadFromBytes(picture));
    ASSERT_EQ((decoded.GetPixelFormat() & PixelFormatAlpha) == 0, opaque) << "the picture takes the path meant";
    SkinnedTestForm form{FrameForm(PlainFrame())};
    form.Record().backgroundPicture = picture;
    form.Record().backgroundPictureMode = 3;
    form.Record().backgroundPictureColor = kFillColor;
    form.Show();
    for (const Pixels& p : {form.ScreenPixels(), form.FrameCopyPixels()}) {
        ASSERT_EQ(p.width, 380);
        ASSERT_EQ(p.height, 537);
        ExpectPixel(p, 0, 0, kTopLeft, "top-left corner");
        ExpectPixel(p, 379, 0, kTopRight, "top-right corner");
        ExpectPixel(p, 0, 536, kBottomLeft, "bottom-left corner");
        ExpectPixel(p, 379, 536, kBottomRight, "bottom-right corner");
        ExpectPixel(p, 190, 268, kCentre, "centre");
        // 3.8 x 10.74 times larger: the centre block spans about 38 x 107 pixels.
        ExpectPixel(p, 175, 225, kCentre, "inside the stretched centre block");
        ExpectPixel(p, 160, 200, kTopLeft, "left of the stretched centre block");
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, StretchTest, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& run) {
    return run.param ? std::string("OpaqueByGdi") : std::string("WithAlphaByGdiPlus");
});

TEST_F(FrameBackgroundTest, NaturalSizeModesPlaceThePictureByTheTable) {
    skin::skinDefaults.skinBackgroundPicture = QuadrantPicture();
    struct Case {
        std::int32_t mode;
        int left;
        int top;
    };
    // (W - w, H - h) = (280, 487); mode 2 centres at (140, 243.5).
    for (const Case c : {Case{0, 0, 0}, Case{2, 140, 244}, Case{6, 280, 487}}) {
        SCOPED_TRACE(c.mode);
        skin::skinDefaults.skinPictureMode = c.mode;
        SkinnedTestForm form{FrameForm(PlainFrame())};
        form.Show();
        const Pixels p = form.ScreenPixels();
        // Rows 243 and 293 of the centred picture are half covered; test inside and outside.
        ExpectPixel(p, c.left + 2, c.top + 2, kTopLeft, "inside, top-left");
        ExpectPixel(p, c.left + 97, c.top + 46, kBottomRight, "inside, bottom-right");
        ExpectPixel(p, c.left + 50, c.top + 25, kCentre, "picture centre");
        if (c.left > 0) ExpectPixel(p, c.left - 2, c.top + 10, kFill, "left of the picture");
        if (c.left + 100 < 379) ExpectPixel(p, c.left + 102, c.top + 10, kFill, "right of the picture");
        if (c.top > 0) ExpectPixel(p, c.left + 10, c.top - 3, kFill, "above the picture");
        if (c.top + 50 < 536) ExpectPixel(p, c.left + 10, c.top + 52, kFill, "below the picture");
        EXPECT_EQ(p.argb, form.FrameCopyPixels().argb);
    }
}

TEST_F(FrameBackgroundTest, TiledModeRepeatsThePictureAcrossTheTopStrip) {
    skin::skinDefaults.skinBackgroundPicture = QuadrantPicture();
    skin::skinDefaults.skinPictureMode = 4;
    SkinnedTestForm form{FrameForm(PlainFrame())};
    form.Show();
    const Pixels p = form.ScreenPixels();
    for (int repeat = 0; repeat < 3; ++repeat) {
        const int x = repeat * 100;
        ExpectPixel(p, x + 10, 5, kTopLeft, "top-left quadrant of a repeat");
        ExpectPixel(p, x + 90, 45, kBottomRight, "bottom-right quadrant of a repeat");
    }
    ExpectPixel(p, 310, 5, kTopLeft, "the fourth, cut repeat");
    ExpectPixel(p, 379, 45, kBottomRight, "the last column");
    ExpectPixel(p, 190, 52, kFill, "below the strip");
    ExpectPixel(p, 190, 400, kFill, "far below the strip");
}

TEST_F(FrameBackgroundTest, OwnPictureTakesPrecedenceOverTheSkinPicture) {
    skin::skinDefaults.skinBackgroundPicture = SolidPicture(20, 20, 0xFF00FF00);
    skin::skinDefaults.skinPictureMode = 3;
    SkinnedTestForm form{FrameForm(PlainFrame())};
    form.Record().backgroundPicture = SolidPicture(20, 20, 0xFFFF0000);
    form.Record().backgroundPictureMode = 0;
    form.Record().backgroundPictureColor = 0x00FFFFFF;
    form.Show();
    const Pixels p = form.FrameCopyPixels();
    ExpectPixel(p, 5, 5, 0xFFFF0000, "own picture");
    ExpectPixel(p, 200, 200, 0xFFFFFFFF, "own picture colour under it");
}

TEST_F(FrameBackgroundTest, WithoutPictureTheSkinColourShowsAndTheTintCoversIt) {
    {
        SkinnedTestForm form{FrameForm(PlainFrame())};
        form.Show();
        const Pixels p = form.ScreenPixels();
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{190, 268}, std::pair{379, 536}})
            ExpectPixel(p, x, y, kFill, "skin colour", 2);
    }
    {
        SkinnedTestForm form{FrameForm(PlainFrame())};
        form.Record().backgroundColor = 0x000000C0;  // opaque red tint
        form.Show();
        ExpectPixel(form.ScreenPixels(), 190, 268, 0xFFC00000, "opaque tint", 2);
    }
    {
        SkinnedTestForm form{FrameForm(PlainFrame())};
        form.Record().backgroundColor = 0x000000C0;
        form.Record().backgroundAlpha = 100;
        form.Show();
        const GxArgb expected = Over(skin::ToArgb(0x000000C0, 100), kFill);
        const Pixels p = form.ScreenPixels();
        ExpectPixel(p, 190, 268, expected, "translucent tint");
        EXPECT_FALSE(Near(p.At(190, 268), kFill, 20)) << "the tint changes the colour";
    }
}

TEST_F(FrameBackgroundTest, GlossTitleLimitsTheTintToBelowTheTitleArea) {
    FrameFormOptions options;
    options.titleHeight = 60;
    SkinnedTestForm form{FrameForm(options)};
    form.Record().backgroundColor = 0x000000C0;
    form.Record().glossTitle = true;
    form.Show();
    const Pixels p = form.FrameCopyPixels();
    ExpectPixel(p, 190, 62, 0xFFC00000, "tint just below the title area", 2);
    ExpectPixel(p, 190, 400, 0xFFC00000, "tint further down", 2);
    // The gloss over the title: the tint colour from alpha 51 at the top to 255 at the bottom.
    ExpectPixel(p, 190, 3, Over(skin::ToArgb(0x000000C0, 58), kFill), "top of the gloss", 14);
    EXPECT_GT(Red(p.At(190, 50)), Red(p.At(190, 10)) + 60) << "the gloss grows towards the bottom";
    EXPECT_LT(Red(p.At(190, 50)), 0xC0 + 2);

    // Without a tint the gloss is white fading out.
    SkinnedTestForm plain{FrameForm(options)};
    plain.Record().glossTitle = true;
    plain.Show();
    const Pixels q = plain.FrameCopyPixels();
    ExpectPixel(q, 190, 3, Over(0x8CFFFFFF, kFill), "white gloss at the top", 14);
    ExpectPixel(q, 190, 100, kFill, "no gloss below the title", 2);
}

TEST_F(FrameBackgroundTest, OutlineDrawsADarkOuterAndALightInnerRing) {
    skin::skinDefaults.skinBackgroundColor = 0x00808080;
    SkinnedTestForm form{FrameForm()};
    form.Show();
    const GxArgb grey = 0xFF808080;
    const GxArgb dark = Over(155u << 24, grey);
    const GxArgb light = Over(140u << 24 | 0x00FFFFFF, grey);
    for (const Pixels& p : {form.FrameCopyPixels(), form.ScreenPixels()}) {
        ExpectPixel(p, 0, 268, dark, "outer ring, left", 16);
        ExpectPixel(p, 1, 268, light, "inner ring, left", 16);
        ExpectPixel(p, 2, 268, grey, "inside the rings", 4);
        ExpectPixel(p, 379, 268, dark, "outer ring, right", 16);
        ExpectPixel(p, 378, 268, light, "inner ring, right", 16);
        ExpectPixel(p, 190, 536, dark, "outer ring, bottom", 16);
        ExpectPixel(p, 190, 535, light, "inner ring, bottom", 16);
        ExpectPixel(p, 190, 300, grey, "middle", 2);
    }
}

TEST_F(FrameBackgroundTest, TitleWindowGetsARoundedRegion) {
    SkinnedTestForm form{FrameForm()};
    form.Show();
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(form.Window(), region), ERROR);
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_FALSE(::PtInRegion(region, 379, 536));
    EXPECT_FALSE(::PtInRegion(region, 379, 0));
    EXPECT_TRUE(::PtInRegion(region, 3, 3));
    EXPECT_TRUE(::PtInRegion(region, 190, 0));
    EXPECT_TRUE(::PtInRegion(region, 0, 268));
    EXPECT_TRUE(::PtInRegion(region, 379, 268));
    ::DeleteObject(region);
    // Rendering again (a second region) keeps the shape.
    form.Rerender();
    HRGN again = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(form.Window(), again), ERROR);
    EXPECT_FALSE(::PtInRegion(again, 0, 0));
    EXPECT_TRUE(::PtInRegion(again, 190, 268));
    ::DeleteObject(again);
}

TEST_F(FrameBackgroundTest, RenderRecordsTheClientSizeAndClearsThePendingFlag) {
    SkinnedTestForm form{FrameForm()};
    form.Record().clientWidth = 0;
    form.Show();
    EXPECT_FALSE(form.Record().renderPending);
    EXPECT_EQ(form.Record().clientWidth, 380);
    EXPECT_EQ(form.Record().clientHeight, 537);
    ASSERT_TRUE(form.Record().titleCache);
    EXPECT_EQ(form.Record().titleCache->Height(), 25);
    EXPECT_FALSE(form.Record().statusCache) << "no status area";
}

TEST_F(FrameBackgroundTest, PresentedRenderRepaintsTheDirectSkinnedChildrenOnly) {
    SkinnedTestForm form{FrameForm()};
    form.Show();
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HWND direct = ::CreateWindowExW(0, L"BUTTON", L"a", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 20, 60, 80, 24,
                                    form.Window(), nullptr, instance, nullptr);
    HWND panel = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 20, 100, 200, 100, form.Window(), nullptr,
                                   instance, nullptr);
    HWND nested = ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 80, 24, panel,
                                    nullptr, instance, nullptr);
    HWND unskinned = ::CreateWindowExW(0, L"BUTTON", L"c", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 20, 220, 80, 24,
                                       form.Window(), nullptr, instance, nullptr);
    skin::FormRecord& record = form.Record();
    record.buttons[record.buttons.Take()].window = direct;
    record.buttons[record.buttons.Take()].window = nested;
    PumpMessages(50);
    ASSERT_FALSE(::GetUpdateRect(direct, nullptr, FALSE));

    skin::RenderFrame(form.FormIndex(), nullptr, false);
    EXPECT_FALSE(::GetUpdateRect(direct, nullptr, FALSE)) << "an off-screen render repaints nothing";
    skin::RenderFrame(form.FormIndex(), nullptr, true);
    EXPECT_TRUE(::GetUpdateRect(direct, nullptr, FALSE)) << "a skinned control on the form";
    EXPECT_FALSE(::GetUpdateRect(nested, nullptr, FALSE)) << "a skinned control inside another window";
    EXPECT_FALSE(::GetUpdateRect(unskinned, nullptr, FALSE)) << "a control the skin does not draw";
    ::DestroyWindow(panel);
    ::DestroyWindow(direct);
    ::DestroyWindow(unskinned);
}

}  // namespace
}  // namespace pelorin::test
